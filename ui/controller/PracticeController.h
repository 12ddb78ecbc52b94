// The typing logic of the main window without any toolkit: the key rules of the practice
// area, the candidate bar with its paging and choosing, the practice text, and the status-bar
// and settings switches. It drives the engines through SrfState and keeps what the window
// shows in a plain ViewState. The Qt window, the console and the tests all use this class.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/core/Unit_Data.h"
#include "ui/controller/KeyTokens.h"
#include "ui/controller/ViewState.h"

namespace dazi {

class PracticeController {
 public:
  // The state after the window is first shown: pinyin method, simplified class, empty
  // practice text. The dictionaries are expected to be loaded already.
  PracticeController();

  const ViewState& View() const { return view_; }
  // Hands over the pending notices and forgets them.
  std::vector<std::string> TakeNotices() { return std::exchange(view_.notices, {}); }
  // The whole practice text (GBK), also the part that Memo1 does not show.
  const std::string& OutputText() const { return outputText_; }
  // The byte of the practice text that the next character takes: its end, or in 英 the
  // blank that evens a single byte typed before.
  std::size_t NextWritePosition() const;

  // What a key did. Taken: it acted on the input method (the input, the candidates, a
  // conversion, a switch, or text other than its own character). Passed: it did nothing, or
  // only what any text box does with it (writing its own character, deleting the last one),
  // which an input method leaves to the program it types into. The practice text, standing
  // for that program, shows the effect of a passed key itself.
  enum class KeyUse { Passed, Taken };

  // Key handling: the character of a key, then its release with the virtual-key code. The
  // release of Ctrl (17) stands for a tap of Ctrl alone; the window hands on no other.
  KeyUse Edit1KeyPress(char key);
  KeyUse Memo1KeyUp(int virtualKey);
  // Both events of one key; Taken when either took it.
  KeyUse TypeKey(const keys::KeyEvent& key);

  // Where chosen text goes (GBK, without the padding of the practice text). Unset, it goes to
  // the practice text; set, the practice text is left alone and keys that pass on are not
  // written anywhere, since the program that gets them writes them.
  using OutputSink = std::function<void(const std::string& gbk)>;
  void SetOutputSink(OutputSink sink) { sink_ = std::move(sink); }

  // Drops the input, its candidates and follow-on words, a pending sentence and the phrase
  // collected for learning, as when typing moves to another text field: the engine keeps a
  // single record, which must not carry one field's typing into another.
  void ResetComposition();

  // Candidate bar, paging, choosing and output.
  void RefreshCandidates();
  void ShowPinyinCandidates();
  void ShowKeypadCandidates();
  void ShowDictionaryButtons();
  void ChooseCandidate(int index);
  void PreviousPage();
  void NextPage();
  void WriteOutput(const std::string& text);  // empty text deletes the last character

  // Status bar.
  enum class MethodButton { Pinyin, Keypad };  // SpeedButtonLY, SpeedButtonKX
  void Label14Click();                         // method caption
  void SpeedButtonKXClick(MethodButton sender);
  void Label15Click();                    // character class
  void Label13Click();                    // 中 / 英; also a tap of Ctrl alone
  void Label16Click();                    // full-width indicator
  void Label17Click();                    // punctuation style
  void SpeedButtonKXZDClick();            // dictionary toggle
  void SpeedButton2Click();               // clear the practice text; quotes start anew
  void SpeedButtonZD01Click(int button);  // dictionary button 1..10

  // The punctuation style of Label17: Chinese (" ；") or ASCII (" ;").
  bool ChinesePunctuation() const;
  void SetChinesePunctuation(bool chinese);
  // Whether an input, a split rest or candidates are on show (the keys then act on them).
  bool Composing() const;

  // Accepting the settings dialog with the given box bits (0x01, 0x08, 0x10): sets the
  // switches and stores the byte. False (reason in *error) when srf_pykx.set could not be
  // written.
  bool AcceptSettings(std::uint8_t flags, std::string* error = nullptr);

  // Word-making: the character table is closed while the corpus editor runs; afterwards it
  // is reopened and the user lexicon reloaded. False (reason in *error) when reopening fails.
  void BeginWordMaking();
  bool FinishWordMaking(std::string* error = nullptr);

 private:
  bool PinyinActive() const;
  bool SentenceClassActive() const;
  bool EnglishInputActive() const;  // Label13 shows 英

  // Key rules.
  void TypePinyinLetter(char key);
  KeyUse ChooseByDigit(char key);
  KeyUse TypeSpace();
  KeyUse WritePunctuation(char key);
  void DeleteBackward();
  void PressLeft();
  void PressEnter();
  void PressEscape();
  void WriteToPracticeText(const std::string& text);  // empty text deletes the last character
  void WriteKeyItself(char key);                      // a key that passes on: its own character
  void WriteTypedCharacter(char key);                 // 英: one byte, as typed
  void DeleteTypedCharacter();                        // 英: Backspace with no input

  // Drawing helpers.
  void ClearAndHide();
  void HideCandidatePanels();  // PanelPY, PanelKX, Panel2
  void ShowInputPanels();
  void ShowDefaultSentence();
  void FillCurrentPage();                  // the active engine's page fill and its drawing
  void UpdateMemoLines(std::size_t from);  // the practice text changed from byte `from` on
  void RedrawShownPage();

  // Choosing.
  void CollectForLearning(int slot);
  void Learn();        // LearnPhrase, with a failed save passed on as a notice
  void LearnAtMark();  // the same at a punctuation mark
  void PassOnNotice(std::string message);
  void UpdateChain(int slot);
  void SetAssociationPrefix(int slot);
  void OfferFollowOns();
  void OfferKeypadFollowOns();

  // Method switches.
  void SelectPinyinMethod();
  void SelectKeypadMethod();

  // Places for the whole-sentence engine (conversion and Left-key correction).
  void OfferDefaultSentence();           // convert InputText, show it in LabelDefault
  bool WriteDefaultSentence();           // space or digit with no candidates; false: none
  void StartSentenceCorrectionAtLeft();  // Left with no candidates: correct the sentence
  void ShortenOrSplitAtLeft();           // Left with candidates: shorten or split the input
  void ContinueWithRemainingInput();     // a choice hands the rest of a split input on

  // Places for the stroke keypad engine.
  // Letters, digits and pad symbols; nothing for a key the keypad rules do not handle.
  std::optional<KeyUse> KeypadKeyPress(char key);
  KeyUse KeypadKeyUp(int virtualKey);  // numeric-pad strokes, paging, deleting, choosing
  void KeypadLookup();                 // stroke lookup, first page and previews for InputText
  void KeypadPageFill();               // fill page PageIndex of the keypad results

  ViewState view_;
  std::string outputText_;
  bool paddedEnd_ = false;       // the practice text ends with the blank that evened a piece
  std::string sentenceLetters_;  // the letters DefaultSentence was converted from
  OutputSink sink_;
};

}  // namespace dazi
