// The pinyin result list (characters first, then words) and its candidate page of ten slots,
// topped up with follow-on words.
#pragma once

namespace dazi {

// Joins LookupList and WordResults into ResultIds/ResultKinds.
void MergeResults();

// Fills the candidate slots of page PageIndex from the result list, then tops the page up
// with follow-on words.
void BuildCandidatePage();

}  // namespace dazi
