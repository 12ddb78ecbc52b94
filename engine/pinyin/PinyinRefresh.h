// The pinyin engine's steps as the candidate bar runs them: after every change of the typed
// letters, and after a choice that offers follow-on words.
#pragma once

#include <string>

#include "engine/core/Unit_Data.h"

namespace dazi {

// The whole lookup after every change of the letters: LookupPinyin, MergeResults and
// BuildCandidatePage on input (which is InputText).
void RefreshPinyinLookup(const std::string& input);

// The first page of follow-on words after a choice: FindFollowOnWords(first) and
// PredictNextChars, then BuildCandidatePage on page 0 with an empty result list.
void OfferFollowOnWords(int32 first);

}  // namespace dazi
