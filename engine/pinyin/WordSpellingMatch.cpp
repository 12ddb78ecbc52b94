// Whole-spelling match of the word pool for the correction: a piece matches only a word
// whose complete spelling it is, never an abbreviation.
#include "engine/pinyin/WordSpellingMatch.h"

#include <array>
#include <vector>

#include "engine/core/Unit_Data.h"
#include "engine/dict/DictFiles.h"
#include "engine/dict/DictLayout.h"

namespace dazi {

namespace {

constexpr int kGroupCount = 16;
constexpr std::size_t kGroupCapacity = 3001;

// The syllable letters of a reading value (spelling number and text length, the length
// counting the stroke letter); nothing for spelling number 0.
void AppendReadingLetters(std::uint32_t value, std::string* out) {
  const Reading reading = DecodeReading(value);
  if (reading.number == 0 || reading.number > SrfState.PinyinSyllables.size()) return;
  const std::string& text = SrfState.PinyinSyllables[reading.number - 1];
  const std::size_t letters = reading.letters >= 1 ? reading.letters - 1 : 0;
  out->append(text, 0, letters);
}

// The main spelling of pool word w and its alternative spelling (reading 1 of each
// polyphonic character). hasAlt is false when some polyphonic character gives the
// alternative no letters: such a spelling leaves a character out and would offer the word
// for letters that do not spell it.
void BuildSpellings(int32 w, std::string* main, std::string* alt, bool* hasAlt) {
  const DictStream& pys = Dict.pys;
  const auto charCount = static_cast<std::size_t>(SrfState.CharCount);
  const int32 pattern = SrfState.WordPoolPatterns[w];
  const int32 length = std::min<int32>(SrfState.WordPoolLengths[w], kWordCodeCapacity);
  *hasAlt = true;
  for (int32 j = 0; j < length; ++j) {
    const int32 c = SrfState.WordPoolCodes[w][j];
    const std::uint32_t value =
        c >= 1 ? pys.ReadU16(PysReadingPos(static_cast<std::size_t>(c))) : 0;
    const Reading reading = DecodeReading(value);
    if (!reading.polyphone) {
      AppendReadingLetters(value, main);
      AppendReadingLetters(value, alt);
      continue;
    }
    const std::uint32_t choice =
        PatternReading(static_cast<std::uint32_t>(pattern), static_cast<std::size_t>(j));
    AppendReadingLetters(pys.ReadU16(PysPolyphonePos(charCount, reading.number, choice)), main);
    if (pattern > 2)
      AppendReadingLetters(pys.ReadU16(PysPolyphonePos(charCount, reading.number, 1)), alt);
    else
      *hasAlt = false;
  }
}

}  // namespace

void MatchWordSpelling(const std::string& piece) {
  std::array<std::vector<int32>, kGroupCount> groups;
  std::string main, alt;
  const int32 poolCount = std::min<int32>(SrfState.WordPoolCount, kWordPoolCapacity);
  for (int32 w = 0; w < poolCount; ++w) {
    main.clear();
    alt.clear();
    bool hasAlt = true;
    BuildSpellings(w, &main, &alt, &hasAlt);
    if (main != piece && (!hasAlt || alt != piece)) continue;
    std::vector<int32>& group = groups[static_cast<std::size_t>(SrfState.WordPoolGroups[w] & 0x0F)];
    if (group.size() < kGroupCapacity) group.push_back(w);
  }
  for (const std::vector<int32>& group : groups) {
    for (int32 w : group) {
      if (SrfState.WordResultCount >= kWordPoolCapacity) return;
      SrfState.WordResults[SrfState.WordResultCount] = w;
      SrfState.WordResultKinds[SrfState.WordResultCount] = SrfState.WordPoolKinds[w];
      ++SrfState.WordResultCount;
    }
  }
}

}  // namespace dazi
