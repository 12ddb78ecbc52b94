#include "engine/pinyin/CorrectionSplits.h"

#include <vector>

#include "engine/pinyin/SyllableCharLookup.h"
#include "engine/pinyin/SyllableTable.h"
#include "engine/pinyin/WordPool.h"
#include "engine/pinyin/WordSpellingMatch.h"

namespace dazi {

namespace {

constexpr std::size_t kRemainingLimit = 100;
constexpr int kWordStartCapacity = 2501;

void SetRemaining(std::string rest) {
  if (rest.size() > kRemainingLimit) rest.resize(kRemainingLimit);
  SrfState.RemainingInput = std::move(rest);
}

}  // namespace

void PrepareWordPool(const std::string& letter) {
  const std::string first = letter;
  LookupSyllableChars(first);
  // Distinct characters that can start a dictionary word, in lookup order.
  std::vector<int32> starts;
  std::vector<bool> seen;
  for (int32 i = 0; i < SrfState.LookupCount && starts.size() < kWordStartCapacity; ++i) {
    const int32 c = SrfState.LookupList[i];
    if (c < 0 || c > SrfState.WordIndexCount) continue;
    if (static_cast<std::size_t>(c) >= seen.size()) seen.resize(static_cast<std::size_t>(c) + 1);
    if (seen[static_cast<std::size_t>(c)]) continue;
    seen[static_cast<std::size_t>(c)] = true;
    starts.push_back(c);
  }
  SrfState.WordPoolCount = 0;
  SrfState.WordResultCount = 0;
  AddUserWordsToPool(SrfState.LookupList, SrfState.LookupCount);
  AddLearnedWordsToPool(SrfState.LookupList, SrfState.LookupCount);
  GatherWords(first, starts.data(), static_cast<int>(starts.size()));
  // Only the pool remains; the pieces pick their candidates from it.
  SrfState.FullListBuilt = 1;
  SrfState.LookupCount = 0;
  SrfState.WordResultCount = 0;
}

void SplitAtWord(const std::string& text, int32 n) {
  const std::string whole = text;  // text may be InputText itself
  const std::size_t cut = std::min(whole.size(), static_cast<std::size_t>(std::max(n, 0)));
  SetRemaining(whole.substr(cut));
  SrfState.InputText = whole.substr(0, cut);
  MatchWordSpelling(SrfState.InputText);
  SrfState.WordSplitActive = 1;
}

int32 SplitFirstSyllable(const std::string& text) {
  const std::string whole = text;
  SrfState.WordSplitActive = 0;
  if (whole.empty()) {
    SrfState.InputText.clear();
    SrfState.RemainingInput.clear();
    SrfState.LookupCount = 0;
    SrfState.WordResultCount = 0;
    return 0;
  }
  const int32 length = LongestSyllable(whole);
  const std::size_t n = length > 0 ? static_cast<std::size_t>(length) : 1;
  SrfState.InputText = whole.substr(0, n);
  SetRemaining(whole.substr(n));
  // The word candidates of an earlier, longer piece do not spell this one.
  SrfState.WordResultCount = 0;
  LookupSyllableChars(SrfState.InputText);
  return static_cast<int32>(n);
}

void ShortenSyllable(const std::string& text) {
  const std::string piece = text;
  if (piece.empty()) return;
  SetRemaining(piece.back() + SrfState.RemainingInput);
  SrfState.InputText = piece.substr(0, piece.size() - 1);
  SrfState.LookupCount = 0;
  SrfState.CandidateCount = 0;
  SrfState.WordResultCount = 0;  // as in SplitFirstSyllable
  LookupSyllableChars(SrfState.InputText);
}

}  // namespace dazi
