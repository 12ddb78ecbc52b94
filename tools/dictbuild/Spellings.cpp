#include "tools/dictbuild/Spellings.h"

#include <algorithm>
#include <cstring>
#include <functional>

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

std::array<double, 3> EverydayCounts(const Model& model) {
  std::array<double, 3> out{};
  for (int k = 0; k < 3; ++k) {
    std::vector<double> f;
    for (const CharData& c : model.chars)
      if (c.classes & (1 << k)) f.push_back(c.classFrequency[k]);
    if (f.empty()) continue;
    const std::size_t at = std::min(kEverydayReadingRank, f.size()) - 1;
    std::nth_element(f.begin(), f.begin() + static_cast<std::ptrdiff_t>(at), f.end(),
                     std::greater<>());
    out[static_cast<std::size_t>(k)] = f[at];
  }
  return out;
}

bool InEverydayUse(const CharData& c, std::size_t j, int k, double everydayCount) {
  if (!ListedInClass(c, j, k) || !c.everydayUse || c.classFrequency[k] <= 0) return false;
  return c.classFrequency[k] * ShareInClass(c, j, k) >= everydayCount;
}

bool RanksByAnotherReading(const CharData& c, std::size_t j, int k) {
  const double share = ShareInClass(c, j, k);
  const char initial = SyllableTable[c.readings[j].syllable][0];
  for (std::size_t i = 0; i < c.readings.size(); ++i) {
    if (i == j || !ListedInClass(c, i, k) || SyllableTable[c.readings[i].syllable][0] != initial)
      continue;
    const double other = ShareInClass(c, i, k);
    if (other > share || (other == share && i < j)) return true;
  }
  return false;
}

PriorityTable AssignPriorities(const Model& model) {
  const std::array<double, 3> everyday = EverydayCounts(model);
  PriorityTable out(model.chars.size());
  // Per class and syllable: the counts of the readings in everyday use that rank by their own.
  std::array<std::vector<std::vector<double>>, 3> counts;
  for (auto& c : counts) c.assign(kSyllableCount, {});
  for (std::size_t i = 0; i < model.chars.size(); ++i) {
    const CharData& c = model.chars[i];
    out[i].assign(c.readings.size(), 0);
    for (std::size_t j = 0; j < c.readings.size(); ++j)
      for (int k = 0; k < 3; ++k) {
        const auto kk = static_cast<std::size_t>(k);
        if (!InEverydayUse(c, j, k, everyday[kk]) || RanksByAnotherReading(c, j, k)) continue;
        out[i][j] = static_cast<std::uint8_t>(out[i][j] | (1 << k));
        counts[kk][static_cast<std::size_t>(c.readings[j].syllable)].push_back(
            c.classFrequency[k] * ShareInClass(c, j, k));
      }
  }
  // A reading ranked by another one stands first under its syllable: only where its count
  // is among the syllable's kLeadingReadings largest.
  for (std::size_t i = 0; i < model.chars.size(); ++i) {
    const CharData& c = model.chars[i];
    for (std::size_t j = 0; j < c.readings.size(); ++j)
      for (int k = 0; k < 3; ++k) {
        const auto kk = static_cast<std::size_t>(k);
        if (!InEverydayUse(c, j, k, everyday[kk]) || !RanksByAnotherReading(c, j, k)) continue;
        std::vector<double>& syllable =
            counts[kk][static_cast<std::size_t>(c.readings[j].syllable)];
        std::sort(syllable.begin(), syllable.end(), std::greater<>());
        const double count = c.classFrequency[k] * ShareInClass(c, j, k);
        if (syllable.size() < kLeadingReadings || count >= syllable[kLeadingReadings - 1])
          out[i][j] = static_cast<std::uint8_t>(out[i][j] | (1 << k));
      }
    // A character with a reading in everyday use has its main reading so too.
    for (int k = 0; k < 3; ++k) {
      const std::size_t main = MainInClass(c, k);
      for (std::size_t j = 0; j < c.readings.size(); ++j)
        if (main < c.readings.size() && (out[i][j] >> k) & 1)
          out[i][main] = static_cast<std::uint8_t>(out[i][main] | (1 << k));
    }
  }
  return out;
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
  const PriorityTable priorities = AssignPriorities(model);
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
          auto& classes = classesOf[{rank, ((priorities[i][j] >> k) & 1) != 0}];
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
