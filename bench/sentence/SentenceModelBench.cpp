// Both whole-sentence engines on the everyday-clause corpus with the generated dictionaries
// and sentence model: accuracy (characters and whole clauses) and time per sentence on the
// tuning and the held-out half, and the statistical engine's time per keystroke as a clause
// is typed letter by letter (each key one decoding step on the grown lattice).
//
//   sentence_model_bench [benchmark options]    (DAZI_CORPUS overrides the corpus file)
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "bench/sentence/ClauseCorpus.h"
#include "bench/support/RealDictionaryBench.h"
#include "engine/core/EngineGeneration.h"
#include "engine/core/Unit_Data.h"
#include "engine/model/ModelFormat.h"
#include "engine/model/ModelSentence.h"
#include "engine/pinyin/SyllableTable.h"
#include "engine/sentence/ConvertSentence.h"
#include "engine/user/DataFolder.h"

namespace dazi::bench {
namespace {

std::vector<Clause> halves[2];
bool modelLoaded = false;

// Resident memory in MB, from /proc/self/status.
double ResidentMegabytes() {
  std::ifstream status("/proc/self/status");
  std::string key;
  while (status >> key) {
    if (key == "VmRSS:") {
      double kb = 0;
      status >> kb;
      return kb / 1024;
    }
    status.ignore(1 << 12, '\n');
  }
  return 0;
}

double startMegabytes = 0;

void Prepare() {
  const char* env = std::getenv("DAZI_CORPUS");
  const std::vector<Clause> all = ReadClauses(env ? env : DAZI_DEFAULT_CORPUS);
  halves[0] = HalfOf(all, 0);
  halves[1] = HalfOf(all, 1);
  std::error_code ec;
  std::filesystem::create_symlink(std::filesystem::path(ExecutableFolder()) / model::kModelFileName,
                                  model::kModelFileName, ec);
  modelLoaded = LoadSentenceModel();
  startMegabytes = ResidentMegabytes();
  SrfState.MethodClass = 0;
  SrfState.UserWordCount = 0;
  AdvanceEngineGeneration();
}

void Convert(bool byModel, const std::string& pinyin) {
  if (!byModel || !ConvertSentenceByModel(pinyin)) ConvertSentence(pinyin);
}

// range(0): 0 rules, 1 model; range(1): 0 tuning half, 1 held-out half.
void BM_CorpusSentences(benchmark::State& state) {
  const bool byModel = state.range(0) == 1;
  const std::vector<Clause>& clauses = halves[state.range(1)];
  if (clauses.empty() || (byModel && !modelLoaded)) {
    state.SkipWithError("no corpus or no sentence model");
    return;
  }
  long chars = 0, errors = 0, exact = 0;
  for (auto _ : state) {
    chars = errors = exact = 0;
    for (const Clause& c : clauses) {
      Convert(byModel, c.pinyin);
      const long length = static_cast<long>(c.gbk.size() / 2);
      chars += length;
      errors += std::min<long>(length, CharEditDistance(c.gbk, SrfState.DefaultSentence));
      exact += SrfState.DefaultSentence == c.gbk;
    }
  }
  const auto n = static_cast<double>(clauses.size());
  state.counters["char_acc_%"] =
      100.0 * static_cast<double>(chars - errors) / static_cast<double>(chars);
  state.counters["clause_acc_%"] = 100.0 * static_cast<double>(exact) / n;
  state.counters["per_sentence"] = benchmark::Counter(
      n, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
  state.counters["start_rss_MB"] = startMegabytes;
  state.SetLabel(std::string(byModel ? "model" : "rules") +
                 (state.range(1) ? " held-out" : " tuning"));
}
BENCHMARK(BM_CorpusSentences)->ArgsProduct({{0, 1}, {0, 1}})->Unit(benchmark::kMillisecond);

// Fills the user lexicon with count words of two to four random syllables.
void FillUserWords(int count) {
  std::mt19937 random(3);
  SrfState.UserWordCount = count;
  for (int i = 0; i < count; ++i) {
    const int length = 2 + static_cast<int>(random() % 3);
    std::string pinyin, initials;
    for (int k = 0; k < length; ++k) {
      const char* syllable = SyllableTable[random() % kSyllableCount];
      pinyin += syllable;
      initials += syllable[0];
      SrfState.UserWordCodes[i][k] = 1 + static_cast<int>(random() % 3000);
    }
    SrfState.UserWordLengths[i] = length;
    SrfState.UserWordPinyin[i] = SrfState.UserWordPinyinAlt[i] = pinyin;
    SrfState.UserWordInitials[i] = initials;
  }
  AdvanceEngineGeneration();  // the user word tables were rewritten
}

// Every clause of the tuning half typed key by key; range(0): clauses joined into inputs of
// up to this many letters (99, the longest input, shows that a key costs the same at the end
// of a long input as at its start); range(1): words in the user lexicon.
void BM_ModelKeystroke(benchmark::State& state) {
  if (!modelLoaded) {
    state.SkipWithError("no sentence model");
    return;
  }
  FillUserWords(static_cast<int>(state.range(1)));
  std::vector<std::string> inputs;
  std::string joined;
  for (const Clause& c : halves[0]) {
    if (!joined.empty() &&
        joined.size() + c.pinyin.size() > static_cast<std::size_t>(state.range(0))) {
      inputs.push_back(joined);
      joined.clear();
    }
    joined += c.pinyin.substr(0, static_cast<std::size_t>(state.range(0)));
  }
  inputs.push_back(joined);
  long keys = 0;
  for (auto _ : state) {
    keys = 0;
    for (const std::string& input : inputs) {
      for (std::size_t n = 1; n <= input.size(); ++n) {
        ConvertSentenceByModel(input.substr(0, n));
        ++keys;
      }
    }
  }
  state.counters["per_key"] =
      benchmark::Counter(static_cast<double>(keys), benchmark::Counter::kIsIterationInvariantRate |
                                                        benchmark::Counter::kInvert);
  FillUserWords(0);
}
BENCHMARK(BM_ModelKeystroke)
    ->Args({20, 0})
    ->Args({99, 0})
    ->Args({99, 4000})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace dazi::bench

int main(int argc, char** argv) {
  return dazi::bench::RunOnRealDictionaries(argc, argv, "sentence_model_bench",
                                            dazi::bench::Prepare);
}
