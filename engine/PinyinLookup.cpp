#include "PinyinEngine.h"

namespace dazi {

void LookupPinyin(const std::string& input) {
  (void)input;
}

}  // namespace dazi
