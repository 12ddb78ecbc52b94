// The spelling records of srf_pub.py: one per syllable and first-stroke letter (h s p d z),
// in syllable-table order, so that the records of one initial are contiguous. Each lists its
// characters with a rank per initial letter (the same in every record of that initial,
// unique within each class, more frequent first) and the priority bit on the main reading.
#pragma once

#include <map>

#include "tools/dictbuild/BuildReport.h"
#include "tools/dictbuild/Model.h"
#include "tools/dictwriter/DictWriter.h"

namespace dazi::dictbuild {

inline constexpr int kMaxRank = 2500;
inline constexpr char kStrokeLetters[] = "hspdz";

// The first-stroke letter of a character: its first stroke, n (dot) written as d.
char FirstStrokeLetter(const CharData& c);

struct SpellingTable {
  std::vector<dictwriter::Spelling> spellings;
  std::map<std::pair<int, char>, std::uint16_t> numberOf;  // (syllable, letter) -> number
};

SpellingTable BuildSpellings(const Model& model, BuildReport* report);

// Per initial letter: rank of each character (HanziIndex -> rank, 0 = none).
std::vector<std::vector<int>> AssignRanks(const Model& model, BuildReport* report);

}  // namespace dazi::dictbuild
