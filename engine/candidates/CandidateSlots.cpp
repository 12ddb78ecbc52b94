#include "engine/candidates/CandidateSlots.h"

#include <cstddef>

#include "engine/core/CandidateKinds.h"
#include "engine/dict/DictFiles.h"
#include "engine/dict/DictTexts.h"

namespace dazi {
namespace {

constexpr std::size_t kFollowOnOutputLimit = 60;  // bytes a follow-on choice writes at most

// Starts the slot with the fields every kind writes.
void StartSlot(int slot, int32 kind, int32 id, int32 firstCode) {
  TLumiskCand& s = SrfState;
  s.CandidateKinds[slot] = kind;
  s.CandidateIds[slot] = id;
  s.CandidateFirstCodes[slot] = firstCode;
  s.CandidateCharCounts[slot] = 0;
}

bool IsPoolIndex(int32 w) {
  return w >= 0 && w < SrfState.WordPoolCount && w < kWordPoolCapacity;
}

int32 PoolLength(int32 w) {
  const int32 length = SrfState.WordPoolLengths[w];
  return length < 0 ? 0 : length > kWordCodeCapacity ? kWordCodeCapacity : length;
}

}  // namespace

void FillCharacterSlot(int slot, int32 c, int32 kind) {
  TLumiskCand& s = SrfState;
  StartSlot(slot, kind, c, c);
  s.CandidateTexts[slot] = s.CandidateOutputs[slot] = CharText(c);
  s.CandidateCharCodes[slot][0] = c;
  s.CandidateCharCounts[slot] = 1;
  s.CandidateGlosses[slot] = CharGloss(c);
  s.CandidateDictTexts[slot] = CharDictText(c);
}

bool FillWordSlot(int slot, int32 w, int32 kind) {
  if (!IsPoolIndex(w)) return false;
  TLumiskCand& s = SrfState;
  const int32* codes = s.WordPoolCodes[w];
  int32 length = PoolLength(w);
  if (length > kCandidateCodeCapacity) length = kCandidateCodeCapacity;
  StartSlot(slot, kind, w, length > 0 ? codes[0] : 0);
  std::string text;
  for (int j = 0; j < length; ++j) {
    text += CharText(codes[j]);
    s.CandidateCharCodes[slot][j] = codes[j];
  }
  s.CandidateCharCounts[slot] = length;
  s.CandidateTexts[slot] = text;
  s.CandidateOutputs[slot] = std::move(text);
  s.CandidateGlosses[slot] = WordGloss(s.WordPoolSerials[w]);
  s.CandidateDictTexts[slot].clear();
  return true;
}

bool FillFollowOnSlot(int slot, int32 w) {
  if (!IsPoolIndex(w)) return false;
  TLumiskCand& s = SrfState;
  const int32* codes = s.WordPoolCodes[w];
  const int32 length = PoolLength(w);
  int32 prefix = s.AssocPrefixLength;
  prefix = prefix < 0 ? 0 : prefix > length ? length : prefix;
  StartSlot(slot, kFollowOnWordKind, w, length > 0 ? codes[0] : 0);
  std::string text, output;
  int32 collected = 0;
  for (int j = 0; j < length; ++j) {
    const std::string ch = CharText(codes[j]);
    text += ch;
    if (j < prefix) continue;
    if (output.size() + ch.size() <= kFollowOnOutputLimit) output += ch;
    if (collected < kCandidateCodeCapacity) s.CandidateCharCodes[slot][collected++] = codes[j];
  }
  s.CandidateCharCounts[slot] = collected;
  s.CandidateTexts[slot] = std::move(text);
  s.CandidateOutputs[slot] = std::move(output);
  s.CandidateGlosses[slot] = WordGloss(s.WordPoolSerials[w]);
  s.CandidateDictTexts[slot].clear();
  return true;
}

void FillSymbolSlot(int slot, const std::string& text) {
  TLumiskCand& s = SrfState;
  StartSlot(slot, kCharacterKind, 0, 0);
  s.CandidateTexts[slot] = text;
  s.CandidateOutputs[slot] = text;
  s.CandidateGlosses[slot].clear();
  s.CandidateDictTexts[slot].clear();
}

}  // namespace dazi
