// Appending to the keypad result list within its capacities.
#pragma once

#include <string>

#include "engine/core/Unit_Data.h"

namespace dazi::keypad {

// Appends one result; strokes (may be null) is kept only for the first 5001 entries, as far
// as ResultStrokes reaches. Returns false, dropping the entry, once the list is full.
inline bool AppendKeypadResult(int32 id, int32 kind, const std::string* strokes = nullptr) {
  TLumiskCand& s = SrfState;
  if (s.ResultCount >= kResultCapacity) return false;
  const int32 k = s.ResultCount++;
  s.ResultIds[k] = id;
  s.ResultKinds[k] = kind;
  if (k < kStrokeStringCapacity) {
    if (strokes != nullptr)
      s.ResultStrokes[k] = *strokes;
    else
      s.ResultStrokes[k].clear();
  }
  return true;
}

}  // namespace dazi::keypad
