// The user lexicon srf_pub.usr (records of character numbers ending in one 0 byte) and the
// user corpus srf_pub.dat (GBK lines, categories and TAB-indented words), both kept in the
// data folder, which is the current directory.
#pragma once

#include <string>

#include "engine/dict/DictLayout.h"

namespace dazi {

// Creates a missing srf_pub.usr (the single 0 byte) and a missing srf_pub.dat (one category
// line). False when a missing file could not be created.
bool EnsureUserFiles();

// (Re)loads srf_pub.usr into the user word tables with the readings of each character.
// Words longer than the tables hold and words beyond the 4001st are skipped.
void LoadUserLexicon();

// Appends the collected phrase as one record to the existing lexicon at path, keeping the
// final 0. The file is rewritten whole through a temporary file, like the corpus below.
bool AppendUserWord(const std::string& path);

// Appends the line TAB + text (GBK) to the corpus at path; the file is rewritten whole
// through a temporary file, so a crash leaves either the old or the new file.
bool AppendCorpusLine(const std::string& path, const std::string& text);

}  // namespace dazi
