// The texts of srf_pub.zy that the candidate slots show: each character's dictionary text and
// English gloss, and the English glosses of the words. Each is a counted text reached through
// a 3-byte position; a position of 0 (or a number outside the tables) gives an empty text.
#pragma once

#include <string>

#include "engine/core/Unit_Data.h"

namespace dazi {

// The dictionary text (GBK) of character c.
std::string CharDictText(int32 c);

// The English gloss of character c.
std::string CharGloss(int32 c);

// The English gloss of gloss number g (WordPoolSerials); empty for 0, which means none.
std::string WordGloss(int32 g);

}  // namespace dazi
