// The characters of one syllable for the correction lookups: the records of srf_pub.py that
// begin with the syllable, characters of the active class, ranked in 3000 slots; exact
// readings (the syllable alone or with its stroke letter) first, then the longer syllables.
// Correcting traditional text offers traditional characters, as typing it does.
#include "engine/pinyin/SyllableCharLookup.h"

#include <vector>

#include "engine/core/TextTrim.h"
#include "engine/core/Unit_Data.h"
#include "engine/dict/DictFiles.h"
#include "engine/dict/DictLayout.h"

namespace dazi {

namespace {

constexpr int kRankSlots = 3000;

struct RankSlot {
  int mark = 0;        // letters of the record's syllable; 0 = empty
  int textLength = 0;  // letters of the record text (syllable and stroke letter)
  int32 charNo = 0;
};

void AppendLookup(int32 charNo) {
  if (SrfState.LookupCount < kLookupCapacity) SrfState.LookupList[SrfState.LookupCount++] = charNo;
}

}  // namespace

void LookupSyllableChars(const std::string& syllable) {
  SrfState.LookupCount = 0;
  if (syllable.empty() || syllable[0] < 'a' || syllable[0] > 'z') return;
  const DictStream& py = Dict.py;
  const std::size_t recordCount = py.ReadU16(kPyCountPos);
  const auto letter = static_cast<std::size_t>(syllable[0] - 'a' + 1);
  const PyLetterRange range = ReadPyLetterRange(py, recordCount, letter);
  const std::size_t first = range.first;
  const std::size_t last = range.last;

  const std::uint32_t classBit = ReadingClassBit(SrfState.MethodClass);
  std::vector<RankSlot> slots(kRankSlots);
  // Record numbers are 1-based and lie within the record count.
  for (std::size_t s = first < 1 ? 1 : first; s <= last && s <= recordCount; ++s) {
    const std::string text = TrimBlanks(py.ReadBytes(PySpellingTextPos(s), kSpellingTextWidth));
    if (!text.starts_with(syllable)) continue;
    const PyListHead list = ReadPyListHead(py, recordCount, s);
    for (std::size_t i = 0; i < list.count; ++i) {
      const PyEntry entry = ReadPyEntry(py, list.pos + kPyEntrySize * i);
      if ((entry.attribute & classBit) == 0) continue;
      const int rank = static_cast<int>(entry.attribute & kAttrRankMask) - 1;
      if (rank < 0 || rank >= kRankSlots || slots[static_cast<std::size_t>(rank)].mark != 0)
        continue;  // ranks outside the slots are dropped; the first record to reach a rank wins
      RankSlot& slot = slots[static_cast<std::size_t>(rank)];
      slot.mark = static_cast<int>(text.size()) - 1;
      slot.textLength = static_cast<int>(text.size());
      slot.charNo = static_cast<int32>(entry.charNo);
    }
  }

  std::vector<int32> longer;
  for (const RankSlot& slot : slots) {
    if (slot.mark <= 0) continue;
    if (slot.textLength > static_cast<int>(syllable.size()) + 1)
      longer.push_back(slot.charNo);
    else
      AppendLookup(slot.charNo);
  }
  for (int32 charNo : longer) AppendLookup(charNo);
}

}  // namespace dazi
