// Keys needed on the keypad: for the 3000 most frequent simplified characters (Jun Da's
// list), the fewest keys (strokes plus page turns) that bring each character onto the page
// being shown, typing any of its codes through the keypad engine on the generated
// dictionaries. Reports the mean, the 90th percentile, how many need more than 8 keys and
// the most any needs.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "bench/support/RealDictionaryBench.h"
#include "engine/Unit_SRF.h"
#include "engine/core/CandidateKinds.h"
#include "engine/core/Gbk.h"
#include "engine/dict/DictFiles.h"
#include "engine/keypad/KeypadEngine.h"

namespace dazi {
namespace {

constexpr std::size_t kCharacters = 3000;
constexpr int kPerPage = 4;

void Refresh(const std::string& input) {
  SrfState.InputText = input;
  SrfState.PageIndex = 0;
  SrfState.AssociationCount = 0;
  RefreshKeypadLookup(input);
}

// Character numbers of the most frequent simplified characters, by Jun Da's ranks.
std::vector<int32> FrequentSimplified() {
  std::map<std::string, int32> numberOf;
  for (int32 n = 1; n <= SrfState.CharCount; ++n) numberOf[CharText(n)] = n;
  std::set<int32> simplified;  // every character some first-stroke list offers in class 1
  SrfState.MethodClass = 3;
  for (char d = '1'; d <= '6'; ++d) {
    LoadFirstStrokeList(std::string(1, d));
    for (int32 i = 0; i < SrfState.LookupCount; ++i) simplified.insert(SrfState.LookupList[i]);
  }
  std::ifstream in(DAZI_JUNDA_FILE);
  std::vector<int32> out;
  std::string line;
  while (std::getline(in, line) && out.size() < kCharacters) {
    std::istringstream fields(line);
    std::string rank, utf8;
    if (!std::getline(fields, rank, '\t') || !std::getline(fields, utf8, '\t')) continue;
    auto it = numberOf.find(GbkFromUtf8(utf8));
    if (it != numberOf.end() && simplified.count(it->second)) out.push_back(it->second);
  }
  return out;
}

struct KeysNeeded {
  std::vector<int> keys;  // per character; a large number when no code brings it
};

// Types every prefix of every code of the characters once, in lexicographic order: each
// prefix then follows the strokes typed before it, as the engine's memory of earlier first
// pages expects, and a character's cost is the least stroke count plus page turns at which
// it shows.
KeysNeeded Simulate(const std::vector<int32>& chars) {
  std::map<int32, int> best;
  std::set<std::string> prefixes;
  for (int32 n : chars) {
    best[n] = 1000;
    for (int r = 0; r < kStrokeCodeVariants; ++r) {
      std::string code = StrokeString(ReadStrokeCode(n, r));
      code = code.substr(0, code.find('0'));
      for (std::size_t k = 1; k <= code.size(); ++k) prefixes.insert(code.substr(0, k));
    }
  }
  for (const std::string& input : prefixes) {
    Refresh(input);
    const int strokes = static_cast<int>(input.size());
    for (int32 i = 0; i < SrfState.ResultCount; ++i) {
      if (!IsKeypadCharacterKind(SrfState.ResultKinds[i])) continue;
      auto it = best.find(SrfState.ResultIds[i]);
      if (it != best.end()) it->second = std::min(it->second, strokes + i / kPerPage);
    }
  }
  KeysNeeded out;
  for (int32 n : chars) out.keys.push_back(best[n]);
  return out;
}

void BM_KeysNeededForFrequentCharacters(benchmark::State& state) {
  const std::vector<int32> chars = FrequentSimplified();
  KeysNeeded result;
  for (auto _ : state) {
    result = Simulate(chars);
    benchmark::DoNotOptimize(result.keys.data());
  }
  std::vector<int> sorted = result.keys;
  std::sort(sorted.begin(), sorted.end());
  double sum = 0;
  int over8 = 0;
  for (int k : sorted) {
    sum += k;
    if (k > 8) ++over8;
  }
  const double mean = sorted.empty() ? 0 : sum / static_cast<double>(sorted.size());
  const int p90 = sorted.empty() ? 0 : sorted[sorted.size() * 9 / 10];
  const int most = sorted.empty() ? 0 : sorted.back();
  state.counters["chars"] = static_cast<double>(sorted.size());
  state.counters["mean_keys"] = mean;
  state.counters["p90_keys"] = p90;
  state.counters["over_8"] = over8;
  state.counters["max_keys"] = most;
  std::printf(
      "keys needed for %zu frequent simplified characters: mean %.2f, p90 %d, >8: %d, max %d\n",
      sorted.size(), mean, p90, over8, most);
  if (std::getenv("DAZI_KEYS_WORST")) {
    std::vector<std::pair<int, int32>> worst;
    for (std::size_t i = 0; i < chars.size(); ++i) worst.push_back({result.keys[i], chars[i]});
    std::sort(worst.rbegin(), worst.rend());
    for (std::size_t i = 0; i < worst.size() && i < 40; ++i)
      std::printf("  %s %d %s\n", Utf8FromGbk(CharText(worst[i].second)).c_str(), worst[i].first,
                  StrokeString(ReadStrokeCode(worst[i].second, 0)).c_str());
  }
}
BENCHMARK(BM_KeysNeededForFrequentCharacters)->Iterations(1)->Unit(benchmark::kMillisecond);

// The method and switches of the simulated typing.
void Prepare() {
  SrfState.MethodClass = 3;
  SrfState.CandidatesPerPage = kPerPage;
  SrfState.AutoAssociate = 0;
}

}  // namespace
}  // namespace dazi

int main(int argc, char** argv) {
  return dazi::bench::RunOnRealDictionaries(argc, argv, "keypad_keys_bench", dazi::Prepare);
}
