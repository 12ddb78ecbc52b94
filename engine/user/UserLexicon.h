// The user lexicon srf_pub.usr (records of character numbers ending in one 0 byte) and the
// user corpus srf_pub.dat (GBK lines, categories and TAB-indented words), both kept in the
// user folder (engine/core/DataLocation.h).
#pragma once

#include <optional>
#include <string>

#include "engine/core/Unit_Data.h"
#include "engine/dict/DictLayout.h"

namespace dazi {

// Creates a missing srf_pub.usr (the single 0 byte) and a missing srf_pub.dat, which gets one
// category holding the words of srf_pub.usr, so that the word-making editor, which rebuilds
// srf_pub.usr from srf_pub.dat, finds them all. A file that exists but cannot be read is left
// alone. Returns what the user should be told (empty when all is well). Needs srf_pub.zc open.
std::string EnsureUserFiles();

// The order in which words were learned, oldest first: records as in srf_pub.usr. It only
// decides which words give way when srf_pub.usr holds more than the tables; a word it lacks
// counts as one the user made.
inline constexpr const char* kLearnedWordsFile = "srf_pub.lrn";

// (Re)loads srf_pub.usr into the user word tables with the readings of each character.
// Words longer than the tables hold are skipped. When more words are left than the tables
// hold, the newest are offered: the oldest learned words (srf_pub.lrn) are left out first,
// then the earliest others. Returns how many words were left out.
int LoadUserLexicon();

// The lexicon bytes with one more record of count character numbers, in place of the final 0
// (after the last whole record when the 0 is missing), then a new final 0.
// Nothing when the word cannot be stored as a record (EncodeUserWord).
std::optional<std::string> LexiconWithRecord(const std::string& lexicon, const int32* codes,
                                             int count);
// The corpus bytes with the line TAB + text added at the end, in CR LF.
std::string CorpusWithLine(const std::string& corpus, const std::string& text);
// The learned-order bytes with this word as the newest (an earlier place of it is dropped),
// keeping only the words the lexicon holds, so the file never outgrows srf_pub.usr.
std::string LearnedWithRecord(const std::string& learned, const std::string& lexicon,
                              const int32* codes, int count);
// Whether the lexicon holds a record of exactly these character numbers.
bool LexiconHasRecord(const std::string& lexicon, const int32* codes, int count);
// Whether the corpus holds an entry line (after its TABs) equal to text.
bool CorpusHasEntry(const std::string& corpus, const std::string& text);

// Appends the collected phrase as one record to the lexicon at path, keeping the final 0. The
// file is rewritten whole through a temporary file; false (nothing written) when it cannot
// be read or written.
bool AppendUserWord(const std::string& path);

// Appends the line TAB + text (GBK) to the corpus at path; the file is rewritten whole
// through a temporary file, so a crash leaves either the old or the new file. A file that
// exists but cannot be read is never replaced (false).
bool AppendCorpusLine(const std::string& path, const std::string& text);

}  // namespace dazi
