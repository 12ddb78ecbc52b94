#include "tools/dictbuild/Frequencies.h"

#include <charconv>

#include "tools/dictbuild/SourceText.h"
#include "tools/dictbuild/Unihan.h"
#include "tools/dictbuild/Utf8.h"

namespace dazi::dictbuild {
namespace {

long ParseLong(std::string_view s) {
  long value = 0;
  std::from_chars(s.data(), s.data() + s.size(), value);
  return value;
}

}  // namespace

std::string LoadJieba(const std::string& path, std::unordered_map<std::string, long>* counts) {
  std::string error;
  std::string text = ReadSourceFile(path, &error);
  if (!error.empty()) return error;
  counts->clear();
  counts->reserve(400000);
  ForEachLine(text, [&](std::string_view line) {
    std::string_view word = NextField(&line, ' ');
    long count = ParseLong(NextField(&line, ' '));
    if (!word.empty() && count > 0) (*counts)[std::string(word)] += count;
  });
  if (counts->empty()) return "no words in " + path;
  return {};
}

std::string LoadJunda(const std::string& path, std::vector<long>* counts) {
  std::string error;
  std::string js = ReadSourceFile(path, &error);
  if (!error.empty()) return error;
  counts->assign(static_cast<std::size_t>(kHanziCount), 0);
  int listed = 0;
  ForEachLine(UnwrapJsModule(js), [&](std::string_view line) {
    NextField(&line, '\t');
    char32_t cp = SingleCodePoint(NextField(&line, '\t'));
    long count = ParseLong(NextField(&line, '\t'));
    if (!IsTableHanzi(cp)) return;
    (*counts)[static_cast<std::size_t>(HanziIndex(cp))] = count;
    ++listed;
  });
  if (listed == 0) return "no characters in " + path;
  return {};
}

}  // namespace dazi::dictbuild
