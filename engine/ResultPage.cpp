#include "PinyinEngine.h"

namespace dazi {

void MergeResults() {}
void BuildCandidatePage() {}

}  // namespace dazi
