// Scripted use of the real window: keys in the console's notation become Qt key events for
// whatever has the keyboard (an open menu or dialog, else the practice area), and a picture
// of the window shows what a user would see, dialogs and menus over it included.
#pragma once

#include <QImage>
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

#include "ui/controller/KeyTokens.h"

namespace dazi {

struct QtKeyStroke {
  int key = 0;  // Qt::Key
  Qt::KeyboardModifiers modifiers;
  QString text;
};

// The Qt key that delivers event's character and virtual-key code on a US keyboard.
QtKeyStroke QtKeyFor(const keys::KeyEvent& event);

// Presses and releases each key in turn, one key per pass of the event loop, so that a key
// that opens a modal dialog leaves the following keys to the dialog. done runs after the last.
void TypeKeys(QWidget* window, std::vector<keys::KeyEvent> keys, std::function<void()> done);

// The window as on screen: its own picture with its open menus and dialogs drawn over it.
QImage WindowPicture(QWidget* window);

}  // namespace dazi
