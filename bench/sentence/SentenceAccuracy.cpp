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
#include <string>
#include <vector>

#include "bench/sentence/ClauseCorpus.h"
#include "engine/core/EngineGeneration.h"
#include "engine/core/Gbk.h"
#include "engine/core/Unit_Data.h"
#include "engine/model/ModelSentence.h"
#include "engine/sentence/ConvertSentence.h"
#include "engine/startup/DictionaryLoader.h"

namespace dazi {
namespace {

using bench::CharEditDistance;
using bench::Clause;

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
  const std::vector<Clause> clauses = bench::ReadClauses(corpus);
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
