#include "tools/dictbuild/Spellings.h"

#include <algorithm>
#include <cstring>

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

bool ListedInClass(const CharData& c, std::size_t j, int k) {
  if (!(c.classes & (1 << k))) return false;
  if (k != 0 || !c.readings[j].traditionalUse || !(c.classes & kTraditional)) return true;
  for (const Reading& r : c.readings)
    if (!r.traditionalUse) return false;
  return true;
}

std::size_t MainInClass(const CharData& c, int k) {
  for (std::size_t j = 0; j < c.readings.size(); ++j)
    if (ListedInClass(c, j, k)) return j;
  return c.readings.size();
}

bool PriorityInClass(const CharData& c, std::size_t j, int k) {
  if (!ListedInClass(c, j, k) || !c.everydayUse) return false;
  return MainInClass(c, k) == j || ShareInClass(c, j, k) >= kEverydayShare;
}

double ShareInClass(const CharData& c, std::size_t j, int k) {
  const Reading& r = c.readings[j];
  if (k != 0) return r.share;
  if (r.traditionalUse) return r.share * kTraditionalUseShare;
  // Simplified text uses the character only in its other readings: they share all of its use
  // (著 is zhù in 著名 however often old texts wrote it for zhe).
  double simplified = 0;
  for (const Reading& other : c.readings)
    if (!other.traditionalUse) simplified += other.share;
  return simplified > 0 ? r.share / simplified : r.share;
}

char FirstStrokeLetter(const CharData& c) {
  if (c.strokes.empty()) return 'h';
  return c.strokes[0] == 'n' ? 'd' : c.strokes[0];
}

RankTable AssignRanks(const Model& model, BuildReport* report) {
  const std::size_t n = model.chars.size();
  RankTable ranks(26);
  for (auto& perClass : ranks)
    for (auto& r : perClass) r.assign(n, 0);
  std::vector<double> share(n);
  for (int letter = 0; letter < 26; ++letter) {
    for (int k = 0; k < 3; ++k) {
      // The part of each character's use that the class lists under this initial.
      std::vector<int> order;
      for (std::size_t i = 0; i < n; ++i) {
        const CharData& c = model.chars[i];
        share[i] = 0;
        for (std::size_t j = 0; j < c.readings.size(); ++j)
          if (SyllableTable[c.readings[j].syllable][0] == 'a' + letter && ListedInClass(c, j, k))
            share[i] = std::max(share[i], ShareInClass(c, j, k));
        if (share[i] > 0) order.push_back(static_cast<int>(i));
      }
      auto key = [&](int i) {
        const auto at = static_cast<std::size_t>(i);
        return model.chars[at].classFrequency[k] * share[at];
      };
      std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        if (key(a) != key(b)) return key(a) > key(b);
        return model.chars[static_cast<std::size_t>(a)].number <
               model.chars[static_cast<std::size_t>(b)].number;
      });
      auto& out = ranks[static_cast<std::size_t>(letter)][static_cast<std::size_t>(k)];
      for (std::size_t r = 0; r < order.size(); ++r) {
        if (static_cast<int>(r) >= kMaxRank) {
          ++report->rankLosses;
          continue;
        }
        out[static_cast<std::size_t>(order[r])] = static_cast<int>(r) + 1;
      }
    }
  }
  return ranks;
}

SpellingTable BuildSpellings(const Model& model, BuildReport* report) {
  const RankTable ranks = AssignRanks(model, report);
  // Characters of each syllable, with the reading index j the syllable has for them.
  std::vector<std::vector<std::pair<std::size_t, std::size_t>>> bySyllable(kSyllableCount);
  for (std::size_t i = 0; i < model.chars.size(); ++i)
    for (std::size_t j = 0; j < model.chars[i].readings.size(); ++j)
      bySyllable[static_cast<std::size_t>(model.chars[i].readings[j].syllable)].push_back({i, j});
  std::vector<int> alphabetical(kSyllableCount);
  for (int s = 0; s < kSyllableCount; ++s) alphabetical[static_cast<std::size_t>(s)] = s;
  std::sort(alphabetical.begin(), alphabetical.end(),
            [](int a, int b) { return std::strcmp(SyllableTable[a], SyllableTable[b]) < 0; });
  SpellingTable table;
  for (int s : alphabetical) {
    const auto letter = static_cast<std::size_t>(SyllableTable[s][0] - 'a');
    for (const char* stroke = kStrokeLetters; *stroke; ++stroke) {
      dictwriter::Spelling sp;
      sp.text = std::string(SyllableTable[s]) + *stroke;
      for (auto [i, j] : bySyllable[static_cast<std::size_t>(s)]) {
        const CharData& c = model.chars[i];
        if (FirstStrokeLetter(c) != *stroke) continue;
        // One entry per distinct rank and priority, carrying the classes that have them.
        std::map<std::pair<int, bool>, std::uint8_t> classesOf;
        for (int k = 0; k < 3; ++k) {
          const int rank = ranks[letter][static_cast<std::size_t>(k)][i];
          if (!ListedInClass(c, j, k) || rank == 0) continue;
          auto& classes = classesOf[{rank, PriorityInClass(c, j, k)}];
          classes = static_cast<std::uint8_t>(classes | (1 << k));
        }
        for (auto [key, classes] : classesOf) {
          auto attribute = static_cast<std::uint16_t>(key.first | ClassAttributeBits(classes) |
                                                      (key.second ? dictwriter::kAttrPriority : 0));
          sp.entries.push_back({static_cast<std::uint16_t>(c.number), attribute});
        }
      }
      if (sp.entries.empty()) continue;
      std::sort(sp.entries.begin(), sp.entries.end(), [](const auto& a, const auto& b) {
        if ((a.attribute & kAttrRankMask) != (b.attribute & kAttrRankMask))
          return (a.attribute & kAttrRankMask) < (b.attribute & kAttrRankMask);
        return a.charNo != b.charNo ? a.charNo < b.charNo : a.attribute < b.attribute;
      });
      table.spellings.push_back(std::move(sp));
      table.numberOf[{s, *stroke}] = static_cast<std::uint16_t>(table.spellings.size());
    }
  }
  return table;
}

}  // namespace dazi::dictbuild
