// What the main window shows, as plain values: captions, colours, positions and visibility
// of the controls that the practice controller drives. The Qt window paints it; the console
// and the tests read it. Captions are GBK bytes, as the engines produce them.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace dazi {

inline constexpr int kMemoLineBytes = 80;
inline constexpr int kMemoStartLines = 21;

// The two text colours of the candidate bar; English mode swaps them.
enum class LabelColour { Black, GrayText };

struct Point {
  int left = 0;
  int top = 0;
};

struct PinyinPanelView {                // PanelPY
  std::array<std::string, 10> labels;   // Label1..Label10, with "1: ".."0: "
  std::array<std::string, 10> glosses;  // Label_YW01..Label_YW10
  std::array<int, 10> glossLefts{};     // left edge of each gloss label
  LabelColour candidateColour = LabelColour::Black;
  LabelColour glossColour = LabelColour::GrayText;
  std::string labelDefault;              // LabelDefault
  bool labelDefaultHintVisible = false;  // LabelDefaultHint
};

struct KeypadPanelView {               // PanelKX
  std::array<std::string, 4> labels;   // Label_KX0, Label_KX7, Label_KX8, Label_KX9
  std::array<std::string, 4> glosses;  // Label_KXYW0, Label_KXYW7, Label_KXYW8, Label_KXYW9
  LabelColour candidateColour = LabelColour::Black;
  LabelColour glossColour = LabelColour::GrayText;
  std::array<std::string, 24> previews;  // Label_KX1_1..Label_KX6_4, row-major by stroke key
};

struct DictionaryPanelView {            // PanelZD
  std::array<std::string, 10> buttons;  // SpeedButtonZD01..SpeedButtonZD10
  int highlighted = 0;                  // index of the blue button
  std::string memoZD;                   // MemoZD
};

struct StatusBarView {     // Panel3
  std::string label13;     // Chinese / English indicator
  std::string label14;     // input method
  std::string label15;     // character class
  std::string label16;     // full-width indicator
  std::string label17;     // punctuation style
  int comboBox1Index = 0;  // 0 pinyin, 1 keypad
};

struct HelpView {
  bool keypadTreeVisible = false;  // TreeView2 over TreeView1
  int topicRequests = 0;  // grows each time node 0 of the visible tree is to be shown again
};

struct ViewState {
  bool panel2Visible = false;   // input panel with Label11
  bool panelPYVisible = false;  // pinyin candidates
  bool panelKXVisible = false;  // keypad candidates
  bool panelZDVisible = false;  // dictionary panel
  Point panel2Position;
  Point candidatePanelPosition;  // PanelPY and PanelKX share it
  std::string label11;           // the input, at most its last 15 bytes

  PinyinPanelView pinyin;
  KeypadPanelView keypad;
  DictionaryPanelView dictionary;
  StatusBarView statusBar;
  HelpView help;

  std::vector<std::string> memo1Lines;  // pieces of 80 bytes of the practice text

  // Messages for the user (UTF-8), e.g. a learned word that could not be saved, oldest first.
  // The window shows each in a "提示框" box; whoever shows them takes them.
  std::vector<std::string> notices;
};

}  // namespace dazi
