#include "tools/dictbuild/Spellings.h"

#include <algorithm>

#include "engine/dict/DictLayout.h"
#include "engine/pinyin/SyllableTable.h"

namespace dazi::dictbuild {
namespace {

std::uint16_t ClassAttributeBits(std::uint8_t classes) {
  std::uint16_t bits = 0;
  if (classes & kSimplified) bits |= dictwriter::kAttrSimplified;
  if (classes & kTraditional) bits |= dictwriter::kAttrTraditional;
  if (classes & kVariant) bits |= dictwriter::kAttrVariant;
  return bits;
}

}  // namespace

char FirstStrokeLetter(const CharData& c) {
  if (c.strokes.empty()) return 'h';
  return c.strokes[0] == 'n' ? 'd' : c.strokes[0];
}

std::vector<std::vector<int>> AssignRanks(const Model& model, BuildReport* report) {
  std::vector<std::vector<int>> ranks(26, std::vector<int>(model.chars.size(), 0));
  std::vector<int> byFrequency(model.chars.size());
  for (std::size_t i = 0; i < byFrequency.size(); ++i) byFrequency[i] = static_cast<int>(i);
  std::stable_sort(byFrequency.begin(), byFrequency.end(), [&](int a, int b) {
    return model.chars[static_cast<std::size_t>(a)].number <
           model.chars[static_cast<std::size_t>(b)].number;
  });
  std::stable_sort(byFrequency.begin(), byFrequency.end(), [&](int a, int b) {
    return model.chars[static_cast<std::size_t>(a)].frequency >
           model.chars[static_cast<std::size_t>(b)].frequency;
  });
  for (int letter = 0; letter < 26; ++letter) {
    int next[3] = {1, 1, 1};  // next free rank of each class
    for (int i : byFrequency) {
      const CharData& c = model.chars[static_cast<std::size_t>(i)];
      bool hasInitial = false;
      for (const Reading& r : c.readings)
        hasInitial = hasInitial || SyllableTable[r.syllable][0] == 'a' + letter;
      if (!hasInitial) continue;
      // One rank serves every class of the character, so take the highest next free one.
      int rank = 0;
      for (int k = 0; k < 3; ++k)
        if (c.classes & (1 << k)) rank = std::max(rank, next[k]);
      for (int k = 0; k < 3; ++k)
        if (c.classes & (1 << k)) next[k] = rank + 1;
      if (rank > kMaxRank) {
        ++report->rankLosses;
        continue;
      }
      ranks[static_cast<std::size_t>(letter)][static_cast<std::size_t>(i)] = rank;
    }
  }
  return ranks;
}

SpellingTable BuildSpellings(const Model& model, BuildReport* report) {
  const auto ranks = AssignRanks(model, report);
  // Characters of each syllable, with the reading index j the syllable has for them.
  std::vector<std::vector<std::pair<std::size_t, std::size_t>>> bySyllable(kSyllableCount);
  for (std::size_t i = 0; i < model.chars.size(); ++i)
    for (std::size_t j = 0; j < model.chars[i].readings.size(); ++j)
      bySyllable[static_cast<std::size_t>(model.chars[i].readings[j].syllable)].push_back({i, j});
  SpellingTable table;
  for (int s = 0; s < kSyllableCount; ++s) {
    const int letter = SyllableTable[s][0] - 'a';
    for (const char* stroke = kStrokeLetters; *stroke; ++stroke) {
      dictwriter::Spelling sp;
      sp.text = std::string(SyllableTable[s]) + *stroke;
      for (auto [i, j] : bySyllable[static_cast<std::size_t>(s)]) {
        const CharData& c = model.chars[i];
        if (FirstStrokeLetter(c) != *stroke) continue;
        const int rank = ranks[static_cast<std::size_t>(letter)][i];
        if (rank == 0) continue;
        auto attribute = static_cast<std::uint16_t>(rank | ClassAttributeBits(c.classes) |
                                                    (j == 0 ? dictwriter::kAttrPriority : 0));
        sp.entries.push_back({static_cast<std::uint16_t>(c.number), attribute});
      }
      if (sp.entries.empty()) continue;
      std::sort(sp.entries.begin(), sp.entries.end(), [](const auto& a, const auto& b) {
        return (a.attribute & kAttrRankMask) != (b.attribute & kAttrRankMask)
                   ? (a.attribute & kAttrRankMask) < (b.attribute & kAttrRankMask)
                   : a.charNo < b.charNo;
      });
      table.spellings.push_back(std::move(sp));
      table.numberOf[{s, *stroke}] = static_cast<std::uint16_t>(table.spellings.size());
    }
  }
  return table;
}

}  // namespace dazi::dictbuild
