// Times single pinyin keystrokes on the real dictionaries: the one-letter lookups that
// rebuild the word pool, each letter of zhongguo, paging, and a choice that offers
// follow-on words. The dictionaries are read from the executable's folder through a
// temporary data folder, so the user files the load creates stay out of the build.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "bench/support/RealDictionaryBench.h"
#include "engine/core/Gbk.h"
#include "engine/dict/DictFiles.h"
#include "engine/pinyin/PinyinEngine.h"

namespace dazi {
namespace {

// One keystroke as the candidate bar runs it.
void Refresh(const std::string& input) {
  SrfState.InputText = input;
  SrfState.PageIndex = 0;
  SrfState.AssociationCount = 0;
  RefreshPinyinLookup(input);
}

void TypeUpTo(const std::string& letters) {
  for (std::size_t n = 1; n <= letters.size(); ++n) Refresh(letters.substr(0, n));
}

// The first slot that shows text (GBK), or -1.
int SlotOf(const std::string& gbk) {
  for (int s = 0; s < SrfState.CandidateCount; ++s)
    if (SrfState.CandidateTexts[s] == gbk) return s;
  return -1;
}

// Letters a..z: a new first letter, which rebuilds the word pool (u, i, v: symbol pages).
void BM_OneLetterLookup(benchmark::State& state) {
  const std::string input(1, static_cast<char>('a' + state.range(0)));
  for (auto _ : state) {
    Refresh(input);
    benchmark::DoNotOptimize(SrfState.CandidateCount);
  }
  state.SetLabel(input + ": " + std::to_string(SrfState.WordPoolCount) + " pool words, " +
                 std::to_string(SrfState.ResultCount) + " results");
}
BENCHMARK(BM_OneLetterLookup)->DenseRange(0, 25)->Unit(benchmark::kMicrosecond);

// The n-th letter of zhongguo, typed after the letters before it.
void BM_TypeZhongguo(benchmark::State& state) {
  const std::string word = "zhongguo";
  const auto n = static_cast<std::size_t>(state.range(0));
  TypeUpTo(word.substr(0, n - 1));
  const std::string input = word.substr(0, n);
  for (auto _ : state) {
    Refresh(input);
    benchmark::DoNotOptimize(SrfState.CandidateCount);
  }
  state.SetLabel(input + ": " + std::to_string(SrfState.ResultCount) + " results");
}
BENCHMARK(BM_TypeZhongguo)->DenseRange(1, 8)->Unit(benchmark::kMicrosecond);

// Page down through the results of s (the largest pool), and back to the first page.
void BM_NextPage(benchmark::State& state) {
  TypeUpTo("s");
  const int32 pages = (SrfState.ResultCount + 9) / 10;
  for (auto _ : state) {
    SrfState.PageIndex = SrfState.PageIndex + 1 < pages ? SrfState.PageIndex + 1 : 0;
    BuildCandidatePage();
    benchmark::DoNotOptimize(SrfState.CandidateCount);
  }
  state.SetLabel(std::to_string(pages) + " pages");
}
BENCHMARK(BM_NextPage)->Unit(benchmark::kMicrosecond);

// Choosing 中 after zhong: follow-on search, prediction and the follow-on page.
void BM_ChooseWithFollowOnWords(benchmark::State& state) {
  TypeUpTo("zhong");
  const int slot = SlotOf(GbkFromUtf8("中"));
  if (slot < 0) {
    state.SkipWithError("zhong does not offer 中 on its first page");
    return;
  }
  const int32 zhong = SrfState.CandidateFirstCodes[slot];
  for (auto _ : state) {
    SrfState.AssocFirstChar = zhong;
    SrfState.AssocPrefix[0] = zhong;
    SrfState.AssocPrefixLength = 1;
    SrfState.FollowOnCount = 0;
    SrfState.ChainCodes[0] = zhong;
    SrfState.ChainLength = 1;
    OfferFollowOnWords(zhong);
    benchmark::DoNotOptimize(SrfState.CandidateCount);
  }
  state.SetLabel(std::to_string(SrfState.AssociationCount) + " follow-on words");
}
BENCHMARK(BM_ChooseWithFollowOnWords)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace dazi

int main(int argc, char** argv) {
  return dazi::bench::RunOnRealDictionaries(argc, argv, "pinyin_bench", nullptr);
}
