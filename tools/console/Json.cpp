#include "tools/console/Json.h"

#include <cstdio>

namespace dazi::console {

std::string JsonString(std::string_view utf8) {
  std::string out = "\"";
  for (const char c : utf8) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned char>(c));
          out += escaped;
        } else {
          out += c;
        }
    }
  }
  out += '"';
  return out;
}

void JsonWriter::BeforeValue() {
  if (needComma_) text_ += ',';
  needComma_ = true;
}

void JsonWriter::BeginObject() {
  BeforeValue();
  text_ += '{';
  needComma_ = false;
}

void JsonWriter::EndObject() {
  text_ += '}';
  needComma_ = true;
}

void JsonWriter::BeginArray() {
  BeforeValue();
  text_ += '[';
  needComma_ = false;
}

void JsonWriter::EndArray() {
  text_ += ']';
  needComma_ = true;
}

void JsonWriter::Key(std::string_view name) {
  BeforeValue();
  text_ += JsonString(name);
  text_ += ':';
  needComma_ = false;
}

void JsonWriter::String(std::string_view utf8) {
  BeforeValue();
  text_ += JsonString(utf8);
}

void JsonWriter::Number(long value) {
  BeforeValue();
  text_ += std::to_string(value);
}

void JsonWriter::Bool(bool value) {
  BeforeValue();
  text_ += value ? "true" : "false";
}

}  // namespace dazi::console
