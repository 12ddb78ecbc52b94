// The stroke lookup: the first-stroke list of an input, and the ordering of the characters
// that match the typed strokes.
#include "engine/keypad/StrokeLookup.h"

#include <algorithm>

#include "engine/core/CandidateKinds.h"
#include "engine/core/MethodClass.h"
#include "engine/dict/DictFiles.h"
#include "engine/dict/DictLayout.h"
#include "engine/keypad/KeypadUserWords.h"
#include "engine/keypad/StrokeCodes.h"
#include "engine/keypad/StrokeWords.h"
#include "engine/keypad/internal/KeypadResults.h"
#include "engine/keypad/internal/KeypadScratch.h"
#include "engine/keypad/internal/StrokeOrder.h"

namespace dazi {
namespace {

using keypad::AppendKeypadResult;
using Lists = keypad::StrokeMatchLists;

// The class bit a first-stroke list entry needs in the active keypad class.
std::uint32_t ActiveStrokeClassBit() {
  switch (ClassOf(SrfState.MethodClass)) {
    case CharClass::Simplified:
      return kStrokeSimplified;
    case CharClass::Traditional:
      return kStrokeTraditional;
    default:
      return kStrokeVariant;
  }
}

// Writes the character matches into the result list, in list order.
void WriteCharacterResults(const Lists& lists) {
  keypad::ForEachInListOrder(lists, [](int32 ch, int32 kind, const std::string* strokes) {
    return AppendKeypadResult(ch, kind, strokes);
  });
}

}  // namespace

void LoadFirstStrokeList(const std::string& input) {
  TLumiskCand& s = SrfState;
  if (input.size() != 1) return;
  s.LookupCount = 0;
  s.WordPoolCount = 0;
  if (KeypadPunctuationIndex(input) >= 0) {
    for (int k = 0; k < kKeypadMarksPerPage; ++k) {
      s.LookupList[k] = k;
      s.LookupVariants[k] = 0;
      s.LookupStrokes[k].clear();
    }
    s.LookupCount = kKeypadMarksPerPage;
    return;
  }
  if (input[0] < '1' || input[0] > '6') return;
  const std::size_t digit = static_cast<std::size_t>(input[0] - '0');
  const LmListHead list = ReadLmListHead(Dict.lm, static_cast<std::size_t>(s.CharCount), digit);
  const std::uint32_t classBit = ActiveStrokeClassBit();
  for (std::uint32_t i = 0; i < list.count && s.LookupCount < kLookupCapacity; ++i) {
    const LmListEntry entry = ReadLmListEntry(Dict.lm, list.pos + kLmEntrySize * i);
    const auto ch = static_cast<int32>(entry.charNo);
    const auto r = static_cast<int32>(entry.variant);
    if ((entry.classBits & classBit) == 0) continue;
    // Entries naming no character or no code variant are not part of the format.
    if (ch < 1 || ch > s.CharCount || r >= kStrokeCodeVariants) continue;
    const int32 k = s.LookupCount++;
    s.LookupList[k] = ch;
    s.LookupVariants[k] = r;
    if (k < kStrokeStringCapacity) s.LookupStrokes[k] = StrokeString(ReadStrokeCode(ch, r));
  }
}

void MatchStrokes(const std::string& input) {
  TLumiskCand& s = SrfState;
  Lists& lists = keypad::CurrentKeypadScratch().lists;
  lists.earlierCount = lists.mainCount = lists.variantCount = lists.predictedCount = 0;
  if (KeypadPunctuationIndex(input) >= 0) {
    s.ResultCount = 0;
    const int marks = std::clamp(s.LookupCount, 0, kResultCapacity);
    for (int k = 0; k < marks; ++k) AppendKeypadResult(s.LookupList[k], kCharacterKind);
    return;
  }
  s.ResultCount = 0;
  if (input.empty()) return;
  keypad::OrderStrokeMatches(input, lists);
  AppendLeadingOwnWords(input);
  WriteCharacterResults(lists);

  if (input.size() == 1) return;
  if (input.size() == 2) {
    s.WordPoolCount = 0;
    AddUserWordsForKeypad(lists.mainChars, lists.mainCount);
    AddLearnedWordsForKeypad(lists.mainChars, lists.mainCount);
  }
  MatchStrokeWords(input, lists.mainChars, lists.mainCount);
}

}  // namespace dazi
