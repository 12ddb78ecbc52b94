#include "engine/startup/WordMaking.h"

#include "engine/dict/DictFiles.h"
#include "engine/dict/DictLayout.h"
#include "engine/user/UserLexicon.h"

namespace dazi {

void ReleaseCharTableForEditor() {
  Dict.zc.Close();
}

std::string ReopenCharTableAfterEditor() {
  Dict.zc.Close();
  std::string reason;
  if (Dict.zc.Open(kZcFile, &reason))
    reason.clear();
  else if (reason.empty())
    reason = "cannot be opened";
  LoadUserLexicon();
  return reason;
}

}  // namespace dazi
