// The everyday-clause corpus of the sentence benchmarks (data/everyday-clauses.tsv): each
// clause's text and its toneless pinyin, and the character edit distance that scores a
// conversion. Clauses 1, 3, 5, ... form the tuning half, the others the held-out half.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace dazi::bench {

struct Clause {
  std::string text;    // UTF-8
  std::string pinyin;  // letters only
  std::string gbk;
};

// The clauses of file; unreadable lines are reported on stderr and skipped.
std::vector<Clause> ReadClauses(const std::filesystem::path& file);

// The clauses of one half: 0 tuning, 1 held out.
std::vector<Clause> HalfOf(const std::vector<Clause>& clauses, int half);

// Levenshtein distance over two-byte characters (both strings all hanzi, GBK).
int CharEditDistance(const std::string& a, const std::string& b);

}  // namespace dazi::bench
