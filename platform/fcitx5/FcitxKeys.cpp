#include "platform/fcitx5/FcitxKeys.h"

#include <fcitx-utils/keysym.h>

#include "ui/controller/VirtualKeys.h"

namespace dazi::fcitx5 {
namespace {

using fcitx::KeySym;

// The numeric pad's digit of sym with NumLock on (KP_0..KP_9) or off (the navigation keys
// printed on the same keys); -1 for any other key.
int PadDigit(KeySym sym, bool numLockOffToo) {
  if (sym >= FcitxKey_KP_0 && sym <= FcitxKey_KP_9) return sym - FcitxKey_KP_0;
  if (!numLockOffToo) return -1;
  switch (sym) {
    case FcitxKey_KP_Insert:
      return 0;
    case FcitxKey_KP_End:
      return 1;
    case FcitxKey_KP_Down:
      return 2;
    case FcitxKey_KP_Page_Down:
      return 3;
    case FcitxKey_KP_Left:
      return 4;
    case FcitxKey_KP_Begin:
      return 5;
    case FcitxKey_KP_Right:
      return 6;
    case FcitxKey_KP_Home:
      return 7;
    case FcitxKey_KP_Up:
      return 8;
    case FcitxKey_KP_Page_Up:
      return 9;
    default:
      return -1;
  }
}

keys::KeyEvent Event(int character, int virtualKey) {
  return keys::KeyEvent{character, virtualKey};
}

}  // namespace

std::optional<keys::KeyEvent> ControllerKey(const fcitx::Key& key, const KeyContext& context) {
  const fcitx::KeyStates shortcuts{fcitx::KeyState::Ctrl,  fcitx::KeyState::Alt,
                                   fcitx::KeyState::Super, fcitx::KeyState::Super2,
                                   fcitx::KeyState::Hyper, fcitx::KeyState::Meta};
  if (key.states() & shortcuts) return std::nullopt;
  const KeySym sym = key.sym();

  if (const int digit = PadDigit(sym, context.keypadMethod); digit >= 0)
    return Event('0' + digit, vk::kNumpad0 + digit);
  switch (sym) {
    case FcitxKey_KP_Add:
      if (!context.keypadMethod && context.candidatesShown)
        return Event(keys::kNoCharacter, vk::kNext);
      return Event('+', vk::kAdd);
    case FcitxKey_KP_Subtract:
      if (!context.keypadMethod && context.candidatesShown)
        return Event(keys::kNoCharacter, vk::kPrior);
      return Event('-', vk::kSubtract);
    case FcitxKey_KP_Multiply:
      return Event('*', vk::kMultiply);
    case FcitxKey_KP_Divide:
      return Event('/', vk::kDivide);
    case FcitxKey_KP_Decimal:
    case FcitxKey_KP_Delete:
      return Event('.', vk::kDecimal);
    case FcitxKey_KP_Enter:
    case FcitxKey_Return:
      return Event(keys::kNoCharacter, vk::kReturn);
    case FcitxKey_BackSpace:
      return Event(keys::kNoCharacter, vk::kBack);
    case FcitxKey_Escape:
      return Event(keys::kNoCharacter, vk::kEscape);
    case FcitxKey_Left:
      return Event(keys::kNoCharacter, vk::kLeft);
    case FcitxKey_Page_Up:
      return Event(keys::kNoCharacter, vk::kPrior);
    case FcitxKey_Page_Down:
      return Event(keys::kNoCharacter, vk::kNext);
    case FcitxKey_KP_Space:
      return Event(' ', vk::kSpace);
    default:
      break;
  }
  // Latin keysyms of printable ASCII are the characters themselves.
  if (sym >= 0x20 && sym <= 0x7e) {
    const char c = static_cast<char>(sym);
    return Event(c, vk::OfCharacter(c));
  }
  return std::nullopt;
}

}  // namespace dazi::fcitx5
