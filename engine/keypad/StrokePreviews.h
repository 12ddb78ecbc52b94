// Next-stroke previews: for each stroke key, the first characters beyond the first page that
// the key would keep.
#pragma once

namespace dazi {

// For each stroke key 1-6, up to four characters beyond the first page that the key would
// bring next (KeypadPreviews, KeypadPreviewCounts).
void BuildStrokePreviews();

}  // namespace dazi
