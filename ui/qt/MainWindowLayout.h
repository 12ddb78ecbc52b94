// Where the main window's controls sit, in client pixels of the 800 x 561 window. The places
// of the help topics and the web panel are kept free for them.
#pragma once

#include <QColor>
#include <QRect>

namespace dazi::layout {

inline constexpr QSize kClientSize{800, 561};
inline constexpr int kWindowMargin = 4;

inline constexpr QRect kMemo1{225, 241, 560, 305};
inline constexpr QRect kPanel4{3, 3, 795, 78};        // web panel strip
inline constexpr QRect kPanelYJJY{690, 84, 100, 24};  // the feedback button under it
inline constexpr QRect kHelpPlace{10, 88, 205, 414};  // TreeView1 / TreeView2 and Memo2
inline constexpr QRect kHelpTree{10, 88, 205, 226};   // TreeView1 and TreeView2, one place
inline constexpr QRect kMemo2{10, 318, 205, 184};     // the chosen topic's text

// The candidate panels; their top-left corner comes from the view state.
inline constexpr QSize kPanel2Size{232, 27};
inline constexpr QSize kPanelPYSize{232, 230};
inline constexpr QSize kPanelKXSize{200, 231};
inline constexpr QRect kDictionaryToggle{4, 2, 38, 19};  // top-left corner of either panel

// PanelPY rows: Label1..Label10 and their glosses.
inline constexpr int kPinyinLabelLeft = 13;
inline constexpr int kPinyinRowTops[10] = {26, 46, 66, 86, 106, 127, 147, 167, 187, 207};
inline constexpr int kRowHeight = 20;
inline constexpr QRect kLabelDefault{13, 26, 212, 154};
inline constexpr QRect kLabelDefaultHint{45, 190, 133, 35};

// PanelKX rows and the six 2 x 2 preview blocks, placed like the keys of the numeric pad.
inline constexpr int kKeypadLabelLeft = 28;
inline constexpr int kKeypadGlossLeft = 108;
inline constexpr int kKeypadRowTops[4] = {27, 56, 86, 115};
inline constexpr int kPreviewBlockLefts[3] = {24, 88, 150};  // keys 1/4, 2/5, 3/6
inline constexpr int kPreviewUpperTop = 140;                 // keys 4, 5, 6
inline constexpr int kPreviewLowerTop = 185;                 // keys 1, 2, 3
inline constexpr int kPreviewLineStep = 19;
inline constexpr int kPreviewColumnStep = 22;
inline constexpr QSize kPreviewSize{21, 19};

// PanelZD beside the visible candidate panel.
inline constexpr int kDictionaryGap = 4;
inline constexpr QSize kPanelZDSize{262, 230};
inline constexpr QSize kDictionaryButtonSize{25, 28};
inline constexpr QRect kMemoZD{4, 36, 254, 190};

// Status bar and tool buttons above the practice area.
inline constexpr QRect kToolbarCaption{228, 208, 44, 26};  // "工具条"
inline constexpr QRect kPanel3{276, 205, 212, 30};
inline constexpr QRect kImage3{3, 1, 26, 26};
inline constexpr QRect kStatusLabels[5] = {
    {36, 2, 22, 26},   // Label13
    {62, 2, 44, 26},   // Label14
    {110, 2, 24, 26},  // Label15
    {138, 2, 24, 26},  // Label16
    {164, 2, 44, 26},  // Label17
};
inline constexpr QRect kSpeedButtonLesson{494, 205, 110, 30};
inline constexpr QRect kSpeedButton2{612, 205, 118, 30};
inline constexpr QRect kSpeedButton1{742, 205, 43, 30};
inline constexpr int kPopupRaise = 100;  // the toolbar menu opens this far above the click

// The small panel below the help topics with the two method buttons.
inline constexpr QRect kMethodPanel{10, 511, 205, 41};
inline constexpr QRect kSpeedButtonLY{2, 2, 98, 37};
inline constexpr QRect kSpeedButtonKX{104, 2, 98, 37};

// Fonts and colours.
inline constexpr const char* kSongFamily = "Noto Serif CJK SC";
inline constexpr const char* kSansFamily = "Noto Sans CJK SC";
inline constexpr const char* kMonoFamily = "Noto Sans Mono CJK SC";
inline constexpr const char* kLatinMonoFamily = "DejaVu Sans Mono";
inline constexpr const char* kCenteredPunctuationFamily = "Noto Sans CJK TC";
inline constexpr int kApplicationFontPixels = 13;
inline constexpr int kMemoFontPixels = 14;
inline constexpr int kCandidateFontPixels = 16;
inline constexpr int kGlossFontPixels = 12;
inline constexpr int kStatusFontPixels = 15;
inline const QColor kGrayText{0x6d, 0x6d, 0x6d};  // the system's grey-text colour
inline const QColor kHighlight{Qt::blue};
inline const QColor kHelpText{0x00, 0x80, 0x00};  // Memo2's green
inline constexpr int kHelpTreeFontPixels = 13;
inline constexpr QSize kHelpTreeIconSize{12, 12};
inline constexpr int kHelpTreeRowPixels = 18;

}  // namespace dazi::layout
