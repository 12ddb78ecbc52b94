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

namespace dazi {
namespace {

using keypad::AppendKeypadResult;
using keypad::EarlierShown;
using keypad::kEarlierCapacity;
using keypad::kMainCapacity;
using keypad::kPredictedListCapacity;
using keypad::kVariantCapacity;
using keypad::MainMatch;
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

EarlierShown* FindEarlier(Lists& lists, int32 ch) {
  for (int i = 0; i < lists.earlierCount; ++i)
    if (lists.earlier[i].ch == ch) return &lists.earlier[i];
  return nullptr;
}

void CollectEarlierShown(Lists& lists, std::size_t length) {
  const TLumiskCand& s = SrfState;
  const int lengths = static_cast<int>(std::min<std::size_t>(length - 1, kKeypadLengths));
  for (int t = 1; t <= lengths; ++t) {
    const int shown = std::clamp(s.FirstPageCounts[t - 1], 0, kKeypadFirstPage);
    for (int j = 0; j < shown && lists.earlierCount < kEarlierCapacity; ++j) {
      const int32 ch = s.FirstPageChars[t - 1][j];
      if (FindEarlier(lists, ch) != nullptr) continue;
      lists.earlier[lists.earlierCount++] = {ch, false, false, 0, &s.FirstPageStrokes[t - 1][j]};
    }
  }
}

bool StartsWith(const std::string& strokes, const std::string& input) {
  return strokes.size() >= input.size() && strokes.compare(0, input.size(), input) == 0;
}

// Whether the matching strokes end with the input: the typist typed this code whole.
bool IsWholeCode(const std::string& strokes, const std::string& input) {
  return strokes.size() == input.size() || strokes[input.size()] == '0';
}

void CollectPredictedChars(Lists& lists) {
  const TLumiskCand& s = SrfState;
  lists.predictedChars.Clear();
  const int predictedChars = std::clamp(s.PredictedCharCount, 0, kPredictedCapacity);
  for (int p = 0; p < predictedChars; ++p) lists.predictedChars.Insert(s.PredictedChars[p]);
}

// Sorts the matching entries of LookupList into the main and the variant list.
void ScanLookupList(Lists& lists, const std::string& input) {
  const TLumiskCand& s = SrfState;
  const int entries = std::min(s.LookupCount, kStrokeStringCapacity);
  for (int i = 0; i < entries; ++i) {
    if (!StartsWith(s.LookupStrokes[i], input)) continue;
    const int32 ch = s.LookupList[i];
    const int32 r = s.LookupVariants[i];
    EarlierShown* earlier = FindEarlier(lists, ch);
    // A character shown before was passed over, unless the typist has now typed its whole
    // code, or the chain of choices predicts it: those keep their places.
    const bool passedOver = earlier != nullptr && !IsWholeCode(s.LookupStrokes[i], input) &&
                            !lists.predictedChars.Contains(ch);
    if (r >= 1) {
      // A passed-over character matched only through a variant stays listed with the
      // earlier-shown ones, rather than vanishing for good.
      if (passedOver) {
        if (!earlier->matchedByMain && !earlier->stillMatches)
          *earlier = {ch, true, false, CodeVariantKind(r), &s.LookupStrokes[i]};
      } else if (lists.variantCount < kVariantCapacity) {
        lists.variant[lists.variantCount++] = i;
      }
      continue;
    }
    if (lists.mainCount >= kMainCapacity) continue;
    lists.mainChars[lists.mainCount] = ch;
    lists.main[lists.mainCount++] = {i, passedOver, false};
    // The main match decides whether the character goes behind the others, not a variant.
    if (earlier != nullptr) *earlier = {ch, passedOver, true, kCharacterKind, &s.LookupStrokes[i]};
  }
}

void CollectPredicted(Lists& lists) {
  const TLumiskCand& s = SrfState;
  const int predictedChars = std::clamp(s.PredictedCharCount, 0, kPredictedCapacity);
  for (int p = 0; p < predictedChars; ++p) {
    for (int m = 0; m < lists.mainCount; ++m) {
      MainMatch& match = lists.main[m];
      if (lists.mainChars[m] != s.PredictedChars[p] || match.earlier || match.predicted) continue;
      if (lists.predictedCount >= kPredictedListCapacity) return;
      match.predicted = true;
      lists.predicted[lists.predictedCount++] = m;
    }
  }
}

// The characters passed over at a shorter input that still match.
void AppendPassedOver(Lists& lists) {
  lists.passedOverBegin = SrfState.ResultCount;
  for (int i = 0; i < lists.earlierCount; ++i) {
    const EarlierShown& earlier = lists.earlier[i];
    if (earlier.stillMatches) AppendKeypadResult(earlier.ch, earlier.kind, earlier.strokes);
  }
  lists.passedOverEnd = SrfState.ResultCount;
}

// Predicted characters first, then the other main matches, then the code variants. The
// passed-over characters follow the first page of those rather than all of them: a typist
// who types a character's strokes as the help teaches, without looking at the bar in between,
// still finds it on the next page.
void WriteCharacterResults(Lists& lists) {
  const TLumiskCand& s = SrfState;
  bool passedOverWritten = false;
  const auto append = [&](int lookup, int32 kind) {
    if (!passedOverWritten && s.ResultCount >= kKeypadFirstPage) {
      AppendPassedOver(lists);
      passedOverWritten = true;
    }
    AppendKeypadResult(s.LookupList[lookup], kind, &s.LookupStrokes[lookup]);
  };
  for (int i = 0; i < lists.predictedCount; ++i)
    append(lists.main[lists.predicted[i]].lookup, kCharacterKind);
  for (int m = 0; m < lists.mainCount; ++m) {
    const MainMatch& match = lists.main[m];
    if (!match.earlier && !match.predicted) append(match.lookup, kCharacterKind);
  }
  for (int i = 0; i < lists.variantCount; ++i) {
    const int lookup = lists.variant[i];
    append(lookup, CodeVariantKind(s.LookupVariants[lookup]));
  }
  if (!passedOverWritten) AppendPassedOver(lists);
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
  lists.passedOverBegin = lists.passedOverEnd = 0;
  if (KeypadPunctuationIndex(input) >= 0) {
    s.ResultCount = 0;
    const int marks = std::clamp(s.LookupCount, 0, kResultCapacity);
    for (int k = 0; k < marks; ++k) AppendKeypadResult(s.LookupList[k], kCharacterKind);
    return;
  }
  s.ResultCount = 0;
  if (input.empty()) return;
  lists.earlierCount = lists.mainCount = lists.variantCount = lists.predictedCount = 0;
  CollectEarlierShown(lists, input.size());
  CollectPredictedChars(lists);
  ScanLookupList(lists, input);
  CollectPredicted(lists);
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
