#include "tests/support/FixtureDictionary.h"

#include <algorithm>
#include <stdexcept>

#include "engine/core/Gbk.h"

namespace dazi::testing {

int FixtureDictionary::AddChar(const std::string& utf8) {
  auto gbk = TryGbkFromUtf8(utf8);
  if (!gbk || gbk->size() != 2) throw std::invalid_argument("not one GBK character: " + utf8);
  dictwriter::Character ch;
  ch.gbk = *gbk;
  source_.chars.push_back(ch);
  return static_cast<int>(source_.chars.size());
}

void FixtureDictionary::AddSpelling(const std::string& spelling) {
  if (spellingEntries_.count(spelling)) return;
  spellingEntries_[spelling];
  spellingOrder_.push_back(spelling);
}

void FixtureDictionary::AddReading(int ch, const std::string& spelling, std::uint16_t attribute) {
  AddSpelling(spelling);
  spellingEntries_[spelling].push_back({static_cast<std::uint16_t>(ch), attribute});
  readings_.push_back({ch, spelling});
}

int FixtureDictionary::AddWord(const std::vector<int>& chars, bool simplified, bool traditional,
                               int group, int pattern, const std::string& gloss) {
  dictwriter::Word w;
  for (int c : chars) w.chars.push_back(static_cast<std::uint16_t>(c));
  w.simplified = simplified;
  w.traditional = traditional;
  w.group = static_cast<std::uint8_t>(group);
  w.pattern = static_cast<std::uint8_t>(pattern);
  w.gloss = gloss;
  source_.words.push_back(w);
  return static_cast<int>(source_.words.size()) - 1;
}

std::vector<std::string> FixtureDictionary::OrderedSpellings() const {
  std::vector<std::string> ordered = spellingOrder_;
  std::stable_sort(ordered.begin(), ordered.end(),
                   [](const std::string& a, const std::string& b) { return a[0] < b[0]; });
  return ordered;
}

int FixtureDictionary::SpellingNumber(const std::string& spelling) const {
  std::vector<std::string> ordered = OrderedSpellings();
  auto it = std::find(ordered.begin(), ordered.end(), spelling);
  return it == ordered.end() ? 0 : static_cast<int>(it - ordered.begin()) + 1;
}

std::string FixtureDictionary::Write(const std::string& dir) {
  dictwriter::DictionarySource out = source_;
  for (const std::string& text : OrderedSpellings())
    out.spellings.push_back({text, spellingEntries_.at(text)});
  for (const PendingReading& r : readings_) {
    auto& readings = out.chars.at(static_cast<std::size_t>(r.ch - 1)).readings;
    readings.push_back(static_cast<std::uint16_t>(SpellingNumber(r.spelling)));
  }
  return dictwriter::WriteDictionaries(out, dir);
}

}  // namespace dazi::testing
