// The hand-over of the character table to the user corpus editor: the editor reads
// srf_pub.zc and rewrites srf_pub.usr itself, so the engines let go of the table while it is
// open and take both up again when it closes.
#pragma once

#include <string>

namespace dazi {

// Closes the open srf_pub.zc before the editor opens.
void ReleaseCharTableForEditor();

// Reopens srf_pub.zc and reloads the user lexicon after the editor closed. Empty on success,
// else why the table could not be opened; the lexicon is reloaded either way (its reads of
// the missing table then give 0).
std::string ReopenCharTableAfterEditor();

}  // namespace dazi
