// The whole-sentence walk written out step by step over the plain look-ups (LoadPhraseBlock,
// FindPhrase, FindUserWord, a scan of the user initials), with no index or cache: what the
// conversion must give, and what it costs without them.
#pragma once

#include <string>

namespace dazi::testing {

// Fills SentenceCodes and SentenceCodeCount as ConvertSentence does (not DefaultSentence).
void PlainConvert(const std::string& s);

}  // namespace dazi::testing
