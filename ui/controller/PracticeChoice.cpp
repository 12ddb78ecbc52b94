// Choosing a candidate: writing it, collecting it for learning, and offering follow-on words.
#include <algorithm>

#include "engine/Unit_SRF.h"
#include "engine/core/CandidateKinds.h"
#include "engine/keypad/KeypadEngine.h"
#include "engine/user/Learning.h"
#include "ui/controller/CandidateLayout.h"
#include "ui/controller/PracticeController.h"

namespace dazi {
namespace {

bool StartsWithPadSymbol(const std::string& input) {
  return !input.empty() && (input[0] == '/' || input[0] == '*');
}

// Character count of pool word w, or -1 when w is not a pool index.
int PoolWordLength(int32 w) {
  const TLumiskCand& s = SrfState;
  if (w < 0 || w >= std::min(s.WordPoolCount, kWordPoolCapacity)) return -1;
  return std::clamp(s.WordPoolLengths[w], 0, kWordCodeCapacity);
}

void AppendToChain(int32 code) {
  TLumiskCand& s = SrfState;
  if (s.ChainLength < kChainCapacity) s.ChainCodes[s.ChainLength++] = code;
}

// Appends the characters from position `from` of pool word w to the chain.
void AppendPoolWordToChain(int32 w, int from) {
  const int length = PoolWordLength(w);
  for (int j = std::max(from, 0); j < length; ++j) AppendToChain(SrfState.WordPoolCodes[w][j]);
}

}  // namespace

void PracticeController::ChooseCandidate(int index) {
  TLumiskCand& s = SrfState;
  view_.panelZDVisible = false;
  const int shown = std::min(s.CandidateCount, kPageCapacity);
  if (shown <= 0) return;
  const int a = std::clamp(index, 0, shown - 1);
  const bool english = s.EnglishMode == 1;
  if (english)
    WriteOutput(s.CandidateGlosses[a] + " ");
  else
    WriteOutput(s.CandidateOutputs[a]);
  s.EnglishMode = 0;
  s.SelectedIndex = a;
  s.PageIndex = 0;

  // English output is not the candidate's characters: like a mark, it ends the phrase.
  if (StartsWithPadSymbol(s.InputText) || english)
    LearnAtMark();
  else
    CollectForLearning(a);
  if (s.CandidateKinds[a] == kLearnedWordKind) Learn();

  if (!s.RemainingInput.empty() && PinyinActive()) return ContinueWithRemainingInput();

  UpdateChain(a);
  if (s.AssociationShown == 0) s.AssocFirstChar = s.CandidateFirstCodes[a];
  SetAssociationPrefix(a);
  if (s.AutoAssociate != 1) {
    s.ResultCount = 0;
    s.CandidateCount = 0;
  } else if (PinyinActive() && s.WordPoolCount > 0) {
    OfferFollowOns();
  } else {
    OfferKeypadFollowOns();
  }
  if (s.CandidateCount == 0 || s.AssociationCount == 0) {
    HideCandidatePanels();
    view_.panelZDVisible = false;
  }
  s.InputText.clear();
  // The follow-on words stand under an empty input: the chosen letters or strokes are gone.
  view_.label11 = InputDisplay(s.InputText);
  view_.keypad.previews.fill({});
}

void PracticeController::CollectForLearning(int slot) {
  const TLumiskCand& s = SrfState;
  const int count = std::clamp(s.CandidateCharCounts[slot], 0, kCandidateCodeCapacity);
  // A character found through a code variant counts as a character, as with its main code.
  const int32 kind =
      IsKeypadCharacterKind(s.CandidateKinds[slot]) ? kCharacterKind : s.CandidateKinds[slot];
  CollectChoice(s.CandidateOutputs[slot], s.CandidateCharCodes[slot], count, kind);
}

void PracticeController::Learn() {
  PassOnNotice(LearnPhrase());
}

void PracticeController::LearnAtMark() {
  PassOnNotice(LearnPhraseAtMark());
}

void PracticeController::PassOnNotice(std::string message) {
  if (!message.empty()) view_.notices.push_back(std::move(message));
}

void PracticeController::UpdateChain(int slot) {
  TLumiskCand& s = SrfState;
  const int32 kind = s.CandidateKinds[slot];
  const int32 id = s.CandidateIds[slot];
  const bool character = IsKeypadCharacterKind(kind);
  const bool continues =
      s.FollowOnCount > 0 && (kind == kFollowOnWordKind || (character && ChoiceContinuesChain(id)));
  if (continues) {
    if (character)
      AppendToChain(id);
    else
      AppendPoolWordToChain(id, s.AssocPrefixLength);
    return;
  }
  s.FollowOnCount = 0;
  s.ChainLength = 0;
  if (character)
    AppendToChain(id);
  else if (kind == kDictionaryWordKind)
    AppendPoolWordToChain(id, 0);
}

void PracticeController::SetAssociationPrefix(int slot) {
  TLumiskCand& s = SrfState;
  const int32 kind = s.CandidateKinds[slot];
  if (IsKeypadCharacterKind(kind)) {
    s.AssocPrefix[0] = s.AssocFirstChar;
    s.AssocPrefixLength = 1;
    return;
  }
  const int32 w = s.CandidateIds[slot];
  const int length = std::min(PoolWordLength(w), kAssocPrefixCapacity);
  s.AssocPrefixLength = std::max(length, 0);
  for (int j = 0; j < s.AssocPrefixLength; ++j) s.AssocPrefix[j] = s.WordPoolCodes[w][j];
}

void PracticeController::OfferFollowOns() {
  OfferFollowOnWords(SrfState.AssocFirstChar);
  ShowPinyinCandidates();
}

void PracticeController::OfferKeypadFollowOns() {
  OfferKeypadFollowOnWords(SrfState.AssocFirstChar);
  ShowKeypadCandidates();
}

}  // namespace dazi
