// dazi --type KEYS --screenshot FILE: the window types KEYS through its own key handling,
// waits until the web panel has judged its page (at most 5 s), and saves a picture of itself
// with any menu or dialog that the keys opened.
#pragma once

#include <QString>
#include <vector>

#include "ui/controller/KeyTokens.h"
#include "ui/qt/Unit_Main.h"

namespace dazi {

inline constexpr int kWebPanelWaitMs = 5000;

// Shows the window and runs the event loop until the picture is saved. Returns the exit
// status: 0 when saved, 1 when the file cannot be written (the reason on standard error).
int RunScriptedScreenshot(TForm_Main& window, std::vector<keys::KeyEvent> keys,
                          const QString& file);

// A notice of the window written to standard error instead of a message box.
void PrintNotice(QWidget* parent, const QString& caption, const QString& text);

}  // namespace dazi
