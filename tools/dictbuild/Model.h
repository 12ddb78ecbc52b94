// The dictionary being built: characters with their classes, readings and frequency, and
// the words, before they are numbered and laid out in the writer's description.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace dazi::dictbuild {

enum ClassBit : std::uint8_t { kSimplified = 1, kTraditional = 2, kVariant = 4 };

struct Reading {
  int syllable = -1;       // SyllableTable index
  std::vector<int> tones;  // tones heard with this syllable, most used first
  double share = 1;        // part of the character's use that has this reading
  // The character has this reading only as the traditional form of another character (著 zhe
  // for 着, 乾 gan for 干): simplified text writes the other one.
  bool traditionalUse = false;
};

struct CharData {
  char32_t cp = 0;
  std::string utf8;
  std::string gbk;
  std::uint8_t classes = 0;       // ClassBit set; variant excludes the other two
  double frequency = 0;           // larger is more frequent; orders the character numbers
  double classFrequency[3] = {};  // in simplified, traditional and variant text
  // How often it is written as a word of its own, on jieba's scale, in simplified and
  // traditional text.
  double soloFrequency[2] = {};
  std::vector<Reading> readings;  // main reading first, at most 5
  std::string strokes;            // h s p n z, mainland order
  bool big5 = false;              // has a Big5 code: a character of traditional texts
  bool startsWord = false;
  // Written in everyday text: not a rare radical form or chemical element (疒, 氵, 铪, 锕).
  bool everydayUse = true;
  int number = 0;  // character number, 1-based
};

struct WordData {
  std::vector<int> chars;         // indexes into the character list (HanziIndex)
  std::vector<int> syllables;     // one per character
  std::vector<int> readingIndex;  // reading j of each character used by the word
  bool simplified = false;
  bool traditional = false;
  long frequency = 0;   // word frequency of the simplified form (WordFrequencies.h)
  int sourceOrder = 0;  // position in CC-CEDICT, to keep ties stable
  // CC-CEDICT senses of every entry of the form with these syllables, '/'-separated per entry.
  std::vector<std::pair<bool, std::string>> senses;  // (proper noun, senses)
  int pattern = -1;                                  // index into the chosen reading patterns
  int group = 15;
};

struct Model {
  std::vector<CharData> chars;  // indexed by HanziIndex
  std::vector<WordData> words;
  std::vector<std::uint8_t> patterns;  // the chosen reading-pattern bytes, at most 16
};

}  // namespace dazi::dictbuild
