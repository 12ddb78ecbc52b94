// What the Qt application needs around the main window, shared by the program, its scripted
// screenshots and the GUI tests.
#pragma once

#include <QApplication>

namespace dazi {

// Before the QApplication is made: Qt WebEngine shares OpenGL contexts with the widgets.
void PrepareApplicationAttributes();

// After: the window's font, Qt's own dialog texts in Chinese (the zh_CN translations that
// Qt installs, when present), and no start-up report of the web engine.
void PrepareApplication(QApplication& app);

}  // namespace dazi
