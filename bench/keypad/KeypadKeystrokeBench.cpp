// Times keypad keystrokes on the real dictionaries: each first stroke, the strokes of 中 one
// by one (the second gathers the word pool, later ones filter it), paging, and a choice that
// offers follow-on words. The dictionaries are read from the executable's folder through a
// temporary data folder, so the user files the load creates stay out of the build.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "bench/support/RealDictionaryBench.h"
#include "engine/Unit_SRF.h"
#include "engine/core/Gbk.h"
#include "engine/dict/DictFiles.h"

namespace dazi {
namespace {

// One keystroke as the keypad refresh runs it.
void Refresh(const std::string& input) {
  SrfState.InputText = input;
  SrfState.PageIndex = 0;
  SrfState.AssociationCount = 0;
  RefreshKeypadLookup(input);
}

void TypeUpTo(const std::string& strokes) {
  for (std::size_t n = 1; n <= strokes.size(); ++n) Refresh(strokes.substr(0, n));
}

// Character number of a UTF-8 character, or 0.
int32 CharNumber(const char* utf8) {
  const std::string gbk = GbkFromUtf8(utf8);
  for (int32 n = 1; n <= SrfState.CharCount; ++n)
    if (CharText(n) == gbk) return n;
  return 0;
}

// The first four strokes of 中's main code.
std::string ZhongStrokes() {
  return StrokeString(ReadStrokeCode(CharNumber("中"), 0)).substr(0, 4);
}

std::string Counts() {
  return std::to_string(SrfState.LookupCount) + " listed, " + std::to_string(SrfState.ResultCount) +
         " results, " + std::to_string(SrfState.WordPoolCount) + " pool words";
}

// Stroke keys 1-6 as a new first stroke: reads that stroke's list from srf_pub.lm.
void BM_FirstStroke(benchmark::State& state) {
  const std::string input(1, static_cast<char>('0' + state.range(0)));
  for (auto _ : state) {
    Refresh(input);
    benchmark::DoNotOptimize(SrfState.CandidateCount);
  }
  state.SetLabel(input + ": " + Counts());
}
BENCHMARK(BM_FirstStroke)->DenseRange(1, 6)->Unit(benchmark::kMicrosecond);

// The n-th stroke of 中, typed after the strokes before it.
void BM_TypeZhongStrokes(benchmark::State& state) {
  const std::string strokes = ZhongStrokes();
  const auto n = static_cast<std::size_t>(state.range(0));
  TypeUpTo(strokes.substr(0, n - 1));
  const std::string input = strokes.substr(0, n);
  for (auto _ : state) {
    Refresh(input);
    benchmark::DoNotOptimize(SrfState.CandidateCount);
  }
  state.SetLabel(input + ": " + Counts());
}
BENCHMARK(BM_TypeZhongStrokes)->DenseRange(1, 4)->Unit(benchmark::kMicrosecond);

// Page through the results of the first two strokes of 中 (a full word pool) and back.
void BM_NextPage(benchmark::State& state) {
  TypeUpTo(ZhongStrokes().substr(0, 2));
  const int32 pages = (SrfState.ResultCount + 3) / 4;
  for (auto _ : state) {
    SrfState.PageIndex = SrfState.PageIndex + 1 < pages ? SrfState.PageIndex + 1 : 0;
    BuildKeypadPage();
    benchmark::DoNotOptimize(SrfState.CandidateCount);
  }
  state.SetLabel(std::to_string(pages) + " pages");
}
BENCHMARK(BM_NextPage)->Unit(benchmark::kMicrosecond);

// Choosing 中: keypad follow-on search, prediction and the follow-on page.
void BM_ChooseWithFollowOnWords(benchmark::State& state) {
  const int32 zhong = CharNumber("中");
  TypeUpTo(ZhongStrokes());
  for (auto _ : state) {
    SrfState.AssocFirstChar = zhong;
    SrfState.AssocPrefix[0] = zhong;
    SrfState.AssocPrefixLength = 1;
    SrfState.FollowOnCount = 0;
    SrfState.ChainCodes[0] = zhong;
    SrfState.ChainLength = 1;
    SrfState.AssociationShown = 0;  // chosen from the typed strokes' page
    SrfState.PageIndex = 0;
    OfferKeypadFollowOnWords(zhong);
    benchmark::DoNotOptimize(SrfState.CandidateCount);
  }
  state.SetLabel(std::to_string(SrfState.AssociationCount) + " follow-on words");
}
BENCHMARK(BM_ChooseWithFollowOnWords)->Unit(benchmark::kMicrosecond);

// The longest input the key handler keeps: nothing matches, every pool word is looked at.
void BM_LongestInput(benchmark::State& state) {
  const std::string strokes = ZhongStrokes();
  TypeUpTo(strokes.substr(0, 2));
  const std::string input = strokes.substr(0, 2) + std::string(kKeypadInputLimit - 2, '1');
  for (auto _ : state) {
    Refresh(input);
    benchmark::DoNotOptimize(SrfState.CandidateCount);
  }
  state.SetLabel(Counts());
}
BENCHMARK(BM_LongestInput)->Unit(benchmark::kMicrosecond);

// The method and switches the benchmarks type with.
void Prepare() {
  SrfState.MethodClass = 3;
  SrfState.CandidatesPerPage = 4;
  SrfState.AutoAssociate = 1;
}

}  // namespace
}  // namespace dazi

int main(int argc, char** argv) {
  return dazi::bench::RunOnRealDictionaries(argc, argv, "keypad_bench", dazi::Prepare);
}
