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

// A reading is in everyday use in a class when its count (the character's frequency in the
// class times the reading's share) reaches that of the class's this-many-th most frequent
// character.
inline constexpr std::size_t kEverydayReadingRank = 3000;
std::array<double, 3> EverydayCounts(const Model& model);

// Whether reading j is in everyday use in class k (everydayCount from EverydayCounts): the
// main reading of an everyday character, and every other reading used as often (长 cháng,
// 传 zhuàn, 乐 yuè). Rare characters, radical forms and chemical elements are not.
bool InEverydayUse(const CharData& c, std::size_t j, int k, double everydayCount);
// Whether reading j ranks by another reading of the character: one under the same initial
// with a larger share (还 huán beside hái, 大 dài beside dà), since a character has one rank
// per initial.
bool RanksByAnotherReading(const CharData& c, std::size_t j, int k);

// A reading ranked by another one carries the priority bit, and so stands first under its
// syllable, only where its own count would put it on the first page: among the this-many
// largest of the syllable.
inline constexpr std::size_t kLeadingReadings = 10;

// priorities[HanziIndex][j]: the classes (ClassBit) in which reading j carries the priority
// bit. Under a syllable the characters with it come first, by rank, so a second reading in
// everyday use ranks by its count among the everyday characters instead of waiting behind
// every rare character read so; one ranked by another reading and not among the leading
// ones goes without, leading the characters that follow the everyday ones.
using PriorityTable = std::vector<std::vector<std::uint8_t>>;
PriorityTable AssignPriorities(const Model& model);

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
