#include "engine/pinyin/PinyinRefresh.h"

#include "engine/candidates/FollowOnWords.h"
#include "engine/pinyin/PinyinLookup.h"
#include "engine/pinyin/ResultPage.h"

namespace dazi {

void RefreshPinyinLookup(const std::string& input) {
  LookupPinyin(input);
  MergeResults();
  BuildCandidatePage();
}

void OfferFollowOnWords(int32 first) {
  FindFollowOnWords(first);
  PredictNextChars();
  SrfState.ResultCount = 0;
  SrfState.PageIndex = 0;
  BuildCandidatePage();
}

}  // namespace dazi
