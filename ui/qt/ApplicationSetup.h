// What the Qt application needs around the main window, shared by the program, its scripted
// screenshots and the GUI tests.
#pragma once

#include <QApplication>

namespace dazi {

// Before the QApplication is made: Qt WebEngine shares OpenGL contexts with the widgets.
void PrepareApplicationAttributes();

// After: the window's font, Qt's own dialog texts in Chinese (the zh_CN translations that
// Qt installs, when present), and no start-up report of the web engine. Unless verbose, the
// engine's start-up messages and Chromium's errors stay off the terminal: they tell a learner
// nothing, and the panel carries on without what they report.
void PrepareApplication(QApplication& app, bool verbose = false);

}  // namespace dazi
