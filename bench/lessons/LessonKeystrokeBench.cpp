// What a lesson adds to a keystroke: the same keys (zhongguo, a choice that writes 中国 and
// two Backspaces) typed in free practice and in a lesson, after 500 characters are written,
// so the lesson compares a long practice text on every key.
#include <benchmark/benchmark.h>

#include "bench/support/RealDictionaryBench.h"
#include "ui/controller/PracticeController.h"
#include "ui/lessons/LessonPractice.h"

namespace dazi {
namespace {

constexpr int kWrittenWords = 250;
constexpr int kVirtualKeyA = 65;
constexpr int kVirtualKey1 = 49;
constexpr int kVirtualKeyBack = 8;

struct Key {
  char character;
  int virtualKey;
};

std::vector<Key> CycleKeys() {
  std::vector<Key> keys;
  for (const char c : std::string("zhongguo")) keys.push_back({c, kVirtualKeyA + (c - 'a')});
  keys.push_back({'1', kVirtualKey1});
  keys.push_back({'\b', kVirtualKeyBack});
  keys.push_back({'\b', kVirtualKeyBack});
  return keys;
}

lessons::Lesson LongLesson() {
  lessons::Lesson lesson;
  lesson.id = "bench";
  lesson.title = "bench";
  for (int line = 0; line < kWrittenWords / 10 + 2; ++line) {
    std::string text;
    for (int word = 0; word < 10; ++word) text += "中国";
    lesson.lines.push_back(text);
  }
  return lesson;
}

// Types the keys through send(character, virtualKey).
template <typename Send>
void TypeWords(int words, Send send) {
  const std::vector<Key> keys = CycleKeys();
  for (int w = 0; w < words; ++w)
    for (std::size_t k = 0; k + 2 < keys.size(); ++k) send(keys[k]);
}

void BM_FreeTypingKeystroke(benchmark::State& state) {
  PracticeController controller;
  auto send = [&](const Key& key) {
    controller.Edit1KeyPress(key.character);
    controller.Memo1KeyUp(key.virtualKey);
  };
  TypeWords(kWrittenWords, send);
  const std::vector<Key> keys = CycleKeys();
  for (auto _ : state)
    for (const Key& key : keys) send(key);
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * keys.size()));
}
BENCHMARK(BM_FreeTypingKeystroke)->Unit(benchmark::kMicrosecond);

void BM_LessonKeystroke(benchmark::State& state) {
  PracticeController controller;
  lessons::LessonPractice practice(controller, "bench-history.sqlite");
  practice.Start(LongLesson());
  auto send = [&](const Key& key) {
    practice.KeyPress(key.character);
    practice.KeyUp(key.virtualKey);
  };
  TypeWords(kWrittenWords, send);
  const std::vector<Key> keys = CycleKeys();
  for (auto _ : state)
    for (const Key& key : keys) send(key);
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * keys.size()));
  state.SetLabel(std::to_string(practice.Run()->Figures().position) + " characters written");
}
BENCHMARK(BM_LessonKeystroke)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace dazi

int main(int argc, char** argv) {
  return dazi::bench::RunOnRealDictionaries(argc, argv, "lesson_bench", nullptr);
}
