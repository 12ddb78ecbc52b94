// The whole-sentence engine: converts a long run of pinyin letters into one default sentence
// (DefaultSentence) and lets the Left key correct it piece by piece from its left end, with the
// correction lookups of the pinyin engine. Plain functions over SrfState, run to completion on
// the user-interface thread.
#pragma once

#include "engine/sentence/ConvertSentence.h"
#include "engine/sentence/DefaultSyllableChar.h"
#include "engine/sentence/PhraseBlocks.h"
#include "engine/sentence/SentenceCorrection.h"
