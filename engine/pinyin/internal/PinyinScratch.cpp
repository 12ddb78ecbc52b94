#include "engine/pinyin/internal/PinyinScratch.h"

#include "engine/core/EngineGeneration.h"

namespace dazi::pinyin {

namespace {

PinyinScratch scratch;

}  // namespace

PinyinScratch& CurrentPinyinScratch() {
  return InCurrentGeneration(scratch);
}

}  // namespace dazi::pinyin
