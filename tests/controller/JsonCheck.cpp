#include "tests/controller/JsonCheck.h"

#include <cctype>
#include <string>

namespace dazi::testing {
namespace {

class Checker {
 public:
  explicit Checker(std::string_view text) : text_(text) {}

  bool Document() {
    Space();
    if (!Value()) return false;
    Space();
    return pos_ == text_.size();
  }

 private:
  bool Value() {
    if (pos_ >= text_.size()) return false;
    switch (text_[pos_]) {
      case '{':
        return Container('}', true);
      case '[':
        return Container(']', false);
      case '"':
        return String();
      case 't':
        return Word("true");
      case 'f':
        return Word("false");
      case 'n':
        return Word("null");
      default:
        return Number();
    }
  }

  bool Container(char close, bool object) {
    ++pos_;
    Space();
    if (Peek(close)) return ++pos_, true;
    for (;;) {
      if (object) {
        if (!String()) return false;
        Space();
        if (!Peek(':')) return false;
        ++pos_;
        Space();
      }
      if (!Value()) return false;
      Space();
      if (Peek(close)) return ++pos_, true;
      if (!Peek(',')) return false;
      ++pos_;
      Space();
    }
  }

  bool String() {
    if (!Peek('"')) return false;
    for (++pos_; pos_ < text_.size(); ++pos_) {
      const unsigned char c = static_cast<unsigned char>(text_[pos_]);
      if (c == '"') return ++pos_, true;
      if (c < 0x20) return false;
      if (c != '\\') continue;
      if (++pos_ >= text_.size()) return false;
      const char e = text_[pos_];
      if (e == 'u') {
        for (int i = 0; i < 4; ++i)
          if (++pos_ >= text_.size() || !std::isxdigit(static_cast<unsigned char>(text_[pos_])))
            return false;
      } else if (std::string("\"\\/bfnrt").find(e) == std::string::npos) {
        return false;
      }
    }
    return false;
  }

  bool Number() {
    const std::size_t start = pos_;
    if (Peek('-')) ++pos_;
    while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_]))) ++pos_;
    return pos_ > start && std::isdigit(static_cast<unsigned char>(text_[pos_ - 1]));
  }

  bool Word(std::string_view word) {
    if (text_.substr(pos_, word.size()) != word) return false;
    pos_ += word.size();
    return true;
  }

  bool Peek(char c) const { return pos_ < text_.size() && text_[pos_] == c; }
  void Space() {
    while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_]))) ++pos_;
  }

  std::string_view text_;
  std::size_t pos_ = 0;
};

}  // namespace

bool IsValidJson(std::string_view text) {
  return Checker(text).Document();
}

}  // namespace dazi::testing
