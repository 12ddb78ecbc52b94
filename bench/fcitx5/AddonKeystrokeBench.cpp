// Times one keystroke typed through the fcitx5 addon against the same keystroke typed in the
// console, on the generated dictionaries. Both type the letters of nihao and the space that
// commits 你好, again and again; the time is per key. Through the addon a key is a press and
// a release through fcitx5's own key dispatch in a real fcitx5 instance (its test frontend
// makes the input context), with the panel refilled and the commit sent; in the console it is
// a key line parsed, typed and answered with the JSON report.
#include <benchmark/benchmark.h>
#include <fcitx-utils/log.h>
#include <fcitx-utils/testing.h>
#include <fcitx/addonmanager.h>
#include <fcitx/inputcontext.h>
#include <fcitx/inputcontextmanager.h>
#include <fcitx/inputmethodgroup.h>
#include <fcitx/inputmethodmanager.h>
#include <fcitx/instance.h>
#include <stdlib.h>
#include <testfrontend_public.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "bench/support/RealDictionaryBench.h"
#include "engine/user/DataFolder.h"
#include "tools/console/ConsoleSession.h"

namespace {

constexpr std::array<const char*, 6> kKeyNames = {"n", "i", "h", "a", "o", "space"};
constexpr std::array<const char*, 6> kKeyLines = {"n", "i", "h", "a", "o", " "};

std::unique_ptr<fcitx::Instance> instance;
fcitx::InputContext* context = nullptr;

// An fcitx5 instance with the addon of this build tree, its user folder the temporary data
// folder the benchmarks run in.
void StartFcitx5() {
  ::setenv("DAZI_DICTIONARY_DIR", dazi::ExecutableFolder().c_str(), 1);
  ::setenv("XDG_DATA_HOME", std::filesystem::current_path().c_str(), 1);
  fcitx::setupTestingEnvironment(DAZI_BUILD_DIR, {"fcitx5/lib"}, {"fcitx5/data"});
  fcitx::Log::setLogRule("*=2");  // errors only: a daemon does not log every key either
  char arg0[] = "fcitx5_keystroke_bench";
  char arg1[] = "--disable=all";
  char arg2[] = "--enable=testim,testfrontend,dazi";
  char* argv[] = {arg0, arg1, arg2};
  instance = std::make_unique<fcitx::Instance>(3, argv);
  instance->addonManager().registerDefaultLoader(nullptr);
  instance->initialize();
  fcitx::InputMethodGroup group = instance->inputMethodManager().currentGroup();
  group.inputMethodList().clear();
  for (const char* name : {"keyboard-us", "dazi-pinyin"})
    group.inputMethodList().emplace_back(name);
  instance->inputMethodManager().setGroup(std::move(group));
  fcitx::AddonInstance* frontend = instance->addonManager().addon("testfrontend");
  const fcitx::ICUUID uuid = frontend->call<fcitx::ITestFrontend::createInputContext>("bench");
  context = instance->inputContextManager().findByUUID(uuid);
  context->focusIn();
  instance->setCurrentInputMethod(context, "dazi-pinyin", true);
  if (instance->inputMethod(context) != "dazi-pinyin") {
    std::printf("fcitx5_keystroke_bench: the addon did not load\n");
    std::exit(1);
  }
}

void PerKey(benchmark::State& state) {
  state.counters["per_key"] =
      benchmark::Counter(static_cast<double>(state.iterations() * kKeyNames.size()),
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_AddonKeystroke(benchmark::State& state) {
  std::array<fcitx::Key, kKeyNames.size()> keys;
  for (std::size_t i = 0; i < keys.size(); ++i) keys[i] = fcitx::Key(kKeyNames[i]);
  int taken = 0;
  for (auto _ : state) {
    for (const fcitx::Key& key : keys) {
      fcitx::KeyEvent press(context, key, false);
      taken += context->keyEvent(press) ? 1 : 0;
      fcitx::KeyEvent release(context, key, true);
      context->keyEvent(release);
    }
  }
  if (taken != static_cast<int>(state.iterations() * keys.size()))
    state.SkipWithError("a key was passed on: the addon is not typing");
  PerKey(state);
}
BENCHMARK(BM_AddonKeystroke)->Unit(benchmark::kMicrosecond);

void BM_ConsoleKeystroke(benchmark::State& state) {
  dazi::console::ConsoleSession session;
  std::size_t answered = 0;
  for (auto _ : state)
    for (const char* line : kKeyLines) answered += session.HandleLine(line).size();
  benchmark::DoNotOptimize(answered);
  PerKey(state);
}
BENCHMARK(BM_ConsoleKeystroke)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  const int rc =
      dazi::bench::RunOnRealDictionaries(argc, argv, "fcitx5_keystroke_bench", StartFcitx5);
  context = nullptr;
  instance.reset();
  return rc;
}
