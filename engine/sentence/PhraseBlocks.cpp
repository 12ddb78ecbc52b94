// The phrase and initials lists of the word file, and the look-ups in them and in the user
// lexicon, as the correction entry and the tests see them.
#include "engine/sentence/PhraseBlocks.h"

#include "engine/core/MethodClass.h"
#include "engine/dict/DictFiles.h"
#include "engine/dict/DictLayout.h"
#include "engine/sentence/internal/PhraseBlockCache.h"
#include "engine/sentence/internal/SentenceInternals.h"

namespace dazi {

int32 LoadPhraseBlock(const std::string& s) {
  if (s.size() < 4) return -1;
  const auto block = sentence::PhraseBlockFor(s);
  if (!block) return 0;
  sentence::CopyPhraseBlockToState(*block);
  return block->records;
}

int32 LoadAbbrevBlock(const std::string& s) {
  if (s.size() < 2) return -1;
  if (s[0] < 'a' || s[0] > 'z' || s[1] < 'a' || s[1] > 'z') return 0;
  const auto pair = CpyLetterPair(s[0], s[1]);
  const int32 records = SrfState.AbbrevBlockSizes[pair];
  if (records <= 0) return 0;
  TLumiskCand& st = SrfState;
  const DictStream& cpy = Dict.cpy;
  auto pos = static_cast<std::size_t>(st.AbbrevBlockOffsets[pair]);
  st.AbbrevCount = 0;
  for (int32 r = 0; r < records; ++r) {
    const CpyInitialsRecord record = ReadCpyInitialsRecord(cpy, pos);
    const auto length = static_cast<int>(record.length);
    pos = record.next;
    // A full list drops the rest of the block; an entry of the other class is not kept.
    if (st.AbbrevCount >= kAbbrevCapacity || !WordInActiveClass(record.flags, SrfState.MethodClass))
      continue;
    const int32 slot = st.AbbrevCount++;
    st.AbbrevLengths[slot] = length;
    for (int i = 0; i < length; ++i)
      st.AbbrevCodes[slot][i] =
          static_cast<int32>(cpy.ReadU16(record.codesPos + 2 * static_cast<std::size_t>(i)));
    st.AbbrevInitials[slot] = cpy.ReadBytes(record.initialsPos, record.length);
  }
  return records;
}

int32 FindPhrase(const std::string& s) {
  for (int32 i = 0; i < SrfState.PhraseCount && i < kPhraseCapacity; ++i)
    if (SrfState.PhrasePinyin[i] == s) return i;
  return -1;
}

int32 FindAbbrev(const std::string& s) {
  for (int32 i = 0; i < SrfState.AbbrevCount && i < kAbbrevCapacity; ++i)
    if (SrfState.AbbrevInitials[i] == s) return i;
  return -1;
}

int32 FindUserWord(const std::string& s) {
  for (int32 u = 0; u < SrfState.UserWordCount && u < kUserWordCapacity; ++u)
    if (SrfState.UserWordPinyin[u] == s || SrfState.UserWordPinyinAlt[u] == s) return u;
  return -1;
}

}  // namespace dazi
