#include "bench/sentence/ClauseCorpus.h"

#include <algorithm>
#include <cstdio>
#include <fstream>

#include "engine/core/Gbk.h"

namespace dazi::bench {

std::vector<Clause> ReadClauses(const std::filesystem::path& file) {
  std::vector<Clause> out;
  std::ifstream in(file);
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    const auto tab = line.find('\t');
    const auto tab2 = line.find('\t', tab + 1);
    if (tab == std::string::npos) continue;
    Clause c;
    c.text = line.substr(0, tab);
    for (char ch : line.substr(tab + 1, tab2 - tab - 1))
      if (ch >= 'a' && ch <= 'z') c.pinyin += ch;
    auto gbk = TryGbkFromUtf8(c.text);
    if (!gbk || c.pinyin.empty()) {
      std::fprintf(stderr, "skipping unreadable line: %s\n", line.c_str());
      continue;
    }
    c.gbk = *gbk;
    out.push_back(std::move(c));
  }
  return out;
}

std::vector<Clause> HalfOf(const std::vector<Clause>& clauses, int half) {
  std::vector<Clause> out;
  for (std::size_t i = static_cast<std::size_t>(half); i < clauses.size(); i += 2)
    out.push_back(clauses[i]);
  return out;
}

int CharEditDistance(const std::string& a, const std::string& b) {
  const std::size_t n = a.size() / 2, m = b.size() / 2;
  std::vector<int> row(m + 1);
  for (std::size_t j = 0; j <= m; ++j) row[j] = static_cast<int>(j);
  for (std::size_t i = 1; i <= n; ++i) {
    int diagonal = row[0];
    row[0] = static_cast<int>(i);
    for (std::size_t j = 1; j <= m; ++j) {
      const bool same = a.compare(2 * (i - 1), 2, b, 2 * (j - 1), 2) == 0;
      const int next = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (same ? 0 : 1)});
      diagonal = row[j];
      row[j] = next;
    }
  }
  return row[m];
}

}  // namespace dazi::bench
