// The start-up load: settings byte, the six dictionary streams, their headers and indexes,
// the user lexicon and the private-area codes, into SrfState.
#pragma once

#include <string>

namespace dazi {

struct LoadResult {
  bool ok = true;
  std::string message;  // on failure: which file could not be opened, and why
  std::string warning;  // the load went on, but something the user should know went wrong
};

// Runs the whole load in its fixed order. A dictionary file that cannot be opened ends the
// load at that step; the tables of later steps stay empty.
LoadResult LoadDictionaries();

// The srf_pub.cpy part: phrase-key buckets and the initials index.
void LoadPhraseIndex();

// Fills PrivateCodes with the 100 codes of the GBK user-defined area from AAA1.
void BuildPrivateCodes();

}  // namespace dazi
