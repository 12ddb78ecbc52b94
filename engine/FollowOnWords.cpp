#include "PinyinEngine.h"

namespace dazi {

void FindFollowOnWords(int32 first) {
  (void)first;
}
void PredictNextChars() {}

}  // namespace dazi
