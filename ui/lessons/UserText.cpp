#include "ui/lessons/UserText.h"

#include <filesystem>

#include "engine/core/Gbk.h"
#include "engine/user/FileRead.h"
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

std::string UnreadableReason(const FileContents& file) {
  if (file.status == ReadStatus::Missing) return "文件不存在";
  if (file.error == kNotRegularFile) return "不是普通文件";
  if (file.error == kFileTooLarge) return "文件超过 1 MB";
  return file.error;
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
  // A NUL would end the name the system sees before the ".txt" that was checked.
  if (path.find('\0') != std::string::npos) {
    if (error) *error = "文件名中含有空字符";
    return std::nullopt;
  }
  // Only a regular file, read without blocking (a FIFO would wait for a writer forever) and
  // only up to a size a lesson can have.
  const FileContents file = ReadWholeFile(path, kLargestUserText);
  if (file.status != ReadStatus::Read) {
    if (error) *error = "无法读取文件 " + path + "：" + UnreadableReason(file);
    return std::nullopt;
  }
  return UserTextFromBytes(file.bytes, std::filesystem::path(path).filename().string(), error);
}

}  // namespace dazi::lessons
