// The drill lessons made from the dictionary data: frequent characters and words in graded
// groups, keypad drills by first key, pinyin drills for the first-stroke letter and for words
// typed by their initials.
#pragma once

#include <string>
#include <vector>

#include "ui/lessons/Lesson.h"

namespace dazi::lessonbuild {

struct DrillChar {
  std::string utf8;
  long frequency = 0;
  int radical = 0;             // Kangxi radical number
  std::string syllable;        // main reading without tone, empty when unknown
  std::string strokes;         // KX main code as stroke digits ("3131"), empty when none
  std::string shortParts;      // those of 疒 口 日 扌 the code types shortened (UTF-8)
  std::size_t ruleDigits = 0;  // digits of strokes before a short code is typed again
};

struct DrillWord {
  std::string utf8;
  int characters = 0;
  long count = 0;  // not needed by the drills, which take the words in the order given
};

// chars and words come most frequent first and hold only what the practice area can type.
std::vector<lessons::Lesson> MakeDrills(const std::vector<DrillChar>& chars,
                                        const std::vector<DrillWord>& words);

}  // namespace dazi::lessonbuild
