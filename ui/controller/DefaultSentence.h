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

// ConvertSentence by the chosen engine: fills SentenceCodes, SentenceCodeCount and
// DefaultSentence.
void MakeDefaultSentence(const std::string& pinyin);

}  // namespace dazi
