// The first step of every pinyin keystroke: the symbol and private-character pages, and the
// ordinary lookup that orders the characters of the matching spelling records by rank into
// four groups before handing their characters to the word step.
#include "engine/pinyin/PinyinLookup.h"

#include <algorithm>
#include <cstddef>
#include <string>

#include "engine/core/TextTrim.h"
#include "engine/dict/DictFiles.h"
#include "engine/dict/DictLayout.h"
#include "engine/pinyin/SymbolPages.h"
#include "engine/pinyin/WordPool.h"
#include "engine/pinyin/internal/PinyinScratch.h"

namespace dazi {
namespace {

using pinyin::CurrentPinyinScratch;
using pinyin::kRankSlots;
using pinyin::PinyinScratch;
using pinyin::RankSlot;

// The trimmed text of spelling record s (1-based); the loader keeps them all in memory, and
// a record past them is read from the file.
const std::string& SpellingText(std::uint32_t s) {
  const auto& cached = SrfState.PinyinSyllables;
  if (s >= 1 && s <= cached.size()) return cached[s - 1];
  std::string& uncached = CurrentPinyinScratch().uncachedSpelling;
  uncached = TrimBlanks(Dict.py.ReadBytes(PySpellingTextPos(s), kSpellingTextWidth));
  return uncached;
}

void AppendLookup(int32 c) {
  if (SrfState.LookupCount < kLookupCapacity) SrfState.LookupList[SrfState.LookupCount++] = c;
}

// Lists the indexes of a symbol or private-character page; the words are emptied.
void ListPage(int entries) {
  SrfState.WordPoolCount = 0;
  for (int k = 0; k < entries; ++k) AppendLookup(k);
}

// Fills the rank slots from every spelling record of the input's initial that begins with
// the whole input; the first record to reach a rank keeps it.
void FillRankSlots(const std::string& input) {
  PinyinScratch& scratch = CurrentPinyinScratch();
  for (RankSlot& slot : scratch.rankSlots) slot = RankSlot{};
  const DictStream& py = Dict.py;
  const std::uint32_t s = py.ReadU16(kPyCountPos);
  const std::size_t letter = static_cast<std::size_t>(input[0] - 'a') + 1;
  const PyLetterRange range = ReadPyLetterRange(py, s, letter);
  const std::uint32_t first = range.first;
  const std::uint32_t last =
      std::min(range.last, s);  // record numbers past the table name no spelling
  const std::uint32_t mask = ReadingClassBit(SrfState.MethodClass);
  const int32 charCount = SrfState.CharCount;

  for (std::uint32_t rec = first == 0 ? 1 : first; rec <= last; ++rec) {
    const std::string& text = SpellingText(rec);
    if (text.size() < input.size() || text.compare(0, input.size(), input) != 0) continue;
    const PyListHead list = ReadPyListHead(py, s, rec);
    std::size_t pos = list.pos;
    const int textLength = static_cast<int>(text.size());
    for (std::uint32_t i = 0; i < list.count; ++i, pos += kPyEntrySize) {
      if (pos >= py.Size()) break;  // the rest of the list lies beyond the file
      const PyEntry entry = ReadPyEntry(py, pos);
      const auto charNo = static_cast<int32>(entry.charNo);
      const std::uint32_t attribute = entry.attribute;
      if ((attribute & mask) == 0) continue;
      const auto rank = static_cast<int>(attribute & kAttrRankMask);
      // Ranks outside 1..2500 and numbers outside the character table cannot be shown.
      if (rank < 1 || rank > kRankSlots || charNo < 1 || charNo > charCount) continue;
      RankSlot& slot = scratch.rankSlots[rank - 1];
      if (slot.mark != 0) continue;
      slot = {textLength - 1, textLength, charNo, (attribute & kAttrPriority) != 0};
    }
  }
}

// Walks the slots in rank order and deals each character to its group, then lists the
// groups: predicted, priority, plain, longer.
void OrderByGroups(const std::string& input) {
  PinyinScratch& scratch = CurrentPinyinScratch();
  scratch.predictedGroup.count = scratch.priorityGroup.count = scratch.plainGroup.count =
      scratch.longerGroup.count = 0;
  scratch.predictedSet.Clear();
  int predictedCount = SrfState.PredictedCharCount;
  if (predictedCount > kPredictedCapacity) predictedCount = kPredictedCapacity;
  for (int k = 0; k < predictedCount; ++k) scratch.predictedSet.Insert(SrfState.PredictedChars[k]);

  const int exactLimit = static_cast<int>(input.size()) + 1;
  for (const RankSlot& slot : scratch.rankSlots) {
    if (slot.mark <= 0) continue;
    if (slot.textLength > exactLimit)
      scratch.longerGroup.Append(slot.charNo);
    else if (scratch.predictedSet.Contains(slot.charNo))
      scratch.predictedGroup.Append(slot.charNo);
    else if (slot.priority)
      scratch.priorityGroup.Append(slot.charNo);
    else
      scratch.plainGroup.Append(slot.charNo);
  }
  for (int k = 0; k < scratch.predictedGroup.count; ++k)
    AppendLookup(scratch.predictedGroup.items[k]);
  for (int k = 0; k < scratch.priorityGroup.count; ++k)
    AppendLookup(scratch.priorityGroup.items[k]);
  for (int k = 0; k < scratch.plainGroup.count; ++k) AppendLookup(scratch.plainGroup.items[k]);
  for (int k = 0; k < scratch.longerGroup.count; ++k) AppendLookup(scratch.longerGroup.items[k]);
}

// The distinct characters of LookupList that have a word list, in list order.
void BuildWordStarts() {
  PinyinScratch& scratch = CurrentPinyinScratch();
  scratch.wordStarts.count = 0;
  scratch.startSet.Clear();
  for (int k = 0; k < SrfState.LookupCount; ++k) {
    const int32 c = SrfState.LookupList[k];
    if (c > SrfState.WordIndexCount) continue;
    if (scratch.startSet.Insert(c)) scratch.wordStarts.Append(c);
  }
}

}  // namespace

void LookupPinyin(const std::string& input) {
  SrfState.LookupCount = 0;
  if (input.empty()) return;

  const int page = SymbolPageIndex(input[0]);
  if (page >= 0) {
    if (input.size() > 1 && input[1] == 'a' && input[0] == 'v') {
      ListPage(kPrivateCodeCount);  // FullListBuilt is left as it was
      return;
    }
    ListPage(static_cast<int>(SymbolPages[page].size() / 2));
    SrfState.FullListBuilt = 1;
    return;
  }
  if (input[0] < 'a' || input[0] > 'z') return;  // only letters name an initial

  FillRankSlots(input);
  OrderByGroups(input);
  BuildWordStarts();
  SrfState.WordResultCount = 0;
  if (input.size() == 1) {
    SrfState.WordPoolCount = 0;
    AddUserWordsToPool(SrfState.LookupList, SrfState.LookupCount);
    AddLearnedWordsToPool(SrfState.LookupList, SrfState.LookupCount);
  }
  const auto& starts = CurrentPinyinScratch().wordStarts;
  GatherWords(input, starts.items, starts.count);
  SrfState.FullListBuilt = 1;
}

}  // namespace dazi
