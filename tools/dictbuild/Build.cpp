#include "tools/dictbuild/Build.h"

#include "tools/dictbuild/Characters.h"
#include "tools/dictbuild/Defaults.h"
#include "tools/dictbuild/EverydayUse.h"
#include "tools/dictbuild/Glosses.h"
#include "tools/dictbuild/Numbering.h"
#include "tools/dictbuild/Phrases.h"
#include "tools/dictbuild/Readings.h"
#include "tools/dictbuild/Spellings.h"
#include "tools/dictbuild/StrokeCodes.h"
#include "tools/dictbuild/WordFrequencies.h"
#include "tools/dictbuild/Words.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "engine/pinyin/SyllableTable.h"

namespace dazi::dictbuild {
namespace {

constexpr std::size_t kExampleWords = 4;

std::vector<std::uint16_t> Numbers(const Model& model, const std::vector<int>& chars) {
  std::vector<std::uint16_t> out;
  for (int i : chars)
    out.push_back(static_cast<std::uint16_t>(model.chars[static_cast<std::size_t>(i)].number));
  return out;
}

void FillCharacters(const Sources& sources, const Model& model, const std::vector<int>& order,
                    const SpellingTable& spellings, const StrokeCodeTable& codes,
                    BuildResult* result) {
  const auto glosses = CharacterGlosses(sources, model);
  std::vector<std::vector<std::string>> examples(model.chars.size());
  for (const WordData& w : model.words) {
    auto& list = examples[static_cast<std::size_t>(w.chars[0])];
    // Examples are dictionary words (with senses), not the frequency lists' phrases (的人).
    if (list.size() >= kExampleWords || w.senses.empty()) continue;
    // Examples in the character's own script: simplified words for simplified characters.
    const std::uint8_t classes = model.chars[static_cast<std::size_t>(w.chars[0])].classes;
    if ((classes & kSimplified) ? !w.simplified : (classes & kTraditional) && !w.traditional)
      continue;
    std::string text;
    for (int i : w.chars) text += model.chars[static_cast<std::size_t>(i)].utf8;
    if (std::find(list.begin(), list.end(), text) == list.end()) list.push_back(text);
  }
  for (int i : order) {
    const CharData& c = model.chars[static_cast<std::size_t>(i)];
    dictwriter::Character out;
    out.gbk = c.gbk;
    const char stroke = FirstStrokeLetter(c);
    for (const Reading& r : c.readings)
      out.readings.push_back(spellings.numberOf.at({r.syllable, stroke}));
    for (const std::string& digits : codes[static_cast<std::size_t>(i)])
      out.strokeCodes.push_back(dictwriter::PackStrokeCode(digits));
    out.dictText = DictionaryText(sources, model, i, examples[static_cast<std::size_t>(i)]);
    out.gloss = glosses[static_cast<std::size_t>(i)];
    if (!out.gloss.empty()) ++result->report.charGlosses;
    result->source.chars.push_back(std::move(out));
  }
}

void FillWords(const Model& model, BuildResult* result) {
  for (const WordData& w : model.words) {
    dictwriter::Word out;
    out.chars = Numbers(model, w.chars);
    out.simplified = w.simplified;
    out.traditional = w.traditional;
    out.group = static_cast<std::uint8_t>(w.group);
    out.pattern = static_cast<std::uint8_t>(w.pattern);
    std::string self;
    for (int i : w.chars) self += model.chars[static_cast<std::size_t>(i)].utf8;
    out.gloss = WordGloss(w.senses, w.traditional && !w.simplified, self);
    if (!out.gloss.empty()) ++result->report.wordGlosses;
    result->source.words.push_back(std::move(out));
  }
  for (std::size_t k = 0; k < model.patterns.size(); ++k)
    result->source.readingPatterns[k] = model.patterns[k];
}

void FillPhrases(const Model& model, const PhraseSet& set, BuildResult* result) {
  for (const PhraseData& p : set.phrases) {
    dictwriter::Phrase out;
    out.pinyin = p.pinyin;
    out.chars = Numbers(model, p.chars);
    out.firstSyllableLetters =
        static_cast<std::uint8_t>(std::strlen(SyllableTable[p.syllables[0]]));
    out.level = static_cast<std::uint8_t>(p.level);
    out.simplified = p.simplified;
    out.traditional = p.traditional;
    result->source.phrases.push_back(std::move(out));
  }
  for (const PhraseData& p : set.abbrevs) {
    dictwriter::Abbrev out;
    out.initials = p.pinyin;
    out.chars = Numbers(model, p.chars);
    out.simplified = p.simplified;
    out.traditional = p.traditional;
    result->source.abbrevs.push_back(std::move(out));
  }
}

}  // namespace

std::string BuildDictionaries(const SourcePaths& paths, BuildResult* result) {
  Sources sources;
  if (auto e = LoadSources(paths, &sources); !e.empty()) return e;
  BuildReport& report = result->report;
  report.cedictEntriesSkipped = sources.cedictSkipped;

  const OpenGramIndex openGram(sources.openGramLexicon, sources.openGram);
  const WordFrequencies frequencies(sources.jieba, openGram);
  Model model;
  if (auto e = BuildCharacters(sources, frequencies, &model, &report); !e.empty()) return e;
  AssignReadings(sources, &model, &report);
  MarkEverydayUse(sources, &model);
  CollectWords(sources, frequencies, &model, &report);
  OrderWords(&model);
  const std::vector<WordData> allWords = model.words;
  ChoosePatterns(&model, &report);
  TrimToPools(&model, &report);
  const std::vector<int> order = NumberCharacters(&model);

  const SpellingTable spellings = BuildSpellings(model, &report);
  result->source.spellings = spellings.spellings;
  const StrokeCodeTable codes = BuildStrokeCodes(sources, model, &report);
  FillCharacters(sources, model, order, spellings, codes, result);
  FillWords(model, result);
  result->source.strokeLists = BuildStrokeLists(model, codes, &report);
  FillPhrases(model, BuildPhrases(sources, model, allWords, frequencies, &report), result);
  result->source.zcCount3 = static_cast<std::uint16_t>(model.patterns.size());
  result->defaultsSource = DefaultsSource(ChooseDefaults(model), order, model);
  // Read once: the sentence model is built from the same open-gram (the index above is done).
  result->sentenceModelInputs = {std::move(model), allWords, std::move(sources.manPageRuns),
                                 std::move(sources.openGram), std::move(sources.openGramLexicon)};
  return {};
}

}  // namespace dazi::dictbuild
