// The about box of the toolbar menu ("关于..."): the program, its version, and the sources of
// the dictionaries with their licences.
#pragma once

#include <QString>
#include <QWidget>

namespace dazi {

// The text of the about box (rich text).
QString AboutText();

// Shows the about box modally.
void ShowAboutBox(QWidget* parent);

}  // namespace dazi
