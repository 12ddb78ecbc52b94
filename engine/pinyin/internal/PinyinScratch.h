// The pinyin engine's scratch buffers, gathered in one structure with one instance. Every call
// refills what it uses, so nothing is kept from one keystroke to the next; they live here
// rather than on the stack because together they are megabytes large. The instance is emptied
// when the engine generation moves (engine/core/EngineGeneration.h).
#pragma once

#include <cstdint>
#include <string>

#include "engine/core/CharNumberSet.h"
#include "engine/core/Unit_Data.h"
#include "engine/core/WordsByFirstChar.h"
#include "engine/pinyin/internal/PoolWordSet.h"

namespace dazi::pinyin {

// Capacities of the working lists; the entries beyond them are dropped.
inline constexpr int kRankSlots = 2500;
inline constexpr int kPredictedGroupCapacity = 601;
inline constexpr int kPriorityGroupCapacity = 101;
inline constexpr int kPlainGroupCapacity = 101;
inline constexpr int kLongerGroupCapacity = 2501;
inline constexpr int kWordStartCapacity = 2501;
inline constexpr int kWordGroupCount = 16;
inline constexpr int kMatchGroupCapacity = 301;
inline constexpr int kMatchParts = 4;

// Slot r of one lookup holds the character of rank r + 1; mark 0 means empty.
struct RankSlot {
  int mark;
  int textLength;
  int32 charNo;
  bool priority;
};

// A working list of fixed capacity; entries beyond it are dropped.
template <int Capacity>
struct CappedList {
  int32 items[Capacity];
  int count = 0;
  void Append(int32 c) {
    if (count < Capacity) items[count++] = c;
  }
};

// The pool words of one word group that the typed letters match, with their kinds.
struct MatchGroup {
  int32 words[kMatchGroupCapacity];
  int32 kinds[kMatchGroupCapacity];
  int count = 0;
  void Append(int32 w, int32 kind) {
    if (count >= kMatchGroupCapacity) return;  // the excess words of a group are dropped
    words[count] = w;
    kinds[count] = kind;
    ++count;
  }
};

struct PinyinScratch {
  std::uint64_t builtFor = 0;  // the engine generation

  // The character lookup (PinyinLookup.cpp).
  RankSlot rankSlots[kRankSlots];
  CappedList<kPredictedGroupCapacity> predictedGroup;
  CappedList<kPriorityGroupCapacity> priorityGroup;
  CappedList<kPlainGroupCapacity> plainGroup;
  CappedList<kLongerGroupCapacity> longerGroup;
  CappedList<kWordStartCapacity> wordStarts;
  CharNumberSet predictedSet;
  CharNumberSet startSet;
  std::string uncachedSpelling;  // a spelling record read from the file

  // Matching the word pool against the typed letters (WordMatching.cpp): complete matches
  // spelled in full, complete ones abbreviated, partial ones spelled in full so far, partial
  // ones abbreviated; one group each per word group.
  MatchGroup matchParts[kMatchParts][kWordGroupCount];
  PoolWordSet listedWords;

  // Adding the lexicon words to the word pool (WordPool.cpp).
  WordsByFirstChar lexiconIndex;
  CharNumberSet charsSeen;
};

// The one instance, emptied first when the engine generation has moved.
PinyinScratch& CurrentPinyinScratch();

}  // namespace dazi::pinyin
