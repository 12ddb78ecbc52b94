#include "engine/dict/DictFiles.h"

#include "engine/core/EngineGeneration.h"
#include "engine/core/Unit_Data.h"

namespace dazi {

DictFiles Dict;

void DictFiles::CloseAll() {
  zc.Close();
  py.Close();
  pys.Close();
  lm.Close();
  cpy.Close();
  zy.Close();
  AdvanceEngineGeneration();  // what the caches read is gone
}

std::string CharText(int n) {
  if (n <= 0 || n > SrfState.CharCount) return {};
  return Dict.zc.ReadBytes(ZcCharPos(static_cast<std::size_t>(n)), 2);
}

}  // namespace dazi
