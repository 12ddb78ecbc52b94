#include "engine/model/SentenceMethod.h"

#include <fstream>

#include "engine/user/AtomicFile.h"

namespace dazi {
namespace {

SentenceMethod active = SentenceMethod::kRules;

}  // namespace

SentenceMethod ActiveSentenceMethod() {
  return active;
}

void SetSentenceMethod(SentenceMethod method) {
  active = method;
}

SentenceMethod ReadSentenceMethod() {
  std::ifstream in(kSentenceMethodFile, std::ios::binary);
  char value = 0;
  return in.get(value) && value == 1 ? SentenceMethod::kModel : SentenceMethod::kRules;
}

bool WriteSentenceMethod(SentenceMethod method) {
  return WriteFileAtomically(kSentenceMethodFile,
                             std::string(1, static_cast<char>(static_cast<int>(method))));
}

}  // namespace dazi
