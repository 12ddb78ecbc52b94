#include "engine/keypad/internal/KeypadScratch.h"

#include "engine/core/EngineGeneration.h"

namespace dazi::keypad {

namespace {

KeypadScratch scratch;

}  // namespace

KeypadScratch& CurrentKeypadScratch() {
  return InCurrentGeneration(scratch);
}

}  // namespace dazi::keypad
