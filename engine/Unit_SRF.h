// The engine operations of the three input engines.
#pragma once

#include "PinyinEngine.h"
#include "SentenceEngine.h"
#include "KeypadEngine.h"
