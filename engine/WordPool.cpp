#include "PinyinEngine.h"

namespace dazi {

void AddUserWordsToPool(const int32* chars, int count) {
  (void)chars;
  (void)count;
}
void AddLearnedWordsToPool(const int32* chars, int count) {
  (void)chars;
  (void)count;
}
void GatherWords(const std::string& input, const int32* starts, int count) {
  (void)input;
  (void)starts;
  (void)count;
}

}  // namespace dazi
