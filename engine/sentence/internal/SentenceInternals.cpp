#include "engine/sentence/internal/SentenceInternals.h"

#include "engine/core/MethodClass.h"

namespace dazi::sentence {

void AppendSentenceCodes(const int32* codes, int count) {
  for (int i = 0; i < count && SrfState.SentenceCodeCount < kSentenceCapacity; ++i)
    SrfState.SentenceCodes[SrfState.SentenceCodeCount++] = codes[i];
}

int DefaultCharColumn() {
  return ClassOf(SrfState.MethodClass) == CharClass::Traditional ? 1 : 0;
}

}  // namespace dazi::sentence
