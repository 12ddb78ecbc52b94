// The keypad engine's scratch buffers, gathered in one structure with one instance. Every call
// refills what it uses, so nothing is kept from one stroke to the next; they live here rather
// than on the stack because together they are megabytes large. The instance is emptied when
// the engine generation moves (engine/core/EngineGeneration.h).
#pragma once

#include <cstdint>
#include <string>

#include "engine/core/CharNumberSet.h"
#include "engine/core/Unit_Data.h"
#include "engine/core/WordsByFirstChar.h"

namespace dazi::keypad {

// Capacities of the working lists of one MatchStrokes call.
inline constexpr int kEarlierCapacity = 33;
inline constexpr int kMainCapacity = 5001;
inline constexpr int kVariantCapacity = 501;
inline constexpr int kPredictedListCapacity = 1001;

// Word groups and the capacity of one group's bucket in the stroke-word filter.
inline constexpr int kWordGroupCount = 16;
inline constexpr int kBucketCapacity = 3001;

// A character shown on the first page at a shorter input.
struct EarlierShown {
  int32 ch;
  bool stillMatches;
  bool matchedByMain;
  int32 kind;                  // kind of the match that keeps it listed
  const std::string* strokes;  // strokes of that match
};

struct MainMatch {
  int lookup;  // index into LookupList
  bool earlier;
  bool predicted;
};

// The working lists of one MatchStrokes call.
struct StrokeMatchLists {
  EarlierShown earlier[kEarlierCapacity];
  int earlierCount = 0;
  MainMatch main[kMainCapacity];
  int32 mainChars[kMainCapacity];
  int mainCount = 0;
  int variant[kVariantCapacity];  // indexes into LookupList
  int variantCount = 0;
  int predicted[kPredictedListCapacity];  // indexes into main
  int predictedCount = 0;
  CharNumberSet predictedChars;  // PredictedChars as a set
  // Where the passed-over characters lie in the result list.
  int passedOverBegin = 0, passedOverEnd = 0;
};

// The completing and the partial group, one bucket of pool indexes per word group.
struct WordBuckets {
  int32 entries[2][kWordGroupCount][kBucketCapacity];
  int counts[2][kWordGroupCount];
};

struct KeypadScratch {
  std::uint64_t builtFor = 0;     // the engine generation
  StrokeMatchLists lists;         // StrokeLookup.cpp
  WordBuckets buckets;            // StrokeWords.cpp
  WordsByFirstChar lexiconIndex;  // KeypadUserWords.cpp
};

// The one instance, emptied first when the engine generation has moved.
KeypadScratch& CurrentKeypadScratch();

}  // namespace dazi::keypad
