// The keypad candidate page: four slots (keys 0, 7, 8, 9) from the results, topped up with
// follow-on words, and the memory of the characters each input length showed first.
#include "engine/keypad/KeypadPage.h"

#include <algorithm>
#include <cstdint>

#include "engine/candidates/CandidateSlots.h"
#include "engine/core/CandidateKinds.h"
#include "engine/keypad/StrokeCodes.h"

namespace dazi {
namespace {

// Index of the first entry of the current page in a list, or -1 when the page lies beyond
// every list (also for a negative page index).
std::int64_t PageStart(int perPage) {
  const TLumiskCand& s = SrfState;
  if (s.PageIndex < 0) return -1;
  return std::int64_t{s.PageIndex} * perPage;
}

bool IsTableCharacter(int32 c) {
  return c >= 1 && c <= SrfState.CharCount;
}

void RememberFirstPageCharacter(std::size_t length, int32 c, int32 resultIndex) {
  TLumiskCand& s = SrfState;
  if (s.PageIndex != 0 || length < 1 || length > kKeypadLengths) return;
  int32& count = s.FirstPageCounts[length - 1];
  if (count < 0 || count >= kKeypadFirstPage) return;
  s.FirstPageChars[length - 1][count] = c;
  s.FirstPageStrokes[length - 1][count] =
      resultIndex < kStrokeStringCapacity ? s.ResultStrokes[resultIndex] : std::string();
  ++count;
}

}  // namespace

void BuildKeypadPage() {
  TLumiskCand& s = SrfState;
  const std::size_t length = s.InputText.size();
  for (int i = 0; i < kPageCapacity; ++i) {
    s.CandidateGlosses[i].clear();
    s.CandidateDictTexts[i].clear();
  }
  s.CandidateCount = 0;
  if (s.PageIndex == 0 && length >= 1 && length <= kKeypadLengths)
    s.FirstPageCounts[length - 1] = 0;

  const int perPage = std::clamp(s.CandidatesPerPage, 0, kPageCapacity);
  const std::int64_t start = PageStart(perPage);
  if (start < 0) return;
  const int marks = KeypadPunctuationIndex(s.InputText);
  const int results = std::clamp(s.ResultCount, 0, kResultCapacity);
  for (std::int64_t k = start; k < results && s.CandidateCount < perPage; ++k) {
    const int32 id = s.ResultIds[k];
    const int32 kind = s.ResultKinds[k];
    const int slot = s.CandidateCount;
    if (marks >= 0) {
      if (id < 0 || id >= kKeypadMarksPerPage) continue;
      FillSymbolSlot(slot, KeypadPunctuation[marks].substr(2 * static_cast<std::size_t>(id), 2));
    } else if (IsKeypadCharacterKind(kind)) {
      if (!IsTableCharacter(id)) continue;
      FillCharacterSlot(slot, id, kind);
      RememberFirstPageCharacter(length, id, static_cast<int32>(k));
    } else if (!FillWordSlot(slot, id, kind)) {
      continue;
    }
    ++s.CandidateCount;
  }

  const int follows = std::clamp(s.AssociationCount, 0, kAssociationCapacity);
  for (std::int64_t k = start; k < follows && s.CandidateCount < perPage; ++k)
    if (FillFollowOnSlot(s.CandidateCount, s.AssociationList[k])) ++s.CandidateCount;
}

}  // namespace dazi
