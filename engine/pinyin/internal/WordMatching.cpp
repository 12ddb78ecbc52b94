// Matching pool words against typed letters. Each reading that the input reaches gives a
// prefix of itself (at least its first letter); readings cannot be skipped; the input may
// end inside any reading. Because a typed letter may be taken for a stroke letter, the
// letter that ended the previous reading may be given back to start the next one.
#include "engine/pinyin/internal/WordMatching.h"

#include <cstddef>
#include <string_view>

#include "engine/core/Unit_Data.h"
#include "engine/dict/DictFiles.h"
#include "engine/dict/DictLayout.h"
#include "engine/pinyin/internal/PinyinScratch.h"

namespace dazi::pinyin {
namespace {

// The reading text of a plain reading value: the first (top four bits) letters of its
// spelling; "?" (which matches no letter) when the spelling is unknown or the text empty.
std::string_view ReadingText(std::uint32_t value) {
  static constexpr std::string_view kUnknown = "?";
  const Reading reading = DecodeReading(value);
  const auto& spellings = SrfState.PinyinSyllables;
  if (reading.polyphone || reading.number == 0 || reading.number > spellings.size())
    return kUnknown;
  const std::string& text = spellings[reading.number - 1];
  const std::size_t letters = reading.letters;
  if (letters == 0 || text.empty()) return kUnknown;
  return std::string_view(text).substr(0, letters < text.size() ? letters : text.size());
}

// The reading of character c that the word uses at position j, chosen by its pattern byte.
std::string_view WordCharReading(int32 c, int j, int32 pattern) {
  if (c < 1) return ReadingText(0);
  const DictStream& pys = Dict.pys;
  const std::uint32_t value = pys.ReadU16(PysReadingPos(static_cast<std::size_t>(c)));
  const Reading reading = DecodeReading(value);
  if (!reading.polyphone) return ReadingText(value);
  const std::uint32_t field =
      PatternReading(static_cast<std::uint32_t>(pattern), static_cast<std::size_t>(j));
  return ReadingText(pys.ReadU16(
      PysPolyphonePos(static_cast<std::size_t>(SrfState.CharCount), reading.number, field)));
}

enum class Match { kNone, kPartial, kComplete };

// Walks the input along the readings of pool word w, fetching each reading when reached.
Match MatchWord(const std::string& input, int32 w) {
  const int32 length = SrfState.WordPoolLengths[w];
  const int32* codes = SrfState.WordPoolCodes[w];
  const int32 pattern = SrfState.WordPoolPatterns[w];
  if (length < 1 || length > kWordCodeCapacity) return Match::kNone;
  const std::size_t n = input.size();
  std::size_t i = 0, m = 0;
  int k = 0;
  std::string_view reading = WordCharReading(codes[0], 0, pattern);
  while (i < n) {
    if (m < reading.size() && input[i] == reading[m]) {
      ++i;
      ++m;
      continue;
    }
    if (i == 0 && k == 0 && m == 0) return Match::kNone;  // the first letters differ
    if (++k >= length) return Match::kNone;
    reading = WordCharReading(codes[k], k, pattern);
    m = 0;
    if (input[i] == reading[0]) {
      m = 1;
      ++i;
    } else if (i >= 2 && input[i - 1] == reading[0]) {
      --i;  // the letter that ended the previous reading starts this one
    } else {
      return Match::kNone;
    }
  }
  return k == length - 1 ? Match::kComplete : Match::kPartial;
}

void AppendGroups(const MatchGroup* groups) {
  for (int g = 0; g < kWordGroupCount; ++g) {
    for (int e = 0; e < groups[g].count && SrfState.WordResultCount < kWordPoolCapacity; ++e) {
      SrfState.WordResults[SrfState.WordResultCount] = groups[g].words[e];
      SrfState.WordResultKinds[SrfState.WordResultCount] = groups[g].kinds[e];
      ++SrfState.WordResultCount;
    }
  }
}

}  // namespace

void FilterWordPool(const std::string& input) {
  PinyinScratch& scratch = CurrentPinyinScratch();
  MatchGroup* const completeGroups = scratch.completeGroups;
  MatchGroup* const partialGroups = scratch.partialGroups;
  SrfState.WordResultCount = 0;
  for (int g = 0; g < kWordGroupCount; ++g) completeGroups[g].count = partialGroups[g].count = 0;
  int32 poolCount = SrfState.WordPoolCount;
  if (poolCount > kWordPoolCapacity) poolCount = kWordPoolCapacity;
  for (int32 w = 0; w < poolCount; ++w) {
    const Match match = MatchWord(input, w);
    if (match == Match::kNone) continue;
    const int32 group = SrfState.WordPoolGroups[w] & (kWordGroupCount - 1);
    MatchGroup* groups = match == Match::kComplete ? completeGroups : partialGroups;
    groups[group].Append(w, SrfState.WordPoolKinds[w]);
  }
  AppendGroups(completeGroups);
  AppendGroups(partialGroups);
}

}  // namespace dazi::pinyin
