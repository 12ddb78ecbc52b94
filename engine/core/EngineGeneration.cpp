#include "engine/core/EngineGeneration.h"

namespace dazi {

namespace {

std::uint64_t generation = 0;

}  // namespace

std::uint64_t EngineGeneration() {
  return generation;
}

void AdvanceEngineGeneration() {
  ++generation;
}

}  // namespace dazi
