#include "tools/dictbuild/Unihan.h"

#include <charconv>
#include <string_view>

#include "tools/dictbuild/SourceText.h"

namespace dazi::dictbuild {
namespace {

int ParseInt(std::string_view s) {
  int value = 0;
  std::from_chars(s.data(), s.data() + s.size(), value);
  return value;
}

char32_t ParseCodePoint(std::string_view s) {  // "U+4E2D"
  if (s.size() < 3 || s[0] != 'U' || s[1] != '+') return 0;
  unsigned value = 0;
  std::from_chars(s.data() + 2, s.data() + s.size(), value, 16);
  return static_cast<char32_t>(value);
}

void AddReading(std::vector<ToneSyllable>* list, std::string_view marked) {
  ToneSyllable r = ParseMarkedPinyin(marked);
  if (r.syllable < 0) return;
  for (const ToneSyllable& have : *list)
    if (have.syllable == r.syllable && have.tone == r.tone) return;
  list->push_back(r);
}

// "1494.100:zhōng 1501.040:zhòng" or "10019.020:tiàn,xī": readings after each colon.
void AddLocatedReadings(std::vector<ToneSyllable>* list, std::string_view value) {
  while (!value.empty()) {
    std::string_view item = NextField(&value, ' ');
    std::size_t colon = item.rfind(':');
    if (colon != std::string_view::npos) item.remove_prefix(colon + 1);
    while (!item.empty()) AddReading(list, NextField(&item, ','));
  }
}

void AddVariants(std::vector<char32_t>* list, std::string_view value) {
  while (!value.empty()) {
    std::string_view item = NextField(&value, ' ');
    item = item.substr(0, item.find('<'));
    if (char32_t cp = ParseCodePoint(item)) list->push_back(cp);
  }
}

void ApplyField(UnihanChar& ch, std::string_view field, std::string_view value) {
  if (field == "kMandarin") {
    while (!value.empty()) AddReading(&ch.modern, NextField(&value, ' '));
  } else if (field == "kXHC1983" || field == "kTGHZ2013") {
    AddLocatedReadings(&ch.modern, value);
    if (field == "kTGHZ2013") AddLocatedReadings(&ch.standard, value);
  } else if (field == "kHanyuPinyin") {
    AddLocatedReadings(&ch.historic, value);
  } else if (field == "kHanyuPinlu") {
    while (!value.empty()) {  // "zhōng(4875) zhòng(66)"
      std::string_view item = NextField(&value, ' ');
      std::size_t paren = item.find('(');
      ToneSyllable r = ParseMarkedPinyin(item.substr(0, paren));
      if (r.syllable >= 0 && paren != std::string_view::npos)
        ch.pinlu.push_back({r, ParseInt(item.substr(paren + 1))});
    }
  } else if (field == "kDefinition") {
    ch.definition = std::string(value);
  } else if (field == "kGB0") {
    ch.gb2312 = true;
  } else if (field == "kTGH") {
    ch.standard2013 = true;
  } else if (field == "kBigFive") {
    ch.big5 = true;
  } else if (field == "kSimplifiedVariant") {
    AddVariants(&ch.simplifiedForms, value);
  } else if (field == "kTraditionalVariant") {
    AddVariants(&ch.traditionalForms, value);
  } else if (field == "kTotalStrokes") {
    ch.totalStrokes = ParseInt(NextField(&value, ' '));
  } else if (field == "kRSUnicode") {  // "30.1" or "85'.5"
    std::string_view first = NextField(&value, ' ');
    std::string_view radical = NextField(&first, '.');
    ch.radical = ParseInt(radical);
    ch.residualStrokes = ParseInt(first);
  }
}

std::string LoadRadicals(const std::string& path, Unihan* out) {
  std::string error;
  std::string text = ReadSourceFile(path, &error);
  if (!error.empty()) return error;
  ForEachLine(text, [&](std::string_view line) {  // "1; 2F00; 4E00"
    if (line.empty() || line[0] == '#') return;
    std::string_view number = NextField(&line, ';');
    if (number.find('\'') != std::string_view::npos) return;  // simplified radical forms
    NextField(&line, ';');
    while (!line.empty() && line.front() == ' ') line.remove_prefix(1);
    unsigned cp = 0;
    std::from_chars(line.data(), line.data() + line.size(), cp, 16);
    int n = ParseInt(number);
    if (n > 0 && n < static_cast<int>(out->radicalChars.size()))
      out->radicalChars[static_cast<std::size_t>(n)] = static_cast<char32_t>(cp);
  });
  return {};
}

}  // namespace

std::string LoadUnihan(const std::string& unicodeDir, Unihan* out) {
  out->chars.assign(static_cast<std::size_t>(kHanziCount), {});
  for (const char* name : {"Unihan_Readings.txt.bz2", "Unihan_OtherMappings.txt.bz2",
                           "Unihan_Variants.txt.bz2", "Unihan_IRGSources.txt.bz2"}) {
    std::string error;
    std::string text = ReadSourceFile(unicodeDir + "/" + name, &error);
    if (!error.empty()) return error;
    ForEachLine(text, [&](std::string_view line) {
      if (line.empty() || line[0] == '#') return;
      char32_t cp = ParseCodePoint(NextField(&line, '\t'));
      if (!IsTableHanzi(cp)) return;
      std::string_view field = NextField(&line, '\t');
      ApplyField(out->chars[static_cast<std::size_t>(HanziIndex(cp))], field, line);
    });
  }
  return LoadRadicals(unicodeDir + "/CJKRadicals.txt", out);
}

}  // namespace dazi::dictbuild
