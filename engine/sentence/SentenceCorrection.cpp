// The Left-key correction of a default sentence: the first word, or else the first
// syllable, of the typed letters becomes the piece whose candidates are offered.
#include "engine/sentence/SentenceCorrection.h"

#include "engine/pinyin/CorrectionLookups.h"
#include "engine/pinyin/ResultPage.h"
#include "engine/pinyin/SyllableTable.h"
#include "engine/sentence/PhraseBlocks.h"

namespace dazi {

int32 LongestPhrasePrefix(const std::string& s) {
  if (s.size() < 4) return 0;
  // A single syllable such as zhuan or xian is never taken for a phrase.
  if (s.size() <= 5 && static_cast<std::size_t>(LongestSyllable(s)) == s.size()) return 0;
  LoadPhraseBlock(s);
  for (std::size_t n = s.size(); n >= 4; --n)
    if (FindPhrase(s.substr(0, n)) >= 0) return static_cast<int32>(n);
  return 0;
}

void StartSentenceCorrection(const std::string& s) {
  TLumiskCand& st = SrfState;
  if (st.InputText.empty()) return;
  const int32 a = LongestPhrasePrefix(s);
  if (a >= 4) {
    PrepareWordPool(st.InputText.substr(0, 1));
    SplitAtWord(st.InputText, a);
    MergeResults();
    BuildCandidatePage();
    if (st.CandidateCount == 0) {
      // Only the word file knows the phrase: fall back to the first syllable.
      SplitFirstSyllable(st.InputText + st.RemainingInput);
      MergeResults();
      BuildCandidatePage();
    }
    return;
  }
  if (st.InputText.size() > 3) PrepareWordPool(st.InputText.substr(0, 1));
  const int32 b = SplitFirstSyllable(st.InputText);
  if (b == 4 || b == 5) SplitAtWord(st.InputText + st.RemainingInput, b);
  MergeResults();
  BuildCandidatePage();
}

}  // namespace dazi
