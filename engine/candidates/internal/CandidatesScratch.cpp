#include "engine/candidates/internal/CandidatesScratch.h"

#include "engine/core/EngineGeneration.h"

namespace dazi::candidates {

namespace {

CandidatesScratch scratch;

}  // namespace

CandidatesScratch& CurrentCandidatesScratch() {
  return InCurrentGeneration(scratch);
}

}  // namespace dazi::candidates
