#include "engine/keypad/internal/KeypadSlots.h"

#include <algorithm>

#include "engine/core/CandidateKinds.h"
#include "engine/dict/DictFiles.h"

namespace dazi {
namespace {

constexpr std::size_t kFollowOnOutputLimit = 60;  // bytes a follow-on choice writes at most

// A counted text of srf_pub.zy: one count byte, then count × unit bytes.
std::string ReadCountedText(std::size_t pointerPos, std::size_t unit) {
  const std::size_t pos = Dict.zy.ReadU24(pointerPos);
  if (pos == 0) return {};
  return Dict.zy.ReadBytes(pos + 1, Dict.zy.ReadU8(pos) * unit);
}

std::string WordGloss(int32 serial) {
  if (serial <= 0) return {};
  const TLumiskCand& s = SrfState;
  const std::size_t base =
      6 * static_cast<std::size_t>(s.CharCount) + 3 * static_cast<std::size_t>(s.WordIndexCount);
  return ReadCountedText(base + 3 * (static_cast<std::size_t>(serial) - 1), 1);
}

bool IsPoolWord(int32 w) {
  const TLumiskCand& s = SrfState;
  return w >= 0 && w < std::min(s.WordPoolCount, kWordPoolCapacity) && s.WordPoolLengths[w] >= 1 &&
         s.WordPoolLengths[w] <= kWordCodeCapacity;
}

// Fills texts, codes and gloss of slot from characters [from, length) of pool word w.
void FillFromPoolWord(int slot, int32 w, int from) {
  TLumiskCand& s = SrfState;
  const int length = s.WordPoolLengths[w];
  std::string text;
  std::string output;
  int codes = 0;
  for (int j = 0; j < length; ++j) {
    const int32 c = s.WordPoolCodes[w][j];
    const std::string ch = CharText(c);
    text += ch;
    if (j < from) continue;
    if (output.size() + ch.size() <= kFollowOnOutputLimit || from == 0) output += ch;
    if (codes < kCandidateCodeCapacity) s.CandidateCharCodes[slot][codes++] = c;
  }
  s.CandidateIds[slot] = w;
  s.CandidateTexts[slot] = std::move(text);
  s.CandidateOutputs[slot] = std::move(output);
  s.CandidateFirstCodes[slot] = s.WordPoolCodes[w][0];
  s.CandidateCharCounts[slot] = codes;
  s.CandidateGlosses[slot] = WordGloss(s.WordPoolSerials[w]);
  s.CandidateDictTexts[slot].clear();
}

}  // namespace

bool FillKeypadCharacterSlot(int slot, int32 c, int32 kind) {
  TLumiskCand& s = SrfState;
  if (c < 1 || c > s.CharCount) return false;
  const std::size_t chars = static_cast<std::size_t>(s.CharCount);
  const std::size_t index = static_cast<std::size_t>(c) - 1;
  s.CandidateKinds[slot] = kind;
  s.CandidateIds[slot] = c;
  s.CandidateTexts[slot] = CharText(c);
  s.CandidateOutputs[slot] = s.CandidateTexts[slot];
  s.CandidateFirstCodes[slot] = c;
  s.CandidateCharCodes[slot][0] = c;
  s.CandidateCharCounts[slot] = 1;
  s.CandidateGlosses[slot] = ReadCountedText(3 * chars + 3 * index, 1);
  s.CandidateDictTexts[slot] = ReadCountedText(3 * index, 2);
  return true;
}

bool FillKeypadWordSlot(int slot, int32 w, int32 kind) {
  if (!IsPoolWord(w)) return false;
  SrfState.CandidateKinds[slot] = kind;
  FillFromPoolWord(slot, w, 0);
  return true;
}

bool FillKeypadFollowOnSlot(int slot, int32 w) {
  if (!IsPoolWord(w)) return false;
  SrfState.CandidateKinds[slot] = kFollowOnWordKind;
  FillFromPoolWord(slot, w, std::clamp(SrfState.AssocPrefixLength, 0, kAssocPrefixCapacity));
  return true;
}

void FillKeypadMarkSlot(int slot, const std::string& mark) {
  TLumiskCand& s = SrfState;
  s.CandidateKinds[slot] = kCharacterKind;
  s.CandidateIds[slot] = 0;
  s.CandidateTexts[slot] = mark;
  s.CandidateOutputs[slot] = mark;
  s.CandidateFirstCodes[slot] = 0;
  s.CandidateCharCounts[slot] = 0;
  s.CandidateGlosses[slot].clear();
  s.CandidateDictTexts[slot].clear();
}

}  // namespace dazi
