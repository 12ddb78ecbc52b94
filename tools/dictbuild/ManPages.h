// Debian's manpages-zh: the Chinese manual pages (compressed troff) as running text, the one
// open source here of how words follow each other in technical writing.
#pragma once

#include <string>
#include <vector>

namespace dazi::dictbuild {

// Every run of table hanzi (HanziIndex) in the "*.gz" pages under dir, files in path order,
// comment lines skipped. Markup is ASCII, so it only ever ends a run. An empty dir gives none.
std::string LoadManPageRuns(const std::string& dir, std::vector<std::vector<int>>* runs);

}  // namespace dazi::dictbuild
