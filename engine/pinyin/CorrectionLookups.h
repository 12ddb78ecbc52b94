// The correction lookups: the pinyin engine's side of the whole-sentence correction. The
// sentence engine cuts a piece off the typed letters with them, and the Left key shortens or
// re-splits the piece; MergeResults and BuildCandidatePage then show its candidates.
#pragma once

#include "engine/pinyin/CorrectionSplits.h"
#include "engine/pinyin/SyllableCharLookup.h"
#include "engine/pinyin/WordSpellingMatch.h"
