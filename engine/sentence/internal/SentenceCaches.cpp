#include "engine/sentence/internal/SentenceCaches.h"

#include "engine/core/EngineGeneration.h"

namespace dazi::sentence {

namespace {

SentenceCaches caches;

}  // namespace

SentenceCaches& CurrentSentenceCaches() {
  return InCurrentGeneration(caches);
}

}  // namespace dazi::sentence
