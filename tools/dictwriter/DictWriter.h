// Writes the six dictionary files (srf_pub.zc, .py, .pys, .lm, .cpy, .zy) from an in-memory
// description. The dictionary compiler writes the real dictionaries with it; tests write
// small fixture dictionaries with it. The layouts are those of engine/dict/DictLayout.h.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/dict/DictLayout.h"

namespace dazi::dictwriter {

// Class bits of a spelling-list attribute word.
using ::dazi::kAttrPriority;
using ::dazi::kAttrSimplified;
using ::dazi::kAttrTraditional;
using ::dazi::kAttrVariant;

// Class bits of a first-stroke list entry.
using ::dazi::kStrokeSimplified;
using ::dazi::kStrokeTraditional;
using ::dazi::kStrokeVariant;

struct Character {
  std::string gbk;                         // the two GBK bytes of the character
  std::vector<std::uint16_t> readings;     // spelling numbers, main reading first (at most 5)
  std::vector<std::uint32_t> strokeCodes;  // main code first, then variants (at most 5)
  std::string dictText;  // GBK dictionary text (whole characters, at most 255 of them)
  std::string gloss;     // English gloss bytes (at most 255)
};

struct SpellingEntry {
  std::uint16_t charNo = 0;     // character number, 1-based
  std::uint16_t attribute = 0;  // rank (bits 0-11) | kAttr* bits
};

struct Spelling {
  std::string text;  // syllable followed by its first-stroke letter, at most 9 letters
  std::vector<SpellingEntry> entries;
};

struct Word {
  std::vector<std::uint16_t> chars;  // character numbers; the first one picks the word list
  bool simplified = false;
  bool traditional = false;
  std::uint8_t group = 0;    // 0-15
  std::uint8_t pattern = 0;  // index into readingPatterns, 0-15
  std::string gloss;         // English gloss bytes (at most 255)
};

struct StrokeListEntry {
  std::uint16_t charNo = 0;
  std::uint8_t classBits = 0;  // kStroke* bits
  std::uint8_t variant = 0;    // code variant r, 0-4
};

struct Phrase {
  std::string pinyin;                     // full pinyin, lower-case letters, at least 4
  std::vector<std::uint16_t> chars;       // 1-15 character numbers
  std::uint8_t firstSyllableLetters = 0;  // 0-15
  std::uint8_t level = 0;                 // 0-15
  bool simplified = false;
  bool traditional = false;
};

struct Abbrev {
  std::string initials;              // one letter per character, at least 2
  std::vector<std::uint16_t> chars;  // 1-15 character numbers
  bool simplified = false;
  bool traditional = false;
};

struct DictionarySource {
  std::vector<Character> chars;     // chars[i] is character number i + 1
  std::vector<Spelling> spellings;  // spelling number s is spellings[s - 1]; grouped by letter
  std::array<std::uint8_t, kZcReadingPatternCount> readingPatterns{};
  // Words in preference order within each first character; the writer keeps that order.
  std::vector<Word> words;
  // Entries of the first-stroke lists of the digits 1-6, in stored order.
  std::array<std::vector<StrokeListEntry>, kFirstStrokeLists> strokeLists;
  // Phrases in preference order; blocks keyed by their first four pinyin letters, keys
  // stored in order of first appearance.
  std::vector<Phrase> phrases;
  // Initials entries in preference order, blocked by their first two initials.
  std::vector<Abbrev> abbrevs;
  std::uint16_t zcCount3 = 0;
};

// Writes the six files into dir. Returns an empty string on success, else what is wrong
// with the description (nothing is left half-written under the final names).
std::string WriteDictionaries(const DictionarySource& source, const std::string& dir);

// Packs up to eight stroke digits (1-6, first stroke first) into a 24-bit stroke code.
std::uint32_t PackStrokeCode(const std::string& digits);

}  // namespace dazi::dictwriter
