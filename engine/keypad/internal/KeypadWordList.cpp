#include "engine/keypad/internal/KeypadWordList.h"

#include "engine/core/CandidateKinds.h"
#include "engine/core/MethodClass.h"
#include "engine/dict/DictFiles.h"
#include "engine/dict/DictLayout.h"

namespace dazi::keypad {

bool AppendCharacterWordsToPool(int32 u) {
  TLumiskCand& s = SrfState;
  if (s.WordPoolCount >= kWordPoolCapacity) return false;
  if (u < 1 || u > s.WordIndexCount) return true;
  // The variant class offers no dictionary words: its lists are not read at all.
  if (ClassOf(s.MethodClass) == CharClass::Variant) return true;
  const std::size_t chars = static_cast<std::size_t>(s.CharCount);
  const std::size_t index = static_cast<std::size_t>(u);
  std::size_t pos = Dict.zc.ReadU24(ZcWordListPointerPos(chars, index));
  if (pos == 0) return true;
  auto gloss = static_cast<int32>(Dict.zy.ReadU24(ZyFirstGlossNumberPos(chars, index)));
  for (;; ++gloss) {
    const ZcWordRecord word = ReadZcWordRecord(Dict.zc, pos);
    const auto n = static_cast<int>(word.length);
    // The list ends at the first record of another character; the end of the file reads as
    // zeros and ends it too.
    if (!ZcWordStartsWith(Dict.zc, word, static_cast<std::uint32_t>(u))) break;
    if (WordInActiveClass(word.classes, s.MethodClass) && n <= kWordCodeCapacity) {
      if (s.WordPoolCount >= kWordPoolCapacity) return false;
      const int32 w = s.WordPoolCount++;
      s.WordPoolLengths[w] = n;
      s.WordPoolGroups[w] = static_cast<int32>(word.group);
      s.WordPoolPatterns[w] = 0;
      s.WordPoolKinds[w] = kDictionaryWordKind;
      s.WordPoolSerials[w] = gloss;
      for (int j = 0; j < n; ++j)
        s.WordPoolCodes[w][j] =
            static_cast<int32>(Dict.zc.ReadU16(word.codesPos + 2 * static_cast<std::size_t>(j)));
    }
    pos = word.next;
  }
  return s.WordPoolCount < kWordPoolCapacity;
}

}  // namespace dazi::keypad
