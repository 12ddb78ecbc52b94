#include "ui/lessons/UserText.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "engine/core/Gbk.h"
#include "ui/lessons/Utf8Chars.h"

namespace dazi::lessons {
namespace {

bool IsBlank(std::string_view ch) {
  return ch == " " || ch == "\t" || ch == "\r" || ch == "\xE3\x80\x80";  // U+3000
}

// A character the practice area can write: printable, with a GBK code.
bool Typeable(std::string_view ch) {
  if (ch.size() == 1) return ch[0] > 0x20 && ch[0] < 0x7F;
  return TryGbkFromUtf8(ch).has_value();
}

}  // namespace

std::optional<UserText> UserTextFromBytes(std::string_view bytes, const std::string& name,
                                          std::string* error) {
  UserText result;
  std::string utf8;
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  if (IsValidUtf8(bytes)) {
    utf8 = bytes;
    result.encoding = "UTF-8";
  } else if (std::optional<std::string> converted = TryUtf8FromGbk(bytes)) {
    utf8 = std::move(*converted);
    result.encoding = "GBK";
  } else {
    if (error) *error = name + " 既不是 UTF-8 也不是 GBK 文本，无法打开";
    return std::nullopt;
  }
  result.lesson.id = name;
  result.lesson.title = std::filesystem::path(name).stem().string();
  result.lesson.group = "自选文章";
  std::string line;
  int count = 0;
  auto finishLine = [&] {
    if (!line.empty()) result.lesson.lines.push_back(std::move(line));
    line.clear();
    count = 0;
  };
  for (const std::string_view ch : SplitUtf8(utf8)) {
    if (ch == "\n") {
      finishLine();
    } else if (IsBlank(ch)) {
      continue;
    } else if (!Typeable(ch)) {
      if (result.skipped.find(ch) == std::string::npos) result.skipped += ch;
    } else {
      line += ch;
      if (++count == kUserLineCharacters) finishLine();
    }
  }
  finishLine();
  if (result.lesson.lines.empty()) {
    if (error) *error = name + " 中没有可以练习的字";
    return std::nullopt;
  }
  return result;
}

std::optional<UserText> LoadUserText(const std::string& path, std::string* error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    if (error) *error = "无法读取文件 " + path;
    return std::nullopt;
  }
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return UserTextFromBytes(bytes.str(), std::filesystem::path(path).filename().string(), error);
}

}  // namespace dazi::lessons
