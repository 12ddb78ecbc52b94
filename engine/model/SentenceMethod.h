// Which engine makes the default sentence: the rules (longest phrase match, the default) or
// the statistical model ("智能整句"). The choice is kept in its own one-byte file,
// srf_sentence.set (0 rules, 1 model), so that the settings byte of srf_pykx.set keeps exactly
// its documented bits.
#pragma once

namespace dazi {

enum class SentenceMethod { kRules = 0, kModel = 1 };

inline constexpr const char* kSentenceMethodFile = "srf_sentence.set";

// The method in use for this run (the rules until chosen otherwise).
SentenceMethod ActiveSentenceMethod();
void SetSentenceMethod(SentenceMethod method);

// Reads srf_sentence.set of the user folder (engine/core/DataLocation.h): the model when it
// holds 1, else (missing, empty, any other byte) the rules.
SentenceMethod ReadSentenceMethod();
// Writes the choice; false when the file cannot be written.
bool WriteSentenceMethod(SentenceMethod method);

}  // namespace dazi
