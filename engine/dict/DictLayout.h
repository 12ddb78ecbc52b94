// Byte layouts of the six dictionary files and the three user files, in one place: file
// names, header and table positions, record widths, class bits, the reading value and the
// word-list pointer. The engines, the dictionary writer and checker and the user corpus
// editor read and write the files only through these. docs/dictionary-files.md and
// docs/user-files.md describe the same layouts in prose.
//
// Integers are unsigned little-endian of 1, 2 or 3 bytes; positions are absolute byte
// offsets. A character number n is the 1-based position of a character in the character
// table of srf_pub.zc. In the position functions c is the character count, w the word-index
// count (both from the srf_pub.zc header) and s the spelling count (from srf_pub.py).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/core/MethodClass.h"
#include "engine/dict/DictStream.h"

namespace dazi {

// ---- File names, opened in the dictionary or the user folder (engine/core/DataLocation.h).

inline constexpr const char* kZcFile = "srf_pub.zc";
inline constexpr const char* kPyFile = "srf_pub.py";
inline constexpr const char* kPysFile = "srf_pub.pys";
inline constexpr const char* kLmFile = "srf_pub.lm";
inline constexpr const char* kCpyFile = "srf_pub.cpy";
inline constexpr const char* kZyFile = "srf_pub.zy";
// The six dictionary files, in the order the loader opens them.
inline constexpr const char* kDictionaryFileNames[] = {kZcFile, kPyFile,  kPysFile,
                                                       kLmFile, kCpyFile, kZyFile};
inline constexpr const char* kUserLexiconFile = "srf_pub.usr";
inline constexpr const char* kUserCorpusFile = "srf_pub.dat";
inline constexpr const char* kSettingsFile = "srf_pykx.set";

// The largest 3-byte position a dictionary file can hold.
inline constexpr std::uint32_t kMaxFilePosition = 0xFFFFFF;
// The largest character number a 2-byte field can hold.
inline constexpr std::uint32_t kMaxCharNumber = 0xFFFF;

// ---- srf_pub.zc: header, character table, word-list index, reading patterns, word lists.

inline constexpr char kZcMagic[] = "DZZC";  // the 4 leading bytes, never read
inline constexpr std::size_t kZcCharCountPos = 4;
inline constexpr std::size_t kZcWordIndexCountPos = 6;
inline constexpr std::size_t kZcCount3Pos = 8;
inline constexpr std::size_t kZcHeaderSize = 10;
inline constexpr std::size_t kZcReadingPatternCount = 16;

// The two GBK bytes of character n.
constexpr std::size_t ZcCharPos(std::size_t n) {
  return kZcHeaderSize + 2 * (n - 1);
}
// The word-list index: one 3-byte position per first character 1..w (0: it starts no word).
constexpr std::size_t ZcWordIndexPos(std::size_t c) {
  return kZcHeaderSize + 2 * c;
}
// The 3-byte position of the word list of first character n.
constexpr std::size_t ZcWordListPointerPos(std::size_t c, std::size_t n) {
  return ZcWordIndexPos(c) + 3 * n - 3;
}
// The sixteen 1-byte reading patterns.
constexpr std::size_t ZcReadingPatternsPos(std::size_t c, std::size_t w) {
  return ZcWordIndexPos(c) + 3 * w;
}
// Where the word lists may start.
constexpr std::size_t ZcWordListsPos(std::size_t c, std::size_t w) {
  return ZcReadingPatternsPos(c, w) + kZcReadingPatternCount;
}

// A word record: a head byte (bits 0-5 the character count N, then the class bits), a byte
// of reading-pattern index (bits 0-3) and group (bits 4-7), then N character numbers.
inline constexpr std::size_t kZcWordHeadSize = 2;
inline constexpr std::uint32_t kWordLengthMask = 0x3F;
inline constexpr std::uint32_t kWordMaxLength = 63;
inline constexpr std::uint32_t kWordPatternMask = 0x0F;
inline constexpr int kWordGroupShift = 4;
inline constexpr std::uint32_t kWordMaxGroup = 15;
// Class bits of a word record's head byte; srf_pub.cpy records use the same two bits.
inline constexpr std::uint32_t kRecordSimplified = 0x80;
inline constexpr std::uint32_t kRecordTraditional = 0x40;
inline constexpr std::uint32_t kRecordClassMask = kRecordSimplified | kRecordTraditional;

// True when a dictionary word with these class flags (the head byte of a word record, or the
// flags byte of a srf_pub.cpy record) is offered in the class of methodClass; the variant
// class has no dictionary words. The word pool, the keypad word lists and the sentence engine
// all judge their words by this one rule.
constexpr bool WordInActiveClass(std::uint32_t flags, int32 methodClass) {
  switch (ClassOf(methodClass)) {
    case CharClass::Simplified:
      return (flags & kRecordSimplified) != 0;
    case CharClass::Traditional:
      return (flags & kRecordTraditional) != 0;
    default:
      return false;
  }
}

struct ZcWordRecord {
  std::uint32_t length = 0;   // N, 0-63 (0 ends a list)
  std::uint32_t classes = 0;  // kRecordSimplified, kRecordTraditional
  std::uint32_t pattern = 0;  // index into the reading patterns
  std::uint32_t group = 0;    // results are ordered by group, 0 first
  std::size_t codesPos = 0;   // the N 2-byte character numbers
  std::size_t next = 0;       // the record that follows
};
ZcWordRecord ReadZcWordRecord(const DictStream& zc, std::size_t pos);
// Whether the record still belongs to the list of first character n: a list ends at the
// first record that is empty or starts with another character.
bool ZcWordStartsWith(const DictStream& zc, const ZcWordRecord& word, std::uint32_t n);
// Head byte of a word record.
constexpr std::uint32_t EncodeZcWordHead(std::uint32_t length, bool simplified, bool traditional) {
  return length | (simplified ? kRecordSimplified : 0u) | (traditional ? kRecordTraditional : 0u);
}
constexpr std::uint32_t EncodeZcWordPatternGroup(std::uint32_t pattern, std::uint32_t group) {
  return pattern | (group << kWordGroupShift);
}

// A reading pattern holds four 2-bit reading numbers, the first character's in bits 7-6;
// the fifth and later characters use reading 0.
inline constexpr std::size_t kPatternFields = 4;
inline constexpr std::uint32_t kPatternFieldMax = 3;
constexpr std::uint32_t PatternReading(std::uint32_t pattern, std::size_t j) {
  return j < kPatternFields ? (pattern >> (6 - 2 * j)) & kPatternFieldMax : 0;
}
constexpr std::uint32_t WithPatternReading(std::uint32_t pattern, std::size_t j,
                                           std::uint32_t reading) {
  return pattern | (reading << (6 - 2 * j));
}

// ---- srf_pub.py: spellings, their character lists and the spelling range of each letter.

inline constexpr std::size_t kPyCountPos = 0;
inline constexpr std::size_t kSpellingTextWidth = 9;       // blank-padded
inline constexpr std::uint32_t kMaxSpellingCount = 0xFFF;  // a reading names it in 12 bits
inline constexpr std::size_t kPyLetterCount = 26;

// The text of spelling s (1-based): a syllable and one first-stroke letter.
constexpr std::size_t PySpellingTextPos(std::size_t s) {
  return 2 + kSpellingTextWidth * (s - 1);
}
// Spelling s's list head: 2-byte character count, 3-byte list position.
constexpr std::size_t PyListHeadPos(std::size_t spellings, std::size_t s) {
  return 9 * spellings + 5 * s - 3;
}
// Letter l (a = 1): 2-byte first and 2-byte last spelling number beginning with it; an
// empty letter has last < first.
constexpr std::size_t PyLetterRangePos(std::size_t spellings, std::size_t letter) {
  return 14 * spellings + 4 * letter - 2;
}
// Where the character lists may start.
constexpr std::size_t PyListsPos(std::size_t spellings) {
  return PyLetterRangePos(spellings, kPyLetterCount + 1);
}

// A list entry: 2-byte character number, 2-byte attribute.
inline constexpr std::size_t kPyEntrySize = 4;
inline constexpr std::uint16_t kAttrRankMask = 0x0FFF;
inline constexpr std::uint16_t kAttrPriority = 0x1000;  // the character's main reading
inline constexpr std::uint16_t kAttrVariant = 0x2000;
inline constexpr std::uint16_t kAttrTraditional = 0x4000;
inline constexpr std::uint16_t kAttrSimplified = 0x8000;
inline constexpr std::uint16_t kAttrClassMask = kAttrVariant | kAttrTraditional | kAttrSimplified;

// The class bit an entry carries when its character belongs to the class of methodClass; the
// pinyin lookup and the correction lookups both offer only such entries.
constexpr std::uint16_t ReadingClassBit(int32 methodClass) {
  switch (ClassOf(methodClass)) {
    case CharClass::Simplified:
      return kAttrSimplified;
    case CharClass::Traditional:
      return kAttrTraditional;
    default:
      return kAttrVariant;
  }
}

struct PyEntry {
  std::uint32_t charNo = 0;
  std::uint32_t attribute = 0;  // rank and kAttr* bits
};
PyEntry ReadPyEntry(const DictStream& py, std::size_t pos);

struct PyListHead {
  std::uint32_t count = 0;
  std::size_t pos = 0;
};
PyListHead ReadPyListHead(const DictStream& py, std::size_t spellings, std::size_t s);

struct PyLetterRange {
  std::uint32_t first = 0;
  std::uint32_t last = 0;
};
PyLetterRange ReadPyLetterRange(const DictStream& py, std::size_t spellings, std::size_t letter);

// ---- srf_pub.pys: the reading of each character, and the polyphone records.

// A reading value at most kPlainReadingLimit is a plain reading: bits 0-11 the spelling
// number, bits 12-15 that spelling's length in letters. Above it, bits 0-11 name a polyphone
// record of up to five plain readings, the main reading first.
inline constexpr std::uint32_t kPlainReadingLimit = 0x9FFF;
inline constexpr std::uint32_t kReadingNumberMask = 0x0FFF;
inline constexpr int kReadingLettersShift = 12;
inline constexpr std::uint32_t kPolyphoneMark = 0xA000;
inline constexpr std::size_t kPolyphoneReadings = 5;
inline constexpr std::size_t kPolyphoneRecordSize = 2 * kPolyphoneReadings;
inline constexpr std::uint32_t kMaxPolyphoneRecords = kReadingNumberMask + 1;

struct Reading {
  std::uint32_t number = 0;   // bits 0-11: the spelling number, or the polyphone record
  std::uint32_t letters = 0;  // bits 12-15: the spelling's letters, syllable and stroke letter
  bool polyphone = false;     // number names a polyphone record
};
constexpr Reading DecodeReading(std::uint32_t value) {
  return {value & kReadingNumberMask, value >> kReadingLettersShift, value > kPlainReadingLimit};
}
constexpr std::uint32_t EncodeReading(std::uint32_t spelling, std::uint32_t letters) {
  return (letters << kReadingLettersShift) | spelling;
}
constexpr std::uint32_t EncodePolyphone(std::uint32_t record) {
  return kPolyphoneMark | record;
}

// The reading value of character n.
constexpr std::size_t PysReadingPos(std::size_t n) {
  return 2 * (n - 1);
}
// Reading j (0..4) of polyphone record p.
constexpr std::size_t PysPolyphonePos(std::size_t c, std::size_t p, std::size_t j) {
  return 2 * c + kPolyphoneRecordSize * p + 2 * j;
}

// ---- srf_pub.lm: stroke codes and the first-stroke lists of the keypad method.

// A stroke code packs eight octal digits, the first stroke in bits 21-23; digits 1-6 are the
// stroke classes and 0 ends the code. A stored code below kMultiCodeLimit is instead the
// number m (from 1) of a multi-code record of up to five code variants.
inline constexpr int kStrokeDigitBits = 3;
inline constexpr int kStrokeDigits = 8;
inline constexpr int kFirstStrokeShift = kStrokeDigitBits * (kStrokeDigits - 1);
inline constexpr std::uint32_t kStrokeDigitMask = 7;
inline constexpr std::uint32_t kMaxStrokeCode = 0xFFFFFF;
inline constexpr std::uint32_t kMultiCodeLimit = 3000;
inline constexpr std::size_t kCodeVariants = 5;
inline constexpr std::size_t kFirstStrokeLists = 6;
constexpr std::uint32_t FirstStrokeOf(std::uint32_t code) {
  return (code >> kFirstStrokeShift) & kStrokeDigitMask;
}

// The stored code of character n.
constexpr std::size_t LmCodePos(std::size_t n) {
  return 3 * (n - 1);
}
// First-stroke list of digit d (1-6): 3-byte position, 2-byte entry count.
constexpr std::size_t LmFirstStrokeHeadPos(std::size_t c, std::size_t d) {
  return 3 * c + 5 * (d - 1);
}
// Code variant r (0-4) of multi-code record m.
constexpr std::size_t LmVariantPos(std::size_t c, std::size_t m, std::size_t r) {
  return 3 * c + 5 * kFirstStrokeLists + 3 * kCodeVariants * m + 3 * r;
}

// A first-stroke list entry: 2-byte character number, 1 byte of class bits (bits 0-2) and
// code variant (bits 3-7).
inline constexpr std::size_t kLmEntrySize = 3;
inline constexpr std::uint8_t kStrokeSimplified = 1;
inline constexpr std::uint8_t kStrokeTraditional = 2;
inline constexpr std::uint8_t kStrokeVariant = 4;
inline constexpr std::uint32_t kStrokeClassMask = 7;
inline constexpr int kStrokeVariantShift = 3;

// Code variant r of character n: its stored code, or variant r of its multi-code record.
std::uint32_t ReadLmCode(const DictStream& lm, std::size_t c, std::size_t n, std::size_t r);

struct LmListHead {
  std::size_t pos = 0;
  std::uint32_t count = 0;
};
LmListHead ReadLmListHead(const DictStream& lm, std::size_t c, std::size_t d);

struct LmListEntry {
  std::uint32_t charNo = 0;
  std::uint32_t classBits = 0;  // kStroke* bits
  std::uint32_t variant = 0;
};
LmListEntry ReadLmListEntry(const DictStream& lm, std::size_t pos);
constexpr std::uint32_t EncodeLmEntryFlags(std::uint32_t classBits, std::uint32_t variant) {
  return classBits | (variant << kStrokeVariantShift);
}

// ---- srf_pub.cpy: phrase keys, the initials index and their blocks.

// The initials index: one entry per letter pair (first − 'a')·26 + (second − 'a'), a 2-byte
// record count and the 3-byte position of the pair's initials block.
inline constexpr std::size_t kCpyLetterPairs = 26 * 26;
inline constexpr std::size_t kCpyInitialsEntrySize = 5;
// After it, the 2-byte number K of phrase keys and K key records: four letters (the first
// four of a pinyin), a 2-byte record count and the 3-byte position of the phrase block.
inline constexpr std::size_t kCpyKeyCountPos = kCpyLetterPairs * kCpyInitialsEntrySize;
inline constexpr std::size_t kCpyKeysPos = kCpyKeyCountPos + 2;
inline constexpr std::size_t kCpyKeySize = 9;
inline constexpr std::size_t kCpyKeyLetters = 4;

constexpr std::size_t CpyInitialsIndexPos(std::size_t pair) {
  return kCpyInitialsEntrySize * pair;
}
constexpr std::size_t CpyKeyPos(std::size_t k) {
  return kCpyKeysPos + kCpyKeySize * k;
}
constexpr std::size_t CpyLetterPair(char first, char second) {
  return static_cast<std::size_t>(first - 'a') * 26 + static_cast<std::size_t>(second - 'a');
}

// Records share a flags byte: the class bits kRecordSimplified / kRecordTraditional and the
// character count n in bits 0-3.
inline constexpr std::uint32_t kCpyLengthMask = 0x0F;
inline constexpr std::uint32_t kCpyMaxLength = 15;
constexpr std::uint32_t EncodeCpyFlags(bool simplified, bool traditional, std::size_t n) {
  return static_cast<std::uint32_t>(n) | (simplified ? kRecordSimplified : 0u) |
         (traditional ? kRecordTraditional : 0u);
}

// A phrase record: attribute (high nibble the letters of the first syllable, low nibble the
// level), flags, pinyin length L, n character numbers, L pinyin letters.
inline constexpr std::size_t kCpyPhraseHeadSize = 3;
inline constexpr int kPhraseFirstSyllableShift = 4;
inline constexpr int kPhraseLevelMask = 0x0F;
constexpr int PhraseFirstSyllableLetters(int attr) {
  return attr >> kPhraseFirstSyllableShift;
}
constexpr int PhraseLevel(int attr) {
  return attr & kPhraseLevelMask;
}
constexpr std::uint32_t EncodePhraseAttr(std::uint32_t firstSyllableLetters, std::uint32_t level) {
  return (firstSyllableLetters << kPhraseFirstSyllableShift) | level;
}
struct CpyPhraseRecord {
  std::uint32_t attr = 0;
  std::uint32_t flags = 0;
  std::uint32_t length = 0;  // n
  std::size_t codesPos = 0;
  std::size_t pinyinPos = 0;
  std::size_t pinyinLength = 0;
  std::size_t next = 0;
};
CpyPhraseRecord ReadCpyPhraseRecord(const DictStream& cpy, std::size_t pos);

// An initials record: flags, n character numbers, n initials.
struct CpyInitialsRecord {
  std::uint32_t flags = 0;
  std::uint32_t length = 0;  // n
  std::size_t codesPos = 0;
  std::size_t initialsPos = 0;
  std::size_t next = 0;
};
CpyInitialsRecord ReadCpyInitialsRecord(const DictStream& cpy, std::size_t pos);

// ---- srf_pub.zy: dictionary texts and English glosses.

// Counted texts: a count byte, then count units (2 bytes a dictionary-text character, 1 a
// gloss byte). Every pointer is a 3-byte position.
inline constexpr std::size_t kDictTextUnit = 2;
inline constexpr std::size_t kGlossUnit = 1;
inline constexpr std::size_t kMaxCountedText = 255;

constexpr std::size_t ZyDictTextPointerPos(std::size_t n) {
  return 3 * (n - 1);
}
constexpr std::size_t ZyCharGlossPointerPos(std::size_t c, std::size_t n) {
  return 3 * c + 3 * (n - 1);
}
// The gloss number of the first word in the word list of first character n; the list's
// later words take the numbers after it.
constexpr std::size_t ZyFirstGlossNumberPos(std::size_t c, std::size_t n) {
  return 6 * c + 3 * (n - 1);
}
constexpr std::size_t ZyWordGlossPointerPos(std::size_t c, std::size_t w, std::size_t g) {
  return 6 * c + 3 * w + 3 * (g - 1);
}
// Where the texts may start.
constexpr std::size_t ZyTextsPos(std::size_t c, std::size_t w, std::size_t glosses) {
  return 6 * c + 3 * w + 3 * glosses;
}

// The counted text the pointer at pointerPos leads to; empty for a 0 pointer.
std::string ReadZyText(const DictStream& zy, std::size_t pointerPos, std::size_t unit);
// Whether the counted text at pos lies inside the file.
bool ZyTextInside(const DictStream& zy, std::size_t pos, std::size_t unit);

// ---- srf_pub.usr: the user lexicon, word records followed by one end byte.

// A record is one byte N (1-255) and N 2-byte character numbers.
inline constexpr char kUserLexiconEnd = '\0';
inline constexpr std::size_t kUserWordMaxLength = 255;

// The record of a word, or nothing when it cannot be stored (no characters, more than 255,
// or a number wider than two bytes).
std::optional<std::string> EncodeUserWord(std::span<const std::int32_t> codes);
// The character numbers of the record at *pos, which moves past it. Nothing, with *pos left
// where it was, at the end byte, at the end of bytes or at a record the end cuts off: *pos is
// then where the next record belongs.
std::optional<std::vector<std::uint32_t>> DecodeUserWord(std::string_view bytes, std::size_t* pos);

// ---- srf_pub.dat: the user corpus, GBK lines; a category, or a TAB and a word.

inline constexpr const char* kCorpusLineEnd = "\r\n";
inline constexpr char kCorpusEntryIndent = '\t';

// ---- srf_pykx.set: one settings byte.

inline constexpr std::uint8_t kSettingAutoAssociate = 1;
inline constexpr std::uint8_t kSettingShowEnglish = 8;
inline constexpr std::uint8_t kSettingShowDictionary = 16;
inline constexpr std::uint8_t kDefaultSettingsByte =
    kSettingAutoAssociate | kSettingShowEnglish | kSettingShowDictionary;

}  // namespace dazi
