// The start-up load: settings byte, the six dictionary streams, their headers and indexes,
// the user lexicon and the private-area codes, into SrfState. Also the hand-over of the
// character table to the user corpus editor, which reads srf_pub.zc and rewrites
// srf_pub.usr itself.
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

// Closes the open srf_pub.zc before the user corpus editor opens.
void ReleaseCharTableForEditor();

// Reopens srf_pub.zc and reloads the user lexicon after the editor closed. False (the reason
// in *error) when the table cannot be opened; the lexicon is reloaded either way, its reads of
// the missing table then giving 0.
bool ReopenCharTableAfterEditor(std::string* error = nullptr);

}  // namespace dazi
