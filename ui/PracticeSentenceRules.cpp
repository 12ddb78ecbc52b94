// The key rules that hand the input to the whole-sentence engine: the default sentence, its
// output, and the Left key's corrections.
#include "PracticeController.h"

namespace dazi {

// With no candidate for the input: ConvertSentence on InputText, then ShowDefaultSentence.
void PracticeController::OfferDefaultSentence() {}

// Space or digit with no candidates: write a pending DefaultSentence, clear RemainingInput,
// clear and hide. Returns whether a sentence was written.
bool PracticeController::WriteDefaultSentence() {
  return false;
}

// Left with no candidates: StartSentenceCorrection on InputText, then ShowPinyinCandidates.
void PracticeController::StartSentenceCorrectionAtLeft() {}

// Left with candidates: SplitFirstSyllable while WordSplitActive, else ShortenSyllable; then
// MergeResults, BuildCandidatePage and ShowPinyinCandidates.
void PracticeController::ShortenOrSplitAtLeft() {}

// A choice while RemainingInput holds the rest of a split input: the rest becomes the input,
// ConvertSentence runs on it and its default sentence is shown without candidates.
void PracticeController::ContinueWithRemainingInput() {}

}  // namespace dazi
