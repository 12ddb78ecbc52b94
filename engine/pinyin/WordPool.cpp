// The word pool: built when the input is one letter from the user-lexicon words, the
// learned words and the dictionary word lists of the lookup's characters, in that order.
// Longer inputs filter it (WordMatching.cpp).
#include "engine/pinyin/WordPool.h"

#include <cstddef>
#include <string>

#include "engine/core/CandidateKinds.h"
#include "engine/core/CharNumberSet.h"
#include "engine/core/MethodClass.h"
#include "engine/core/WordsByFirstChar.h"
#include "engine/dict/DictFiles.h"
#include "engine/dict/DictLayout.h"
#include "engine/pinyin/internal/PinyinScratch.h"
#include "engine/pinyin/internal/WordMatching.h"

namespace dazi {
namespace {

bool PoolFull() {
  return SrfState.WordPoolCount >= kWordPoolCapacity;
}

// Appends pool entry W = WordPoolCount (already written) to the word results.
void AcceptPoolEntry(int32 kind) {
  const int32 w = SrfState.WordPoolCount++;
  if (SrfState.WordResultCount < kWordPoolCapacity) {
    SrfState.WordResults[SrfState.WordResultCount] = w;
    SrfState.WordResultKinds[SrfState.WordResultCount] = kind;
    ++SrfState.WordResultCount;
  }
}

// Appends a lexicon word (no group, pattern or gloss) to the pool and the word results.
void AddLexiconWord(const int32* codes, int32 length, int32 kind) {
  if (PoolFull()) return;
  if (length > kUserWordCodeCapacity) length = kUserWordCodeCapacity;
  if (length < 1) return;
  const int32 w = SrfState.WordPoolCount;
  for (int j = 0; j < length; ++j) SrfState.WordPoolCodes[w][j] = codes[j];
  SrfState.WordPoolLengths[w] = length;
  SrfState.WordPoolKinds[w] = kind;
  SrfState.WordPoolGroups[w] = 0;
  SrfState.WordPoolPatterns[w] = 0;
  SrfState.WordPoolSerials[w] = 0;
  AcceptPoolEntry(kind);
}

// For each distinct character of chars, in order, the lexicon words that begin with it.
// A character listed twice (several ranks) adds its words once.
void AddWordsByFirstChar(const int32* chars, int count, const int32 (*codes)[kUserWordCodeCapacity],
                         const int32* lengths, const int32* kinds, int wordCount,
                         int32 defaultKind) {
  if (wordCount <= 0 || count <= 0) return;
  pinyin::PinyinScratch& scratch = pinyin::CurrentPinyinScratch();
  WordsByFirstChar& lexiconIndex = scratch.lexiconIndex;
  CharNumberSet& charsSeen = scratch.charsSeen;
  lexiconIndex.Build(codes, lengths, wordCount);
  charsSeen.Clear();
  for (int k = 0; k < count && !PoolFull(); ++k) {
    if (!charsSeen.Insert(chars[k])) continue;
    for (int u = lexiconIndex.First(chars[k]); u >= 0; u = lexiconIndex.Next(u)) {
      const int32 kind = IsLexiconWordKind(kinds[u]) ? kinds[u] : defaultKind;
      AddLexiconWord(codes[u], lengths[u], kind);
    }
  }
}

int Clamp(int value, int limit) {
  return value < 0 ? 0 : value > limit ? limit : value;
}

// Reads the word list of character v into the pool, keeping the words of the current class.
void AddDictionaryWords(int32 v) {
  const DictStream& zc = Dict.zc;
  const std::size_t charCount = static_cast<std::size_t>(SrfState.CharCount);
  const auto first = static_cast<std::size_t>(v);
  std::size_t pos = zc.ReadU24(ZcWordListPointerPos(charCount, first));
  std::uint32_t gloss = Dict.zy.ReadU24(ZyFirstGlossNumberPos(charCount, first));
  if (pos == 0) return;
  while (pos < zc.Size() && !PoolFull()) {
    const ZcWordRecord word = ReadZcWordRecord(zc, pos);
    const auto length = static_cast<int32>(word.length);
    const std::size_t codesPos = word.codesPos;
    pos = word.next;
    if (!ZcWordStartsWith(zc, word, static_cast<std::uint32_t>(v))) return;  // list ended

    // A word longer than a pool entry holds is dropped, like a word of another class.
    if (WordInActiveClass(word.classes, SrfState.MethodClass) && length <= kWordCodeCapacity) {
      const int32 w = SrfState.WordPoolCount;
      for (int j = 0; j < length; ++j)
        SrfState.WordPoolCodes[w][j] =
            static_cast<int32>(zc.ReadU16(codesPos + 2 * static_cast<std::size_t>(j)));
      SrfState.WordPoolLengths[w] = length;
      SrfState.WordPoolKinds[w] = kDictionaryWordKind;
      SrfState.WordPoolGroups[w] = static_cast<int32>(word.group);
      SrfState.WordPoolPatterns[w] = SrfState.ReadingPatterns[word.pattern];
      SrfState.WordPoolSerials[w] = static_cast<int32>(gloss);
      AcceptPoolEntry(kDictionaryWordKind);
    }
    ++gloss;  // every record of the list has a gloss number, whatever its class
  }
}

void BuildWordPool(const int32* starts, int count) {
  for (int k = 0; k < count && !PoolFull(); ++k) {
    const int32 v = starts[k];
    if (v < 1 || v > SrfState.WordIndexCount) continue;
    AddDictionaryWords(v);
  }
}

}  // namespace

void AddUserWordsToPool(const int32* chars, int count) {
  AddWordsByFirstChar(chars, Clamp(count, kLookupCapacity), SrfState.UserWordCodes,
                      SrfState.UserWordLengths, SrfState.UserWordKinds,
                      Clamp(SrfState.UserWordCount, kUserWordCapacity), kUserWordKind);
}

void AddLearnedWordsToPool(const int32* chars, int count) {
  AddWordsByFirstChar(chars, Clamp(count, kLookupCapacity), SrfState.LearnCodes,
                      SrfState.LearnLengths, SrfState.LearnKinds,
                      Clamp(SrfState.LearnCount, kLearnCapacity), kLearnedWordKind);
}

void GatherWords(const std::string& input, const int32* starts, int count) {
  if (input.size() == 1) {
    BuildWordPool(starts, Clamp(count, kLookupCapacity));
    pinyin::ListEachWordOnce();
  } else if (input.size() > 1) {
    pinyin::FilterWordPool(input);
  }
}

}  // namespace dazi
