#include "engine/keypad/KeypadRefresh.h"

#include "engine/candidates/FollowOnWords.h"
#include "engine/keypad/KeypadFollowOn.h"
#include "engine/keypad/KeypadPage.h"
#include "engine/keypad/StrokeLookup.h"
#include "engine/keypad/StrokePreviews.h"

namespace dazi {

void RefreshKeypadLookup(const std::string& input) {
  LoadFirstStrokeList(input);
  MatchStrokes(input);
  BuildKeypadPage();
  BuildStrokePreviews();
}

void OfferKeypadFollowOnWords(int32 first) {
  TLumiskCand& s = SrfState;
  s.ResultCount = 0;
  s.CandidateCount = 0;
  if (s.AssociationShown == 1) {
    FindFollowOnWords(first);
  } else {
    FindKeypadFollowOnWords(first);
    if (s.AssocPrefixLength > 1) FindFollowOnWords(first);
  }
  PredictNextChars();
  BuildKeypadPage();
}

}  // namespace dazi
