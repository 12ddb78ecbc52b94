#include "tools/dictbuild/ModelBuild.h"

#include <algorithm>
#include <iterator>
#include <ostream>

#include "tools/dictbuild/ModelTables.h"
#include "tools/dictbuild/ModelTextCounts.h"
#include "tools/dictbuild/ModelVocabulary.h"
#include "tools/dictbuild/OpenGram.h"
#include "tools/dictbuild/Unihan.h"

namespace dazi::dictbuild {

std::string BuildSentenceModel(const std::string& openGramDir, const SentenceModelInputs& inputs,
                               const ModelMixWeights& weights,
                               const std::vector<std::vector<int>>& tuningRuns, std::string* bytes,
                               SentenceModelReport* report) {
  OpenGramModel loadedModel;
  OpenGramLexicon loadedLexicon;
  const bool handedOver = inputs.openGram.Count(1) > 0 && !inputs.openGramLexicon.words.empty();
  if (!handedOver) {
    if (auto e = loadedModel.Load(openGramDir + "/lm_sc.t3g"); !e.empty()) return "open-gram: " + e;
    if (auto e = loadedLexicon.Load(openGramDir + "/pydict_sc.bin"); !e.empty())
      return "open-gram: " + e;
  }
  const OpenGramModel& lm = handedOver ? inputs.openGram : loadedModel;
  const OpenGramLexicon& lexicon = handedOver ? inputs.openGramLexicon : loadedLexicon;

  const ModelVocabulary vocabulary = JoinVocabulary(lm, lexicon, inputs.model, inputs.words);
  const ModelTextCounts counts = CountModelWords(inputs.textRuns, vocabulary);
  SentenceModelTables tables;
  for (const auto& w : vocabulary.words) {
    std::vector<std::uint16_t> numbers;
    for (char32_t cp : w.text)
      numbers.push_back(static_cast<std::uint16_t>(
          inputs.model.chars[static_cast<std::size_t>(HanziIndex(cp))].number));
    tables.words.push_back(std::move(numbers));
    if (w.openGramId < 0) ++report->ownWords;
  }
  tables.spellings = vocabulary.spellings;
  ModelMixWeights chosen = weights;
  if (!tuningRuns.empty()) {
    const MixParts parts(vocabulary, counts, weights);
    report->weighting = ChooseOpenGramWeights(ScoreBySources(lm, vocabulary, parts, tuningRuns));
    std::copy(std::begin(report->weighting.weights.openGram),
              std::end(report->weighting.weights.openGram), std::begin(chosen.openGram));
  }
  report->weighting.weights = chosen;
  MixModels(lm, vocabulary, counts, chosen, &tables);

  report->words = tables.words.size();
  report->spellings = tables.spellings.size();
  for (const auto& u : tables.unigrams) report->bigrams += u.bigrams.size();
  report->histories = tables.histories.size();
  for (const auto& h : tables.histories) report->trigrams += h.trigrams.size();
  report->textTokens = counts.tokens;
  if (auto e = LayOutSentenceModel(tables, bytes); !e.empty()) return "sentence model: " + e;
  report->bytes = bytes->size();
  return {};
}

void PrintSentenceModelReport(const SentenceModelReport& r, std::ostream& out) {
  out << "sentence model: " << r.words << " words (" << r.ownWords << " not in open-gram), "
      << r.spellings << " spellings, " << r.bigrams << " bigrams, " << r.histories
      << " trigram histories, " << r.trigrams << " trigrams; " << r.textTokens
      << " words of running text; " << r.bytes << " bytes\n";
  out << "sentence model: open-gram weights";
  for (double w : r.weighting.weights.openGram) out << " " << w;
  if (r.weighting.tokens > 0)
    out << ", chosen on " << r.weighting.tokens << " words of tuning text ("
        << r.weighting.bitsPerWord << " bits a word; 1:1 " << r.weighting.evenBitsPerWord << ")";
  out << "\n";
}

}  // namespace dazi::dictbuild
