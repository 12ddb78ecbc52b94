#include "engine/sentence/DefaultSyllableChar.h"

#include <cstring>

#include "engine/pinyin/SyllableTable.h"
#include "engine/sentence/internal/SentenceInternals.h"

namespace dazi {

int32 AppendSyllableChar(std::string_view s) {
  SrfState.WordSplitActive = 0;
  if (s.empty() || s[0] < 'a' || s[0] > 'z') return s.empty() ? 0 : 1;  // no group: skip the byte
  int index = LeadingSyllableIndex(s);
  int32 consumed = 0;
  if (index >= 0) {
    consumed = static_cast<int32>(std::strlen(SyllableTable[index]));
  } else {
    // No syllable begins here: the group's stored first index stands in (i gives the
    // default of "jiang", u and v that of "wang").
    index = SyllableRanges[s[0] - 'a'][0];
    consumed = 1;
  }
  const int32 code = SyllableDefaultChars[index][sentence::DefaultCharColumn()];
  sentence::AppendSentenceCodes(&code, 1);
  return consumed;
}

}  // namespace dazi
