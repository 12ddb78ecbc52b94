// Next-stroke previews: for each stroke key, the characters that the key's first page would
// show and the current one does not.
#pragma once

namespace dazi {

// For each stroke key 1-6, up to four characters that the first page of the input plus that
// stroke will show and the current first page does not (KeypadPreviews, KeypadPreviewCounts).
void BuildStrokePreviews();

}  // namespace dazi
