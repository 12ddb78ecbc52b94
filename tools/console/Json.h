// A small JSON writer for the console's one-line reports: objects, arrays, strings, numbers
// and booleans, written in order. Strings are UTF-8; quotes, backslashes and control
// characters are escaped.
#pragma once

#include <string>
#include <string_view>

namespace dazi::console {

// The JSON string literal of utf8, quotes included.
std::string JsonString(std::string_view utf8);

class JsonWriter {
 public:
  void BeginObject();
  void EndObject();
  void BeginArray();
  void EndArray();
  void Key(std::string_view name);  // inside an object, before each value
  void String(std::string_view utf8);
  void Number(long value);
  void Bool(bool value);

  const std::string& Text() const { return text_; }

 private:
  void BeforeValue();

  std::string text_;
  bool needComma_ = false;
};

}  // namespace dazi::console
