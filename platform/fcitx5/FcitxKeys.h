// Turns a key press that fcitx5 delivers into the key events of the practice controller: the
// character and the Windows virtual-key code that the window would have handed on for it.
#pragma once

#include <fcitx-utils/key.h>

#include <optional>

#include "ui/controller/KeyTokens.h"

namespace dazi::fcitx5 {

struct KeyContext {
  bool keypadMethod = false;     // the stroke keypad method is active
  bool candidatesShown = false;  // a candidate page is on show
};

// The controller's events for key, or nothing for a key the controller never acts on (any
// key with Ctrl, Alt or Super held, function keys, modifiers alone). In the keypad method the
// numeric pad gives strokes with NumLock on or off; in the pinyin method its + and - page
// while candidates are shown, as = and - do.
std::optional<keys::KeyEvent> ControllerKey(const fcitx::Key& key, const KeyContext& context);

}  // namespace dazi::fcitx5
