// The scratch buffers of the candidate-bar code both methods share (follow-on words and
// prediction), gathered in one structure with one instance. Every call refills what it uses;
// the instance is emptied when the engine generation moves (engine/core/EngineGeneration.h).
#pragma once

#include <cstdint>

#include "engine/core/CharNumberSet.h"
#include "engine/core/Unit_Data.h"

namespace dazi::candidates {

// User-lexicon and learned follow-on words held back until the dictionary words are listed.
inline constexpr int kDeferredCapacity = 1001;

struct CandidatesScratch {
  std::uint64_t builtFor = 0;  // the engine generation
  int32 deferredWords[kDeferredCapacity];
  CharNumberSet predictedSeen;  // characters already predicted
};

// The one instance, emptied first when the engine generation has moved.
CandidatesScratch& CurrentCandidatesScratch();

}  // namespace dazi::candidates
