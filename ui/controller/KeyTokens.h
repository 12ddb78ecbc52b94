// Turns a key line (the console's notation, also used by the window's scripted typing) into
// key events. Every printable ASCII character but '{' is one key; brace tokens name the
// others: {Enter} {Esc} {Back} {Left} {Up} {Right} {Down} {PgUp} {PgDn} {Ctrl} {Menu}
// {KP0}..{KP9} {KP*} {KP+} {KP-} {KP.} {KP/} {LBrace}. {Ctrl} is a tap of the Ctrl key alone.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace dazi::keys {

inline constexpr int kNoCharacter = -1;

// One key: its character event (kNoCharacter for keys without one), then its release with
// the Windows virtual-key code.
struct KeyEvent {
  int character = kNoCharacter;
  int virtualKey = 0;
};

struct ParsedKeys {
  std::vector<KeyEvent> keys;
  std::string error;  // empty when the whole line was understood
};

// The virtual-key code of a printable ASCII character on a US keyboard (letters 65-90, main
// row digits 48-57, space 32, punctuation on its OEM key); 0 for anything else.
int VirtualKeyOf(char c);

// All events of a line, or an error naming the first token that is not a key.
ParsedKeys ParseKeys(std::string_view line);

}  // namespace dazi::keys
