// The places where the whole-sentence engine and the stroke keypad engine join the key rules.
// Until those engines are wired in, each place does nothing: no default sentence is offered
// and the keypad method shows no candidates.
#include "PracticeController.h"

namespace dazi {

// Whole-sentence engine ---------------------------------------------------------------------

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

// Stroke keypad engine ----------------------------------------------------------------------

// Character keys in the keypad method: a letter is written, digits and the pad symbols
// + . / * are left to the release handler. Returns whether the key was taken.
bool PracticeController::KeypadKeyPress(char) {
  return false;
}

// Releases in the keypad method: pad digits 1-6 extend the strokes, * and / replace them,
// + and - page, the pad point deletes a stroke, pad 0, 7, 8, 9 choose.
void PracticeController::KeypadKeyUp(int) {}

// LoadFirstStrokeList and MatchStrokes on InputText, BuildKeypadPage, BuildStrokePreviews.
void PracticeController::KeypadLookup() {}

// BuildKeypadPage for PageIndex.
void PracticeController::KeypadPageFill() {}

// FindKeypadFollowOnWords from the chosen character.
void PracticeController::KeypadFollowOnSearch(int32) {}

}  // namespace dazi
