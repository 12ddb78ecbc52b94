// The engine operations of the three input engines.
#pragma once

#include "KeypadEngine.h"
#include "PinyinEngine.h"
#include "SentenceEngine.h"
