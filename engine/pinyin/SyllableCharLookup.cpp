// The characters of one syllable for the correction lookups: the records of srf_pub.py that
// begin with the syllable, simplified class, ranked in 3000 slots; exact readings (the
// syllable alone or with its stroke letter) first, then the longer syllables.
#include "engine/pinyin/SyllableCharLookup.h"

#include <vector>

#include "engine/core/TextTrim.h"
#include "engine/core/Unit_Data.h"
#include "engine/dict/DictFiles.h"

namespace dazi {

namespace {

constexpr int kRankSlots = 3000;
constexpr std::uint32_t kSimplifiedMask = 0x8000;

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
  const std::size_t recordCount = py.ReadU16(0);
  const auto letter = static_cast<std::size_t>(syllable[0] - 'a' + 1);
  const std::size_t first = py.ReadU16(14 * recordCount + 4 * letter - 2);
  const std::size_t last = py.ReadU16(14 * recordCount + 4 * letter);

  std::vector<RankSlot> slots(kRankSlots);
  // Record numbers are 1-based and lie within the record count.
  for (std::size_t s = first < 1 ? 1 : first; s <= last && s <= recordCount; ++s) {
    const std::string text = TrimBlanks(py.ReadBytes(9 * s - 7, 9));
    if (!text.starts_with(syllable)) continue;
    const std::size_t count = py.ReadU16(9 * recordCount + 5 * s - 3);
    const std::size_t list = py.ReadU24(9 * recordCount + 5 * s - 1);
    for (std::size_t i = 0; i < count; ++i) {
      const std::uint32_t attribute = py.ReadU16(list + 4 * i + 2);
      if ((attribute & kSimplifiedMask) == 0) continue;
      const int rank = static_cast<int>(attribute & 0xFFF) - 1;
      if (rank < 0 || rank >= kRankSlots || slots[static_cast<std::size_t>(rank)].mark != 0)
        continue;  // ranks outside the slots are dropped; the first record to reach a rank wins
      RankSlot& slot = slots[static_cast<std::size_t>(rank)];
      slot.mark = static_cast<int>(text.size()) - 1;
      slot.textLength = static_cast<int>(text.size());
      slot.charNo = static_cast<int32>(py.ReadU16(list + 4 * i));
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
