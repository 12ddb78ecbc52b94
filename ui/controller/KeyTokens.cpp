#include "ui/controller/KeyTokens.h"

#include <array>

#include "ui/controller/VirtualKeys.h"

namespace dazi::keys {
namespace {

struct NamedKey {
  std::string_view name;
  KeyEvent event;
};

constexpr std::array<NamedKey, 26> kNamedKeys{{
    {"Enter", {'\r', 13}},
    {"Esc", {27, 27}},
    {"Back", {8, 8}},
    {"Left", {kNoCharacter, 37}},
    {"Up", {kNoCharacter, 38}},
    {"Right", {kNoCharacter, 39}},
    {"Down", {kNoCharacter, 40}},
    {"Ctrl", {kNoCharacter, 17}},
    {"Menu", {kNoCharacter, 93}},
    {"PgUp", {kNoCharacter, 33}},
    {"PgDn", {kNoCharacter, 34}},
    {"KP0", {'0', 96}},
    {"KP1", {'1', 97}},
    {"KP2", {'2', 98}},
    {"KP3", {'3', 99}},
    {"KP4", {'4', 100}},
    {"KP5", {'5', 101}},
    {"KP6", {'6', 102}},
    {"KP7", {'7', 103}},
    {"KP8", {'8', 104}},
    {"KP9", {'9', 105}},
    {"KP*", {'*', 106}},
    {"KP+", {'+', 107}},
    {"KP-", {'-', 109}},
    {"KP.", {'.', 110}},
    {"KP/", {'/', 111}},
}};

constexpr KeyEvent kLeftBrace{'{', 219};

// A token as it may appear in a message: bytes outside printable ASCII become '?'.
std::string Printable(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c < 0x20 || c > 0x7E) c = '?';
  return out;
}

}  // namespace

int VirtualKeyOf(char c) {
  return vk::OfCharacter(c);
}

ParsedKeys ParseKeys(std::string_view line) {
  ParsedKeys parsed;
  std::size_t i = 0;
  while (i < line.size()) {
    const char c = line[i];
    if (c == '{') {
      const std::size_t close = line.find('}', i);
      if (close == std::string_view::npos) {
        parsed.error = "unterminated key token " + Printable(line.substr(i));
        parsed.keys.clear();
        return parsed;
      }
      const std::string_view name = line.substr(i + 1, close - i - 1);
      const KeyEvent* found = name == "LBrace" ? &kLeftBrace : nullptr;
      for (const NamedKey& k : kNamedKeys)
        if (k.name == name) found = &k.event;
      if (found == nullptr) {
        parsed.error = "unknown key token {" + Printable(name) + "}";
        parsed.keys.clear();
        return parsed;
      }
      parsed.keys.push_back(*found);
      i = close + 1;
      continue;
    }
    const int vk = VirtualKeyOf(c);
    if (vk == 0) {
      parsed.error = "unknown key character code " + std::to_string(static_cast<unsigned char>(c));
      parsed.keys.clear();
      return parsed;
    }
    parsed.keys.push_back({static_cast<unsigned char>(c), vk});
    ++i;
  }
  return parsed;
}

}  // namespace dazi::keys
