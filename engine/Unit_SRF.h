// The engine operations of the three input engines.
#pragma once

#include "engine/keypad/KeypadEngine.h"
#include "engine/pinyin/PinyinEngine.h"
#include "engine/sentence/SentenceEngine.h"
