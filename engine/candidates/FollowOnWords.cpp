#include "engine/candidates/FollowOnWords.h"

#include "engine/candidates/internal/CandidatesScratch.h"
#include "engine/core/CandidateKinds.h"
#include "engine/core/CharNumberSet.h"

namespace dazi {
namespace {

using candidates::kDeferredCapacity;

void AppendAssociation(int32 w) {
  if (SrfState.AssociationCount < kAssociationCapacity)
    SrfState.AssociationList[SrfState.AssociationCount++] = w;
}

bool ContinuesPrefix(int32 w, int32 first, int32 prefixLength) {
  const int32* codes = SrfState.WordPoolCodes[w];
  const int32 length = SrfState.WordPoolLengths[w];
  if (length <= prefixLength || length < 1 || codes[0] != first) return false;
  for (int32 j = 0; j < prefixLength; ++j)
    if (codes[j] != SrfState.AssocPrefix[j]) return false;
  return true;
}

// Copies the follow-on words into the snapshot rows; words longer than a row keep their
// first 17 characters, and words beyond the 601st are left out.
void TakeSnapshot() {
  int32 count = SrfState.AssociationCount;
  if (count > kFollowOnCapacity) count = kFollowOnCapacity;
  int32 rows = 0;
  for (int32 k = 0; k < count; ++k) {
    const int32 w = SrfState.AssociationList[k];
    if (w < 0 || w >= kWordPoolCapacity) continue;
    int32 length = SrfState.WordPoolLengths[w];
    if (length > kFollowOnCodeCapacity) length = kFollowOnCodeCapacity;
    if (length < 0) length = 0;
    for (int32 j = 0; j < length; ++j)
      SrfState.FollowOnRows[rows][j] = SrfState.WordPoolCodes[w][j];
    SrfState.FollowOnLengths[rows] = length;
    SrfState.FollowOnGroups[rows] = SrfState.WordPoolGroups[w];
    ++rows;
  }
  SrfState.FollowOnCount = rows;
}

// Whether snapshot row `row` reaches beyond a chain of chainLength characters and agrees with
// it; entry 0, the shared first character, is not compared.
bool RowContinuesChain(int32 row, int32 chainLength) {
  if (chainLength >= SrfState.FollowOnLengths[row]) return false;
  for (int32 j = 1; j < chainLength; ++j)
    if (SrfState.FollowOnRows[row][j] != SrfState.ChainCodes[j]) return false;
  return true;
}

}  // namespace

void FindFollowOnWords(int32 first) {
  int32* const deferredWords = candidates::CurrentCandidatesScratch().deferredWords;
  SrfState.AssociationCount = 0;
  int deferredCount = 0;
  int32 prefixLength = SrfState.AssocPrefixLength;
  if (prefixLength < 0) prefixLength = 0;
  if (prefixLength > kAssocPrefixCapacity) prefixLength = kAssocPrefixCapacity;
  int32 poolCount = SrfState.WordPoolCount;
  if (poolCount > kWordPoolCapacity) poolCount = kWordPoolCapacity;
  for (int32 w = 0; w < poolCount; ++w) {
    if (!ContinuesPrefix(w, first, prefixLength)) continue;
    if (!IsLexiconWordKind(SrfState.WordPoolKinds[w]))
      AppendAssociation(w);
    else if (deferredCount < kDeferredCapacity)
      deferredWords[deferredCount++] = w;
  }
  for (int k = 0; k < deferredCount; ++k) AppendAssociation(deferredWords[k]);
  SrfState.AssociationShown = SrfState.AssociationCount > 0 ? 1 : 0;
}

void PredictNextChars() {
  if (SrfState.FollowOnCount == 0) TakeSnapshot();
  SrfState.PredictedCharCount = 0;
  CharNumberSet& predictedSeen = candidates::CurrentCandidatesScratch().predictedSeen;
  predictedSeen.Clear();
  int32 chainLength = SrfState.ChainLength;
  if (chainLength < 0) chainLength = 0;
  if (chainLength > kChainCapacity) chainLength = kChainCapacity;
  int32 rows = SrfState.FollowOnCount;
  if (rows > kFollowOnCapacity) rows = kFollowOnCapacity;
  for (int32 k = 0; k < rows; ++k) {
    if (!RowContinuesChain(k, chainLength)) continue;
    const int32 next = SrfState.FollowOnRows[k][chainLength];
    if (!predictedSeen.Insert(next)) continue;
    if (SrfState.PredictedCharCount < kPredictedCapacity)
      SrfState.PredictedChars[SrfState.PredictedCharCount++] = next;
  }
}

bool ChoiceContinuesChain(int32 c) {
  const int32 t = SrfState.ChainLength;
  if (t < 0 || t >= kFollowOnCodeCapacity) return false;
  int32 rows = SrfState.FollowOnCount;
  if (rows > kFollowOnCapacity) rows = kFollowOnCapacity;
  for (int32 r = 0; r < rows; ++r)
    if (RowContinuesChain(r, t) && SrfState.FollowOnRows[r][t] == c) return true;
  return false;
}

}  // namespace dazi
