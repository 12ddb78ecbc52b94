// What the user files of the data folder (the current directory) hold, each checked for
// whole records and lines: for checks of a run that writes them (tests, the soak benchmark).
#pragma once

#include <set>
#include <string>

namespace dazi {

// The words of srf_pub.usr (as GBK text; needs srf_pub.zc open), the entries of srf_pub.dat,
// and what is wrong with the two files and srf_pykx.set (one byte): empty when all are
// well-formed.
struct UserFilesState {
  std::multiset<std::string> lexiconWords;
  std::multiset<std::string> corpusEntries;
  std::string problem;
};
UserFilesState ReadUserFilesState();

}  // namespace dazi
