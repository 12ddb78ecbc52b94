// The stroke keypad engine KX: stroke-digit input ("1".."6", or a lone "/" or "*" for the two
// punctuation pages) turned into ordered character and word candidates, pages of four, the
// next-stroke previews and the follow-on words offered after a choice. Plain functions over
// SrfState; every call runs to completion on the user-interface thread.
#pragma once

#include "engine/core/CandidateKinds.h"
#include "engine/keypad/KeypadFollowOn.h"
#include "engine/keypad/KeypadPage.h"
#include "engine/keypad/KeypadRefresh.h"
#include "engine/keypad/KeypadUserWords.h"
#include "engine/keypad/StrokeCodes.h"
#include "engine/keypad/StrokeLookup.h"
#include "engine/keypad/StrokePreviews.h"
#include "engine/keypad/StrokeWords.h"
