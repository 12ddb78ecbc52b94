#include "engine/user/Learning.h"

#include "engine/core/CandidateKinds.h"
#include "engine/user/UserLexicon.h"

namespace dazi {
namespace {

constexpr int kShortestPhrase = 2;  // character numbers
constexpr int kLongestPhrase = 17;

int FindLearnedPhrase() {
  const TLumiskCand& s = SrfState;
  for (int i = 0; i < s.LearnCount; ++i) {
    if (s.LearnLengths[i] != s.CollectedCodeCount) continue;
    bool same = true;
    for (int j = 0; j < s.CollectedCodeCount && same; ++j)
      same = s.LearnCodes[i][j] == s.CollectedCodes[j];
    if (same) return i;
  }
  return -1;
}

}  // namespace

void ClearCollectedPhrase() {
  SrfState.CollectedCodeCount = 0;
  SrfState.CollectedWordCount = 0;
  SrfState.CollectedText.clear();
}

void CollectChoice(const std::string& text, const int32* codes, int count, int32 kind) {
  TLumiskCand& s = SrfState;
  if (count < 0) count = 0;
  if (s.CollectedCodeCount + count <= kCollectedCapacity) {
    s.CollectedText += text;
    for (int i = 0; i < count; ++i) s.CollectedCodes[s.CollectedCodeCount++] = codes[i];
  }
  if (kind == kCharacterKind || kind == kDictionaryWordKind) ++s.CollectedWordCount;
  if (kind == kUserWordKind) ClearCollectedPhrase();
}

void LearnPhrase() {
  TLumiskCand& s = SrfState;
  if (s.LearnCount >= kLearnLimit) return;
  if (s.CollectedCodeCount < kShortestPhrase || s.CollectedCodeCount > kLongestPhrase) return;
  const int found = FindLearnedPhrase();
  if (found >= 0) {
    if (s.LearnSaved[found]) return;
    AppendCorpusLine(kUserCorpusFile, s.CollectedText);
    AppendUserWord(kUserLexiconFile);
    s.LearnSaved[found] = 1;
    ClearCollectedPhrase();
    return;
  }
  if (s.CollectedWordCount <= 1) return;
  const int n = s.LearnCount++;
  for (int j = 0; j < s.CollectedCodeCount; ++j) s.LearnCodes[n][j] = s.CollectedCodes[j];
  s.LearnLengths[n] = s.CollectedCodeCount;
  s.LearnKinds[n] = kLearnedWordKind;
  s.LearnSaved[n] = 0;
  ClearCollectedPhrase();
}

void LearnPhraseAtMark() {
  LearnPhrase();
  ClearCollectedPhrase();
}

}  // namespace dazi
