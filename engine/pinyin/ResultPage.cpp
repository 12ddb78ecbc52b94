// The result list (characters first, then words) and the candidate page: ten slots of the
// current page with their texts, character numbers, glosses and dictionary texts, topped up
// with follow-on words.
#include "engine/pinyin/ResultPage.h"

#include <cstddef>
#include <string>

#include "engine/candidates/CandidateSlots.h"
#include "engine/core/CandidateKinds.h"
#include "engine/pinyin/SymbolPages.h"

namespace dazi {
namespace {

constexpr int kPinyinPageSize = 10;

bool IsPrivatePage(const std::string& input) {
  return input.size() > 1 && input[0] == 'v' && input[1] == 'a';
}

// First list entry of page p with the given page size; negative pages start at 0.
long long PageStart(int32 page, int size) {
  return page <= 0 ? 0 : static_cast<long long>(page) * size;
}

void FillFromResults(const std::string& input) {
  const bool privatePage = IsPrivatePage(input);
  const int symbolPage = input.empty() ? -1 : SymbolPageIndex(input[0]);
  int32 resultCount = SrfState.ResultCount;
  if (resultCount > kResultCapacity) resultCount = kResultCapacity;
  for (long long k = PageStart(SrfState.PageIndex, kPinyinPageSize);
       k < resultCount && SrfState.CandidateCount < kPinyinPageSize; ++k) {
    const int s = SrfState.CandidateCount;
    const int32 id = SrfState.ResultIds[k];
    if (privatePage) {
      if (id < 0 || id >= kPrivateCodeCount) continue;
      FillSymbolSlot(s, SrfState.PrivateCodes[id]);
    } else if (symbolPage >= 0) {
      const std::string& symbols = SymbolPages[symbolPage];
      if (id < 0 || 2 * static_cast<std::size_t>(id) + 2 > symbols.size()) continue;
      FillSymbolSlot(s, symbols.substr(2 * static_cast<std::size_t>(id), 2));
    } else if (SrfState.ResultKinds[k] == kCharacterKind) {
      FillCharacterSlot(s, id, kCharacterKind);
    } else if (!FillWordSlot(s, id, SrfState.ResultKinds[k])) {
      continue;
    }
    ++SrfState.CandidateCount;
  }
}

void FillFromFollowOnWords() {
  int32 count = SrfState.AssociationCount;
  if (count > kAssociationCapacity) count = kAssociationCapacity;
  int pageSize = SrfState.CandidatesPerPage;
  if (pageSize > kPageCapacity) pageSize = kPageCapacity;
  for (long long k = PageStart(SrfState.PageIndex, pageSize);
       k < count && SrfState.CandidateCount < pageSize; ++k) {
    if (FillFollowOnSlot(SrfState.CandidateCount, SrfState.AssociationList[k]))
      ++SrfState.CandidateCount;
  }
}

}  // namespace

void MergeResults() {
  const std::string& input = SrfState.InputText;
  int32 lookupCount = SrfState.LookupCount;
  if (lookupCount > kResultCapacity) lookupCount = kResultCapacity;
  for (int32 k = 0; k < lookupCount; ++k) {
    SrfState.ResultIds[k] = SrfState.LookupList[k];
    SrfState.ResultKinds[k] = kCharacterKind;
  }
  SrfState.ResultCount = lookupCount;
  if (!input.empty() && SymbolPageIndex(input[0]) >= 0) {
    SrfState.FullListBuilt = 1;
    SrfState.PageIndex = 0;
    return;
  }
  // The words follow the characters; those that would pass the list's capacity are dropped.
  int32 wordCount = SrfState.WordResultCount;
  if (wordCount > kWordPoolCapacity) wordCount = kWordPoolCapacity;
  for (int32 k = 0; k < wordCount && SrfState.ResultCount < kResultCapacity; ++k) {
    SrfState.ResultIds[SrfState.ResultCount] = SrfState.WordResults[k];
    SrfState.ResultKinds[SrfState.ResultCount] = SrfState.WordResultKinds[k];
    ++SrfState.ResultCount;
  }
}

void BuildCandidatePage() {
  for (int s = 0; s < kPageCapacity; ++s) {
    SrfState.CandidateGlosses[s].clear();
    SrfState.CandidateDictTexts[s].clear();
  }
  SrfState.CandidateCount = 0;
  const std::string& input = SrfState.InputText;
  // On a symbol page every letter after u, i or v (va) turns one page on.
  if (!input.empty() && SymbolPageIndex(input[0]) >= 0 && SrfState.PageIndex == 0) {
    const auto letters = static_cast<int32>(input.size());
    SrfState.PageIndex = IsPrivatePage(input) ? letters - 2 : letters - 1;
  }
  FillFromResults(input);
  if (SrfState.AssociationCount > 0) FillFromFollowOnWords();
}

}  // namespace dazi
