// Matching pool words against typed letters. Each reading that the input reaches gives a
// prefix of itself (at least its first letter); readings cannot be skipped; the input may
// end inside any reading. Because a typed letter may be taken for a stroke letter, the
// letter that ended the previous reading may be given back to start the next one.
// The matches are listed complete before partial; inside each, the words whose readings the
// letters spell in full before those they only abbreviate; then by group, in pool order.
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

enum class Reach { kNone, kPartial, kComplete };

struct Match {
  Reach reach = Reach::kNone;
  bool full = false;  // every reading reached got its whole syllable
};

// The syllable's letters in a reading text: all but its first-stroke letter. No syllable ends
// in h, s, p, d or z, so a final one of those is the stroke letter.
std::size_t SyllableLetters(std::string_view reading) {
  if (reading.empty()) return 0;
  const char last = reading.back();
  const bool strokeLetter = last == 'h' || last == 's' || last == 'p' || last == 'd' || last == 'z';
  return strokeLetter ? reading.size() - 1 : reading.size();
}

// Walks the input along the readings of pool word w, fetching each reading when reached.
// m counts the letters the current reading took, so each reading left behind can be judged
// whole or cut short.
Match MatchWord(const std::string& input, int32 w) {
  const int32 length = SrfState.WordPoolLengths[w];
  const int32* codes = SrfState.WordPoolCodes[w];
  const int32 pattern = SrfState.WordPoolPatterns[w];
  if (length < 1 || length > kWordCodeCapacity) return {};
  const std::size_t n = input.size();
  std::size_t i = 0, m = 0;
  int k = 0;
  bool full = true;
  std::string_view reading = WordCharReading(codes[0], 0, pattern);
  while (i < n) {
    if (m < reading.size() && input[i] == reading[m]) {
      ++i;
      ++m;
      continue;
    }
    if (i == 0 && k == 0 && m == 0) return {};  // the first letters differ
    if (++k >= length) return {};
    const std::size_t previousSyllable = SyllableLetters(reading);
    reading = WordCharReading(codes[k], k, pattern);
    if (input[i] == reading[0]) {
      full = full && m >= previousSyllable;
      m = 1;
      ++i;
    } else if (i >= 2 && input[i - 1] == reading[0]) {
      full = full && m >= previousSyllable + 1;  // m is at least 1 here
      m = 0;
      --i;  // the letter that ended the previous reading starts this one
    } else {
      return {};
    }
  }
  full = full && m >= SyllableLetters(reading);
  return {k == length - 1 ? Reach::kComplete : Reach::kPartial, full};
}

// The four parts of the word results, in display order.
enum Part { kCompleteFull, kCompleteCut, kPartialFull, kPartialCut };

Part PartOf(const Match& match) {
  if (match.reach == Reach::kComplete) return match.full ? kCompleteFull : kCompleteCut;
  return match.full ? kPartialFull : kPartialCut;
}

// Appends the matches of one part, group by group, leaving out a word whose characters an
// earlier entry already lists (a learned phrase that is also a dictionary word).
void AppendPart(const MatchGroup* groups, PoolWordSet& listed) {
  for (int g = 0; g < kWordGroupCount; ++g) {
    for (int e = 0; e < groups[g].count && SrfState.WordResultCount < kWordPoolCapacity; ++e) {
      const int32 w = groups[g].words[e];
      if (!listed.Insert(w)) continue;
      SrfState.WordResults[SrfState.WordResultCount] = w;
      SrfState.WordResultKinds[SrfState.WordResultCount] = groups[g].kinds[e];
      ++SrfState.WordResultCount;
    }
  }
}

}  // namespace

void FilterWordPool(const std::string& input) {
  PinyinScratch& scratch = CurrentPinyinScratch();
  SrfState.WordResultCount = 0;
  for (auto& part : scratch.matchParts)
    for (MatchGroup& group : part) group.count = 0;
  int32 poolCount = SrfState.WordPoolCount;
  if (poolCount > kWordPoolCapacity) poolCount = kWordPoolCapacity;
  for (int32 w = 0; w < poolCount; ++w) {
    const Match match = MatchWord(input, w);
    if (match.reach == Reach::kNone) continue;
    const int32 group = SrfState.WordPoolGroups[w] & (kWordGroupCount - 1);
    scratch.matchParts[PartOf(match)][group].Append(w, SrfState.WordPoolKinds[w]);
  }
  scratch.listedWords.Clear();
  for (const auto& part : scratch.matchParts) AppendPart(part, scratch.listedWords);
}

void ListEachWordOnce() {
  PoolWordSet& listed = CurrentPinyinScratch().listedWords;
  listed.Clear();
  int32 count = SrfState.WordResultCount;
  if (count > kWordPoolCapacity) count = kWordPoolCapacity;
  int32 kept = 0;
  for (int32 k = 0; k < count; ++k) {
    if (!listed.Insert(SrfState.WordResults[k])) continue;
    SrfState.WordResults[kept] = SrfState.WordResults[k];
    SrfState.WordResultKinds[kept] = SrfState.WordResultKinds[k];
    ++kept;
  }
  SrfState.WordResultCount = kept;
}

}  // namespace dazi::pinyin
