// Turns Qt key events into what the practice area's two handlers expect: the character of a
// key press, and the Windows virtual-key code of its release. Keys are mapped from key() and
// Qt::KeypadModifier alone; the native key codes differ between platforms (an X keysym under
// xcb, 0 offscreen).
#pragma once

#include <QString>
#include <Qt>

namespace dazi {

inline constexpr int kNoKeyCharacter = -1;

// The character a key press delivers: its text when that is one ASCII character, else the
// control character of Enter, Backspace, Tab or Escape; kNoKeyCharacter for other keys.
int KeyCharacter(int qtKey, const QString& text);

// The Windows virtual-key code of a key (US keyboard); numeric-pad keys are told by
// Qt::KeypadModifier. 0 for keys without one.
int VirtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers);

// Shift, Ctrl, Alt, AltGr and Meta: held with other keys, not keys of their own.
bool IsModifierKey(int qtKey);

}  // namespace dazi
