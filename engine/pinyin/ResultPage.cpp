// The result list (characters first, then words) and the candidate page: ten slots of the
// current page with their texts, character numbers, glosses and dictionary texts, topped up
// with follow-on words.
#include <cstddef>
#include <string>

#include "engine/core/CandidateKinds.h"
#include "engine/dict/DictFiles.h"
#include "engine/pinyin/PinyinEngine.h"

namespace dazi {
namespace {

constexpr int kPinyinPageSize = 10;
constexpr std::size_t kFollowOnOutputLimit = 60;

bool IsPrivatePage(const std::string& input) {
  return input.size() > 1 && input[0] == 'v' && input[1] == 'a';
}

// A counted text of srf_pub.zy reached through the 3-byte position at indexPos: one count
// byte, then count × unit bytes. A position of 0 leads nowhere.
std::string ReadCountedText(std::size_t indexPos, std::size_t unit) {
  const DictStream& zy = Dict.zy;
  const std::size_t pos = zy.ReadU24(indexPos);
  if (pos == 0) return {};
  return zy.ReadBytes(pos + 1, zy.ReadU8(pos) * unit);
}

std::string CharGloss(int32 c) {
  const auto charCount = static_cast<std::size_t>(SrfState.CharCount);
  return ReadCountedText(3 * charCount + 3 * (static_cast<std::size_t>(c) - 1), 1);
}

std::string CharDictText(int32 c) {
  return ReadCountedText(3 * (static_cast<std::size_t>(c) - 1), 2);
}

std::string WordGloss(int32 w) {
  const int32 g = SrfState.WordPoolSerials[w];
  if (g <= 0) return {};
  const auto charCount = static_cast<std::size_t>(SrfState.CharCount);
  const auto indexCount = static_cast<std::size_t>(SrfState.WordIndexCount);
  return ReadCountedText(6 * charCount + 3 * indexCount + 3 * (static_cast<std::size_t>(g) - 1), 1);
}

// Starts slot s with the fields every kind writes.
void StartSlot(int s, int32 kind, int32 id, int32 firstCode) {
  SrfState.CandidateKinds[s] = kind;
  SrfState.CandidateIds[s] = id;
  SrfState.CandidateFirstCodes[s] = firstCode;
  SrfState.CandidateCharCounts[s] = 0;
}

// A symbol or private character: the kind of a character, but no character number.
void FillSymbolSlot(int s, const std::string& text) {
  StartSlot(s, kCharacterKind, 0, 0);
  SrfState.CandidateTexts[s] = text;
  SrfState.CandidateOutputs[s] = text;
}

void FillCharSlot(int s, int32 c) {
  StartSlot(s, kCharacterKind, c, c);
  SrfState.CandidateTexts[s] = SrfState.CandidateOutputs[s] = CharText(c);
  SrfState.CandidateCharCodes[s][0] = c;
  SrfState.CandidateCharCounts[s] = 1;
  if (c >= 1 && c <= SrfState.CharCount) {
    SrfState.CandidateGlosses[s] = CharGloss(c);
    SrfState.CandidateDictTexts[s] = CharDictText(c);
  }
}

int32 PoolLength(int32 w) {
  const int32 length = SrfState.WordPoolLengths[w];
  return length < 0 ? 0 : length > kWordCodeCapacity ? kWordCodeCapacity : length;
}

// A pool word; a word longer than a slot holds is cut to its first 33 characters.
void FillWordSlot(int s, int32 w, int32 kind) {
  const int32* codes = SrfState.WordPoolCodes[w];
  int32 length = PoolLength(w);
  if (length > kCandidateCodeCapacity) length = kCandidateCodeCapacity;
  StartSlot(s, kind, w, length > 0 ? codes[0] : 0);
  std::string text;
  for (int j = 0; j < length; ++j) {
    text += CharText(codes[j]);
    SrfState.CandidateCharCodes[s][j] = codes[j];
  }
  SrfState.CandidateCharCounts[s] = length;
  SrfState.CandidateTexts[s] = text;
  SrfState.CandidateOutputs[s] = text;
  SrfState.CandidateGlosses[s] = WordGloss(w);
}

// A follow-on word: shown whole, committing only the characters after the chosen prefix.
void FillFollowOnSlot(int s, int32 w) {
  const int32* codes = SrfState.WordPoolCodes[w];
  const int32 length = PoolLength(w);
  int32 prefix = SrfState.AssocPrefixLength;
  prefix = prefix < 0 ? 0 : prefix > length ? length : prefix;
  StartSlot(s, kFollowOnWordKind, w, length > 0 ? codes[0] : 0);
  std::string text, output;
  for (int j = 0; j < length; ++j) {
    const std::string ch = CharText(codes[j]);
    text += ch;
    if (j < prefix) continue;
    if (output.size() + ch.size() <= kFollowOnOutputLimit) output += ch;
    const int32 n = SrfState.CandidateCharCounts[s];
    if (n < kCandidateCodeCapacity) {
      SrfState.CandidateCharCodes[s][n] = codes[j];
      SrfState.CandidateCharCounts[s] = n + 1;
    }
  }
  SrfState.CandidateTexts[s] = text;
  SrfState.CandidateOutputs[s] = output;
  SrfState.CandidateGlosses[s] = WordGloss(w);
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
      FillCharSlot(s, id);
    } else {
      if (id < 0 || id >= SrfState.WordPoolCount || id >= kWordPoolCapacity) continue;
      FillWordSlot(s, id, SrfState.ResultKinds[k]);
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
    const int32 w = SrfState.AssociationList[k];
    if (w < 0 || w >= SrfState.WordPoolCount || w >= kWordPoolCapacity) continue;
    FillFollowOnSlot(SrfState.CandidateCount, w);
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
