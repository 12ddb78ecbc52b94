// The default sentence from the engine the user chose: the statistical model ("智能整句")
// when it is chosen and can convert the input (a model is loaded, the simplified class), the
// rules otherwise.
#pragma once

#include <string>

#include "engine/model/SentenceMethod.h"

namespace dazi {

// At start, after the dictionaries: maps srf_pub.ngm when the data folder has one and takes
// the method stored in srf_sentence.set.
void StartSentenceMethod();

// The method chosen in the settings dialog (or the console): used from the next conversion
// on and stored in srf_sentence.set. False when the file cannot be written.
bool AcceptSentenceMethod(SentenceMethod method);

// Whether the letters may be converted as a sentence: not when they begin with u, i or v,
// which open the symbol pages.
bool SpellsSentence(const std::string& pinyin);

// ConvertSentence by the chosen engine: fills SentenceCodes, SentenceCodeCount and
// DefaultSentence; empty when the letters spell no sentence.
void MakeDefaultSentence(const std::string& pinyin);

}  // namespace dazi
