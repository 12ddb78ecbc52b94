#include "engine/core/Unit_Data.h"

#include <new>

#include "engine/core/EngineGeneration.h"

namespace dazi {

TLumiskCand SrfState;

void ResetEngineState() {
  // Rebuilt in place: the record is megabytes large, too big for a temporary on the stack.
  SrfState.~TLumiskCand();
  new (&SrfState) TLumiskCand();
  AdvanceEngineGeneration();
}

}  // namespace dazi
