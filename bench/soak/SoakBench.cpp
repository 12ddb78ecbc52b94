// Long random typing with learning on, on the real dictionaries: the time of N keystrokes
// through the practice controller and through the console (a practice text that costs the
// same per keystroke at any length makes these grow linearly), and a soak of one million
// keystrokes that measures memory and checks the user files every 100 000 keystrokes.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>

#include "bench/soak/RandomKeyLines.h"
#include "bench/support/RealDictionaryBench.h"
#include "engine/core/Unit_Data.h"
#include "engine/dict/DictLayout.h"
#include "engine/startup/DictionaryLoader.h"
#include "engine/user/Learning.h"
#include "tools/console/ConsoleSession.h"
#include "ui/controller/KeyTokens.h"
#include "ui/controller/PracticeController.h"
#include "ui/usercorpus/UserFilesState.h"

namespace dazi {
namespace {

using bench::RandomKeyLines;

constexpr std::uint32_t kSeed = 20261208;

// Empty user files and the state after start-up, so every run learns from nothing.
void StartAfresh() {
  for (const char* name : {kUserLexiconFile, kUserCorpusFile, kSettingsFile})
    std::filesystem::remove(name);
  ResetEngineState();
  ClearCollectedPhrase();
  LoadDictionaries();
}

// Types key lines into the controller as the console does, up to count keystrokes (a
// :command counts as one). Calls check every interval keystrokes; stops when it says false.
template <class Check>
std::size_t TypeKeystrokes(PracticeController& c, RandomKeyLines& lines, std::size_t count,
                           std::size_t interval, Check check) {
  std::size_t typed = 0, nextCheck = interval;
  while (typed < count) {
    const std::string line = lines.Next();
    if (line.front() == ':') {
      if (line == ":class") c.Label15Click();
      if (line == ":method") c.Label14Click();
      if (line == ":pinyin") c.SpeedButtonKXClick(PracticeController::MethodButton::Pinyin);
      if (line == ":punct") c.Label17Click();
      if (line == ":dict") c.SpeedButtonKXZDClick();
      ++typed;
    } else {
      for (const keys::KeyEvent& key : keys::ParseKeys(line).keys) {
        if (key.character != keys::kNoCharacter) c.Edit1KeyPress(static_cast<char>(key.character));
        c.Memo1KeyUp(key.virtualKey);
        ++typed;
      }
    }
    c.TakeNotices();
    if (typed >= nextCheck) {
      nextCheck += interval;
      if (!check(typed)) break;
    }
  }
  return typed;
}

// N keystrokes through the controller: the practice text grows to about N/2 bytes.
void BM_PracticeText(benchmark::State& state) {
  const auto count = static_cast<std::size_t>(state.range(0));
  std::size_t textBytes = 0;
  for (auto _ : state) {
    state.PauseTiming();
    StartAfresh();
    PracticeController controller;
    RandomKeyLines lines(kSeed);
    state.ResumeTiming();
    TypeKeystrokes(controller, lines, count, count, [](std::size_t) { return true; });
    textBytes = controller.OutputText().size();
  }
  state.counters["text_kb"] = static_cast<double>(textBytes) / 1024;
  state.SetItemsProcessed(static_cast<std::int64_t>(count));
}
BENCHMARK(BM_PracticeText)
    ->Arg(50'000)
    ->Arg(100'000)
    ->Arg(200'000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// N characters written into the practice text alone, without the engines: a write must cost
// the same at any length of the text.
void BM_PracticeTextWrites(benchmark::State& state) {
  const auto count = static_cast<std::size_t>(state.range(0));
  const std::string character = "\xD6\xD0";  // 中
  for (auto _ : state) {
    state.PauseTiming();
    PracticeController controller;
    state.ResumeTiming();
    for (std::size_t i = 0; i < count; ++i) controller.WriteOutput(character);
    benchmark::DoNotOptimize(controller.View().memo1Lines.size());
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(count));
}
BENCHMARK(BM_PracticeTextWrites)
    ->Arg(100'000)
    ->Arg(200'000)
    ->Arg(400'000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// The same keys as console lines, each answered with its JSON report.
void BM_ConsoleLines(benchmark::State& state) {
  const auto count = static_cast<std::size_t>(state.range(0));
  std::size_t reportBytes = 0;
  for (auto _ : state) {
    state.PauseTiming();
    StartAfresh();
    console::ConsoleSession session;
    RandomKeyLines lines(kSeed);
    state.ResumeTiming();
    for (std::size_t typed = 0; typed < count;) {
      const std::string line = lines.Next();
      typed += line.front() == ':' ? 1 : keys::ParseKeys(line).keys.size();
      reportBytes = session.HandleLine(line).size();
    }
  }
  state.counters["last_report_kb"] = static_cast<double>(reportBytes) / 1024;
}
BENCHMARK(BM_ConsoleLines)
    ->Arg(50'000)
    ->Arg(100'000)
    ->Arg(200'000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

struct Memory {
  double rssMb = 0;      // resident now
  double peakRssMb = 0;  // resident at most so far
  double heapMb = 0;     // allocated and not freed
};

Memory MeasureMemory() {
  Memory m;
  long pages = 0, resident = 0;
  std::ifstream("/proc/self/statm") >> pages >> resident;
  m.rssMb = static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1048576;
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  m.peakRssMb = static_cast<double>(usage.ru_maxrss) / 1024;
  m.heapMb = static_cast<double>(mallinfo2().uordblks) / 1048576;
  return m;
}

// One million keystrokes; every 100 000 the memory is measured and the user files are read
// back: whole records and lines, every learned word in both files.
void BM_Soak(benchmark::State& state) {
  constexpr std::size_t kKeystrokes = 1'000'000, kInterval = 100'000;
  Memory first, last;
  std::size_t learned = 0, textBytes = 0;
  for (auto _ : state) {
    StartAfresh();
    PracticeController controller;
    RandomKeyLines lines(kSeed);
    std::fprintf(stderr, "%10s %10s %10s %12s %10s %8s %12s\n", "keystrokes", "rss MB", "peak MB",
                 "heap-text MB", "text KB", "words", "CPU us/key");
    bool firstInterval = true;
    std::clock_t intervalStart = std::clock();
    TypeKeystrokes(controller, lines, kKeystrokes, kInterval, [&](std::size_t typed) {
      // The practice text is kept twice (the text and its lines): counted apart, the rest of
      // the heap must stay flat.
      textBytes = controller.OutputText().size();
      Memory now = MeasureMemory();
      now.heapMb -= 2.0 * static_cast<double>(textBytes) / 1048576;
      if (firstInterval) first = now;
      firstInterval = false;
      last = now;
      const UserFilesState files = ReadUserFilesState();
      learned = files.lexiconWords.size();
      const double usPerKey = static_cast<double>(std::clock() - intervalStart) * 1e6 /
                              CLOCKS_PER_SEC / static_cast<double>(kInterval);
      std::fprintf(stderr, "%10zu %10.1f %10.1f %12.2f %10.1f %8zu %12.1f\n", typed, now.rssMb,
                   now.peakRssMb, now.heapMb, static_cast<double>(textBytes) / 1024, learned,
                   usPerKey);
      std::string problem = files.problem;
      for (const std::string& word : files.lexiconWords)
        if (!files.corpusEntries.contains(word))
          problem = "a word of srf_pub.usr is not in srf_pub.dat";
      intervalStart = std::clock();
      if (problem.empty()) return true;
      state.SkipWithError(("after " + std::to_string(typed) + " keystrokes: " + problem).c_str());
      return false;
    });
  }
  state.counters["words_learned"] = static_cast<double>(learned);
  state.counters["text_kb"] = static_cast<double>(textBytes) / 1024;
  state.counters["rss_mb_first"] = first.rssMb;
  state.counters["rss_mb_last"] = last.rssMb;
  state.counters["heap_mb_first"] = first.heapMb;
  state.counters["heap_mb_last"] = last.heapMb;
}
BENCHMARK(BM_Soak)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
}  // namespace dazi

int main(int argc, char** argv) {
  return dazi::bench::RunOnRealDictionaries(argc, argv, "soak_bench", nullptr);
}
