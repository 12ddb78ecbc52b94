// The pinyin candidate engine: character lookup, the word pool and its filtering, the merged
// result list, the candidate page, the follow-on words offered after a choice and the
// correction lookups. Plain functions over SrfState; every call runs to completion on the
// user-interface thread.
#pragma once

#include "engine/candidates/FollowOnWords.h"
#include "engine/pinyin/CorrectionLookups.h"
#include "engine/pinyin/PinyinLookup.h"
#include "engine/pinyin/PinyinRefresh.h"
#include "engine/pinyin/ResultPage.h"
#include "engine/pinyin/SyllableTable.h"
#include "engine/pinyin/SymbolPages.h"
#include "engine/pinyin/WordPool.h"
