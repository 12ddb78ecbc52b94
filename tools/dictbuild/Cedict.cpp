#include "tools/dictbuild/Cedict.h"

#include "tools/dictbuild/SourceText.h"
#include "tools/dictbuild/Unihan.h"
#include "tools/dictbuild/Utf8.h"

namespace dazi::dictbuild {
namespace {

bool DecodeForm(std::string_view form, std::vector<char32_t>* out) {
  out->clear();
  std::size_t pos = 0;
  while (pos < form.size()) {
    char32_t cp = DecodeUtf8(form, &pos);
    if (!IsTableHanzi(cp)) return false;
    out->push_back(cp);
  }
  return !out->empty();
}

bool ParseLine(std::string_view line, CedictEntry* e) {
  std::string_view traditional = NextField(&line, ' ');
  std::string_view simplified = NextField(&line, ' ');
  if (line.empty() || line[0] != '[') return false;
  std::size_t close = line.find(']');
  if (close == std::string_view::npos) return false;
  std::string_view pinyin = line.substr(1, close - 1);
  e->properNoun = !pinyin.empty() && pinyin[0] >= 'A' && pinyin[0] <= 'Z';
  std::string_view senses = line.substr(close + 1);
  if (!DecodeForm(traditional, &e->traditional) || !DecodeForm(simplified, &e->simplified))
    return false;
  if (e->traditional.size() != e->simplified.size()) return false;
  e->pinyin.clear();
  while (!pinyin.empty()) {
    ToneSyllable s = ParseNumberedPinyin(NextField(&pinyin, ' '));
    if (s.syllable < 0) return false;
    e->pinyin.push_back(s);
  }
  if (e->pinyin.size() != e->simplified.size()) return false;
  std::size_t first = senses.find('/');
  std::size_t last = senses.rfind('/');
  if (first == std::string_view::npos || last <= first) return false;
  e->senses = std::string(senses.substr(first + 1, last - first - 1));
  return true;
}

}  // namespace

std::string LoadCedict(const std::string& path, std::vector<CedictEntry>* entries, int* skipped) {
  std::string error;
  std::string js = ReadSourceFile(path, &error);
  if (!error.empty()) return error;
  std::string_view text = UnwrapJsModule(js);
  if (text.empty()) return "no CC-CEDICT text in " + path;
  entries->clear();
  *skipped = 0;
  CedictEntry entry;
  ForEachLine(text, [&](std::string_view line) {
    if (line.empty() || line[0] == '#') return;
    if (ParseLine(line, &entry))
      entries->push_back(entry);
    else
      ++*skipped;
  });
  return {};
}

}  // namespace dazi::dictbuild
