// The key rules that hand the input to the whole-sentence engine: the default sentence, its
// output, and the Left key's corrections.
#include <algorithm>

#include "engine/Unit_SRF.h"
#include "engine/user/Learning.h"
#include "ui/controller/DefaultSentence.h"
#include "ui/controller/PracticeController.h"

namespace dazi {

// With no candidate for the input: ConvertSentence on InputText (by the chosen engine), then
// ShowDefaultSentence.
void PracticeController::OfferDefaultSentence() {
  MakeDefaultSentence(SrfState.InputText);
  sentenceLetters_ = SrfState.InputText;
  ShowDefaultSentence();
}

// Space or digit with no candidates: write a pending DefaultSentence, clear RemainingInput,
// clear and hide. Returns whether a sentence was written.
bool PracticeController::WriteDefaultSentence() {
  TLumiskCand& s = SrfState;
  // A sentence is pending only for the letters it was converted from (a correction splits
  // them but keeps them all); after it was written, chosen away or dropped with Escape or a
  // punctuation mark, a space must not write it again.
  const bool pending =
      !s.DefaultSentence.empty() && s.InputText + s.RemainingInput == sentenceLetters_;
  if (!pending) return false;
  WriteOutput(s.DefaultSentence);
  CollectSentence(s.DefaultSentence, s.SentenceCodes,
                  std::clamp(s.SentenceCodeCount, 0, kSentenceCapacity));
  s.RemainingInput.clear();
  ClearAndHide();
  return true;
}

// Left with no candidates: StartSentenceCorrection on InputText, then ShowPinyinCandidates.
void PracticeController::StartSentenceCorrectionAtLeft() {
  if (!SpellsSentence(SrfState.InputText)) return;
  StartSentenceCorrection(SrfState.InputText);
  ShowPinyinCandidates();
}

// Left with candidates: SplitFirstSyllable while WordSplitActive, else ShortenSyllable; then
// MergeResults, BuildCandidatePage and ShowPinyinCandidates.
void PracticeController::ShortenOrSplitAtLeft() {
  TLumiskCand& s = SrfState;
  if (s.WordSplitActive == 1)
    SplitFirstSyllable(s.InputText + s.RemainingInput);
  else
    ShortenSyllable(s.InputText);
  s.PageIndex = 0;  // the shorter piece's candidates are a new list
  MergeResults();
  BuildCandidatePage();
  ShowPinyinCandidates();
}

// A choice while RemainingInput holds the rest of a split input: the rest becomes the input,
// ConvertSentence runs on it and its default sentence is shown without candidates.
void PracticeController::ContinueWithRemainingInput() {
  TLumiskCand& s = SrfState;
  s.InputText = s.RemainingInput;
  s.RemainingInput.clear();
  MakeDefaultSentence(s.InputText);
  sentenceLetters_ = s.InputText;
  s.CandidateCount = 0;
  // The chosen piece's result list is gone with it: Page Down must not page through it.
  s.ResultCount = 0;
  ShowPinyinCandidates();
  ShowDefaultSentence();
}

}  // namespace dazi
