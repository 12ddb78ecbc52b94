// The whole-sentence engine's caches, gathered in one structure with one instance: the parsed
// phrase blocks of srf_pub.cpy (PhraseBlockCache) and the index of the user lexicon's
// spellings (UserWordIndex). They are kept from one conversion to the next and trusted without
// a check of their sources: the instance is emptied when the engine generation moves
// (engine/core/EngineGeneration.h), which every reload of the dictionaries or the user lexicon
// does.
#pragma once

#include <bitset>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "engine/sentence/internal/PhraseBlockCache.h"

namespace dazi::sentence {

// Enough for every block a 99-letter conversion touches, with its overlap checks.
inline constexpr std::size_t kCachedBlocks = 128;

struct CachedPhraseBlock {
  std::shared_ptr<PhraseBlock> block;
  std::uint64_t lastUse = 0;
};

// The first user word of each spelling and of each run of initials.
struct UserWordTables {
  using FirstIndexMap = std::unordered_map<std::string, int32, StringHash, std::equal_to<>>;
  bool built = false;  // from the user word tables of SrfState
  FirstIndexMap bySpelling;
  FirstIndexMap byInitials;
  std::bitset<256> spellingLengths;
};

struct SentenceCaches {
  std::uint64_t builtFor = 0;                   // the engine generation
  std::vector<CachedPhraseBlock> phraseBlocks;  // least recently used dropped first
  std::uint64_t useClock = 0;
  UserWordTables userWords;
};

// The one instance, emptied first when the engine generation has moved.
SentenceCaches& CurrentSentenceCaches();

}  // namespace dazi::sentence
