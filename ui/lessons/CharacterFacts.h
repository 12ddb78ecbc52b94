// What the results show of a character: its pinyin (from its dictionary text) and its KX
// stroke code, read from the loaded dictionaries.
#pragma once

#include <string>
#include <vector>

#include "ui/lessons/LessonRun.h"

namespace dazi::lessons {

struct CharacterFacts {
  std::string pinyin;   // e.g. "guó"; empty when the dictionary text names none
  std::string strokes;  // KX main code as stroke digits, e.g. "25111"; empty when none
};

// The facts of a character (UTF-8); empty for one the character table lacks.
CharacterFacts FactsOf(const std::string& utf8);

// The characters of tallies written wrong, most often first (then by first appearance), at
// most count of them.
std::vector<CharTally> MostMissed(const std::vector<CharTally>& tallies, std::size_t count);

}  // namespace dazi::lessons
