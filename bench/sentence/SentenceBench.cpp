// Speed of the whole-sentence conversion: a 99-letter input against a 4000-word user lexicon
// and a fixture word file (with the plain step-by-step walk for comparison), and everyday
// sentences on the real dictionaries when they have been built.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "engine/core/Gbk.h"
#include "engine/core/Unit_Data.h"
#include "engine/dict/DictLayout.h"
#include "engine/pinyin/SyllableTable.h"
#include "engine/sentence/SentenceEngine.h"
#include "engine/startup/DictionaryLoader.h"
#include "tests/sentence/PlainConversion.h"
#include "tests/support/FixtureDictionary.h"
#include "tests/support/TempDataFolder.h"

namespace dazi {
namespace {

enum class Loaded { kNothing, kFixture, kReal };
Loaded loaded = Loaded::kNothing;
std::unique_ptr<testing::TempDataFolder> fixtureFolder;
std::string ninetyNineLetters;

// 405 syllables, one character each (GBK codes B0A1 on), 3000 phrases of two or three of
// them, 4000 user words of two to four.
void LoadFixture() {
  if (loaded == Loaded::kFixture) return;
  fixtureFolder.reset();
  fixtureFolder = std::make_unique<testing::TempDataFolder>();
  dictwriter::DictionarySource source;
  std::mt19937 random(7);
  auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  testing::FixtureDictionary dict;
  for (int s = 0; s < kSyllableCount; ++s) {
    const std::string gbk{static_cast<char>(0xB0 + s / 94), static_cast<char>(0xA1 + s % 94)};
    const int ch = dict.AddChar(Utf8FromGbk(gbk));
    dict.AddReading(ch, std::string(SyllableTable[s]) + "h",
                    static_cast<std::uint16_t>(0xC000 | (1 + s)));
  }
  auto word = [&](int length, std::string* pinyin, int* first) {
    std::vector<std::uint16_t> chars;
    for (int j = 0; j < length; ++j) {
      const int s = pick(kSyllableCount);
      if (j == 0) *first = static_cast<int>(std::string(SyllableTable[s]).size());
      chars.push_back(static_cast<std::uint16_t>(s + 1));
      *pinyin += SyllableTable[s];
    }
    return chars;
  };
  for (int i = 0; i < 3000; ++i) {
    dictwriter::Phrase p;
    int first = 0;
    p.chars = word(2 + (pick(4) == 0), &p.pinyin, &first);
    if (p.pinyin.size() < 4) continue;
    p.firstSyllableLetters = static_cast<std::uint8_t>(first);
    p.level = static_cast<std::uint8_t>(pick(4));
    p.simplified = true;
    dict.Source().phrases.push_back(p);
  }
  std::string lexicon;
  for (int i = 0; i < 4000; ++i) {
    std::string pinyin;
    int first = 0;
    const auto chars = word(2 + pick(3), &pinyin, &first);
    lexicon += EncodeUserWord(std::vector<std::int32_t>(chars.begin(), chars.end())).value();
  }
  lexicon += kUserLexiconEnd;
  dict.Write(".");
  fixtureFolder->WriteBytes(kUserLexiconFile, lexicon);
  LoadDictionaries();
  ninetyNineLetters.clear();
  while (ninetyNineLetters.size() < 99) ninetyNineLetters += SyllableTable[pick(kSyllableCount)];
  ninetyNineLetters.resize(99);
  loaded = Loaded::kFixture;
}

bool LoadReal() {
  if (loaded == Loaded::kReal) return true;
  const char* env = std::getenv("DAZI_DICT_DIR");
  const std::filesystem::path dir = env ? env : DAZI_DEFAULT_DICT_DIR;
  if (!std::filesystem::exists(dir / kCpyFile)) return false;
  fixtureFolder.reset();
  ResetEngineState();
  std::filesystem::current_path(dir);
  if (!LoadDictionaries().ok) return false;
  loaded = Loaded::kReal;
  return true;
}

void BM_Convert99LettersWith4000UserWords(benchmark::State& state) {
  LoadFixture();
  for (auto _ : state) {
    ConvertSentence(ninetyNineLetters);
    benchmark::DoNotOptimize(SrfState.SentenceCodeCount);
  }
}
BENCHMARK(BM_Convert99LettersWith4000UserWords)->Unit(benchmark::kMicrosecond);

void BM_PlainWalk99LettersWith4000UserWords(benchmark::State& state) {
  LoadFixture();
  for (auto _ : state) {
    testing::PlainConvert(ninetyNineLetters);
    benchmark::DoNotOptimize(SrfState.SentenceCodeCount);
  }
}
BENCHMARK(BM_PlainWalk99LettersWith4000UserWords)->Unit(benchmark::kMicrosecond);

const char* const kEverydaySentences[] = {
    "wmyaonltggongzuosp",
    "jintiantianqihenhao",
    "zhegewentixuyaojinyibuyanjiu",
    "womenzaixuexiaoxuexizhongwen",
    "tadebaogaoxiedefeichangqingchu",
    "zhongguorenminzhengzaiweishixianzhongguomengerfendou",
    // 99 letters.
    "womenyaojiandingbuyidezouzhongguotesezhuyidaoluzhongguorenminzhengzaiweishixianzhongguomengerf"
    "endou",
};

void BM_RealDictionarySentence(benchmark::State& state) {
  if (!LoadReal()) {
    state.SkipWithError("real dictionaries not built (set DAZI_DICT_DIR)");
    return;
  }
  const std::string input = kEverydaySentences[state.range(0)];
  for (auto _ : state) {
    ConvertSentence(input);
    benchmark::DoNotOptimize(SrfState.SentenceCodeCount);
  }
  state.SetLabel(std::to_string(input.size()) + " letters");
}
BENCHMARK(BM_RealDictionarySentence)->DenseRange(0, 6)->Unit(benchmark::kMicrosecond);

void BM_RealDictionaryPlainWalk(benchmark::State& state) {
  if (!LoadReal()) {
    state.SkipWithError("real dictionaries not built (set DAZI_DICT_DIR)");
    return;
  }
  const std::string input = kEverydaySentences[state.range(0)];
  for (auto _ : state) {
    testing::PlainConvert(input);
    benchmark::DoNotOptimize(SrfState.SentenceCodeCount);
  }
  state.SetLabel(std::to_string(input.size()) + " letters");
}
BENCHMARK(BM_RealDictionaryPlainWalk)->DenseRange(0, 6, 6)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace dazi

BENCHMARK_MAIN();
