// The spelling records of srf_pub.py: one per syllable and first-stroke letter (h s p d z),
// syllables in alphabetical order, so that the records of one initial are contiguous and a
// syllable's records come before those of the longer syllables it begins (zhe before zhei:
// the lookup files a character under the first record that lists it, so the reading typed in
// full wins). Each lists its characters with a rank per initial letter and class (the same in
// every record of that initial, unique within the class, more frequent first) and the
// priority bit on the main reading of the class. A character whose simplified and traditional
// ranks or main readings differ is listed once per class.
#pragma once

#include <array>
#include <map>

#include "tools/dictbuild/BuildReport.h"
#include "tools/dictbuild/Model.h"
#include "tools/dictwriter/DictWriter.h"

namespace dazi::dictbuild {

inline constexpr int kMaxRank = 2500;
inline constexpr char kStrokeLetters[] = "hspdz";

// A reading of traditional use kept in the simplified class weighs this part of its share.
inline constexpr double kTraditionalUseShare = 0.01;

// The first-stroke letter of a character: its first stroke, n (dot) written as d.
char FirstStrokeLetter(const CharData& c);

// Whether class k (0 simplified, 1 traditional, 2 variant) lists the character under reading j.
// The simplified class leaves out a reading of traditional use (著 zhe, 乾 gan, 麽 me) when the
// traditional class lists the character and it keeps another reading; otherwise the reading
// stays, with kTraditionalUseShare of its share. In the simplified class the other readings
// share the character's whole use.
bool ListedInClass(const CharData& c, std::size_t j, int k);
double ShareInClass(const CharData& c, std::size_t j, int k);
// The class's main reading: the first reading it lists.
std::size_t MainInClass(const CharData& c, int k);

// A reading with at least this share of a character's use is in everyday use.
inline constexpr double kEverydayShare = 0.02;
// Whether reading j carries the priority bit in class k: the main reading of a character in
// everyday use, and every other reading with an everyday share of its use (地 dì, 还 huán,
// 了 liǎo), so that under each syllable they rank by their count among its characters
// instead of waiting behind every rare character read so. A character out of everyday use
// (a radical form, a chemical element) has no priority reading.
bool PriorityInClass(const CharData& c, std::size_t j, int k);

struct SpellingTable {
  std::vector<dictwriter::Spelling> spellings;
  std::map<std::pair<int, char>, std::uint16_t> numberOf;  // (syllable, letter) -> number
};

SpellingTable BuildSpellings(const Model& model, BuildReport* report);

// ranks[letter][class][HanziIndex]: rank under the initial in the class (simplified,
// traditional, variant), 0 = none. A character comes by its frequency in the class's text
// times the share of its use that its readings of that initial have (广 under a by its rare
// reading ān, far behind 安).
using RankTable = std::vector<std::array<std::vector<int>, 3>>;
RankTable AssignRanks(const Model& model, BuildReport* report);

}  // namespace dazi::dictbuild
