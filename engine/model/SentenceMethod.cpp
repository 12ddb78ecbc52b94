#include "engine/model/SentenceMethod.h"

#include "engine/core/DataLocation.h"
#include "engine/user/AtomicFile.h"
#include "engine/user/FileRead.h"

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
  // Read without blocking: a FIFO at the name must not stop the start.
  const FileContents file = ReadWholeFile(UserFilePath(kSentenceMethodFile));
  const bool model = file.status == ReadStatus::Read && !file.bytes.empty() && file.bytes[0] == 1;
  return model ? SentenceMethod::kModel : SentenceMethod::kRules;
}

bool WriteSentenceMethod(SentenceMethod method) {
  return WriteFileAtomically(UserFilePath(kSentenceMethodFile),
                             std::string(1, static_cast<char>(static_cast<int>(method))));
}

}  // namespace dazi
