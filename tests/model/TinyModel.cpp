#include "tests/model/TinyModel.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "engine/pinyin/SyllableTable.h"

namespace dazi::testing {
namespace {

std::vector<int> Syllables(const std::string& text) {
  std::vector<int> out;
  std::istringstream in(text);
  std::string s;
  while (in >> s) {
    const int index = FindSyllable(s.data(), static_cast<int>(s.size()));
    if (index < 0) throw std::invalid_argument("not a syllable: " + s);
    out.push_back(index);
  }
  return out;
}

}  // namespace

std::uint32_t TinyModel::Word(const std::vector<int>& chars, const std::string& syllables,
                              double cost) {
  const auto id = static_cast<std::uint32_t>(tables.words.size());
  tables.words.emplace_back(chars.begin(), chars.end());
  tables.unigrams.push_back({cost, 0, {}});
  tables.spellings.push_back({id, Syllables(syllables), 0});
  return id;
}

void TinyModel::Spelling(std::uint32_t word, const std::string& syllables, double readingCost) {
  tables.spellings.push_back({word, Syllables(syllables), readingCost});
}

void TinyModel::Backoff(std::uint32_t word, double bits) {
  tables.unigrams.at(word).backoff = bits;
}

void TinyModel::Bigram(std::uint32_t first, std::uint32_t second, double cost) {
  tables.unigrams.at(first).bigrams.push_back({second, cost});
}

void TinyModel::Trigram(std::uint32_t first, std::uint32_t second, std::uint32_t third, double cost,
                        double historyBackoff) {
  for (auto& h : tables.histories) {
    if (h.first == first && h.second == second) {
      h.trigrams.push_back({third, cost});
      h.backoff = historyBackoff;
      return;
    }
  }
  tables.histories.push_back({first, second, historyBackoff, {{third, cost}}});
}

std::string TinyModel::Bytes() const {
  std::string bytes;
  if (std::string error = dictbuild::LayOutSentenceModel(tables, &bytes); !error.empty())
    throw std::runtime_error(error);
  return bytes;
}

void TinyModel::Write(const std::string& path) const {
  std::ofstream(path, std::ios::binary) << Bytes();
}

}  // namespace dazi::testing
