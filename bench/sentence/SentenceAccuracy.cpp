// How often the whole-sentence conversion gets everyday text right: converts the toneless
// pinyin of each clause of a corpus with the real dictionaries (simplified class, empty user
// lexicon) and compares the default sentence with the text. The first, third, fifth ...
// clauses are the tuning half, the others are held out; both halves are reported. With
// --sentence model the statistical engine (srf_pub.ngm) converts instead of the rules.
//
//   sentence_accuracy [--dict DIR] [--corpus FILE] [--worst N] [--all] [--sentence rules|model]
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/core/EngineGeneration.h"
#include "engine/core/Gbk.h"
#include "engine/core/Unit_Data.h"
#include "engine/model/ModelSentence.h"
#include "engine/sentence/SentenceEngine.h"
#include "engine/startup/DictionaryLoader.h"

namespace dazi {
namespace {

struct Clause {
  std::string text;    // UTF-8
  std::string pinyin;  // letters only
  std::string gbk;
};

struct Result {
  const Clause* clause = nullptr;
  std::string output;  // GBK
  int errors = 0;      // edit distance in characters
};

struct Tally {
  long chars = 0;
  long errors = 0;
  int clauses = 0;
  int exact = 0;
};

std::vector<Clause> ReadCorpus(const std::filesystem::path& file) {
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

// Levenshtein distance over two-byte characters (both strings are all hanzi).
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

void PrintTally(const char* name, const Tally& t) {
  const double chars = static_cast<double>(t.chars);
  std::printf("%-9s clauses %4d  characters %5ld  character accuracy %5.1f%%  exact %5.1f%%\n",
              name, t.clauses, t.chars, 100.0 * (chars - static_cast<double>(t.errors)) / chars,
              100.0 * t.exact / t.clauses);
}

void PrintResult(const Result& r) {
  std::printf("  %2d  %s -> %s  (%s)\n", r.errors, r.clause->text.c_str(),
              Utf8FromGbk(r.output).c_str(), r.clause->pinyin.c_str());
}

int Run(int argc, char** argv) {
  std::filesystem::path dict = DAZI_DEFAULT_DICT_DIR;
  std::filesystem::path corpus = DAZI_DEFAULT_CORPUS;
  int worst = 20;
  bool all = false;
  bool model = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--dict" && i + 1 < argc)
      dict = argv[++i];
    else if (arg == "--corpus" && i + 1 < argc)
      corpus = argv[++i];
    else if (arg == "--worst" && i + 1 < argc)
      worst = std::atoi(argv[++i]);
    else if (arg == "--all")
      all = true;
    else if (arg == "--sentence" && i + 1 < argc &&
             (argv[i + 1] == std::string("rules") || argv[i + 1] == std::string("model")))
      model = argv[++i] == std::string("model");
    else {
      std::fprintf(stderr,
                   "usage: %s [--dict DIR] [--corpus FILE] [--worst N] [--all] "
                   "[--sentence rules|model]\n",
                   argv[0]);
      return 2;
    }
  }
  corpus = std::filesystem::absolute(corpus);
  const std::vector<Clause> clauses = ReadCorpus(corpus);
  if (clauses.empty()) {
    std::fprintf(stderr, "no clauses in %s\n", corpus.string().c_str());
    return 1;
  }
  std::error_code ec;
  std::filesystem::current_path(dict, ec);
  if (ec || !LoadDictionaries().ok) {
    std::fprintf(stderr, "cannot load the dictionaries in %s\n", dict.string().c_str());
    return 1;
  }
  SrfState.MethodClass = 0;
  SrfState.UserWordCount = 0;
  AdvanceEngineGeneration();  // the user words are gone for the conversions below
  std::string error;
  if (model && !LoadSentenceModel(&error)) {
    std::fprintf(stderr, "cannot load the sentence model in %s: %s\n", dict.string().c_str(),
                 error.c_str());
    return 1;
  }

  Tally halves[2];
  std::vector<Result> tuning;
  for (std::size_t i = 0; i < clauses.size(); ++i) {
    Result r{&clauses[i], {}, 0};
    if (!model || !ConvertSentenceByModel(clauses[i].pinyin)) ConvertSentence(clauses[i].pinyin);
    r.output = SrfState.DefaultSentence;
    r.errors = CharEditDistance(clauses[i].gbk, r.output);
    Tally& t = halves[i % 2];
    t.chars += static_cast<long>(clauses[i].gbk.size() / 2);
    t.errors += std::min<long>(r.errors, static_cast<long>(clauses[i].gbk.size() / 2));
    ++t.clauses;
    t.exact += r.output == clauses[i].gbk;
    if (all) PrintResult(r);
    if (i % 2 == 0) tuning.push_back(r);
  }
  PrintTally("tuning", halves[0]);
  PrintTally("held-out", halves[1]);
  std::stable_sort(tuning.begin(), tuning.end(),
                   [](const Result& a, const Result& b) { return a.errors > b.errors; });
  if (worst > 0) std::printf("worst clauses of the tuning half:\n");
  for (int i = 0; i < worst && i < static_cast<int>(tuning.size()); ++i) PrintResult(tuning[i]);
  return 0;
}

}  // namespace
}  // namespace dazi

int main(int argc, char** argv) {
  return dazi::Run(argc, argv);
}
