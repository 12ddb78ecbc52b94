#include "tools/dictbuild/ModelWeights.h"

#include <algorithm>
#include <cmath>

#include "tools/dictbuild/SourceText.h"
#include "tools/dictbuild/Unihan.h"
#include "tools/dictbuild/Utf8.h"

namespace dazi::dictbuild {
namespace {

constexpr int kRounds = 200;
constexpr double kSettled = 1e-9;

double CostPerWord(const SourceScores& scores, const double (&weights)[kHistoryGroups]) {
  double bits = 0;
  for (std::size_t i = 0; i < scores.openGram.size(); ++i) {
    const double w = weights[scores.group[i]];
    bits -= std::log2(w * scores.openGram[i] + (1 - w) * scores.text[i]);
  }
  return scores.openGram.empty() ? 0 : bits / static_cast<double>(scores.openGram.size());
}

// The likeliest weight for the words of one group (all groups: -1); 0 words: -1.
double LikeliestWeight(const SourceScores& scores, int group) {
  long n = 0;
  for (int g : scores.group) n += group < 0 || g == group;
  if (n == 0) return -1;
  double weight = 0.5;
  for (int round = 0; round < kRounds; ++round) {
    // The share of each word's probability that open-gram's part gives, averaged.
    double share = 0;
    for (std::size_t i = 0; i < scores.openGram.size(); ++i) {
      if (group >= 0 && scores.group[i] != group) continue;
      const double a = weight * scores.openGram[i];
      const double b = (1 - weight) * scores.text[i];
      share += a + b > 0 ? a / (a + b) : 0.5;
    }
    const double next =
        std::clamp(share / static_cast<double>(n), kMinOpenGramWeight, kMaxOpenGramWeight);
    const bool settled = std::abs(next - weight) < kSettled;
    weight = next;
    if (settled) break;
  }
  return weight;
}

}  // namespace

std::string LoadTuningText(const std::string& path, std::vector<std::vector<int>>* runs) {
  std::string error;
  const std::string text = ReadSourceFile(path, &error);
  if (!error.empty()) return error;
  const std::size_t before = runs->size();
  ForEachLine(text, [&](std::string_view line) {
    if (!line.empty() && line[0] == '#') return;
    AppendHanziRuns(line, runs);
  });
  if (runs->size() == before) return path + ": no hanzi";
  return {};
}

SourceScores ScoreBySources(const OpenGramModel& lm, const ModelVocabulary& vocabulary,
                            const MixParts& parts, const std::vector<std::vector<int>>& runs) {
  SourceScores scores;
  for (const std::vector<int>& run : runs) {
    OpenGramModel::State state;
    std::uint32_t previous = kNoModelWord;
    for (std::uint32_t w : CutIntoModelWords(run, vocabulary)) {
      if (w == kNoModelWord) {  // a character the model cannot write starts afresh
        state = {};
        previous = w;
        continue;
      }
      const long id = vocabulary.words[w].openGramId;
      double openGram = parts.Base(w);
      if (id >= 0) {
        openGram = lm.Score(&state, static_cast<std::uint32_t>(id));
      } else {
        state = {};
      }
      scores.openGram.push_back(openGram);
      scores.group.push_back(previous == kNoModelWord ? 0 : parts.GroupAfter(previous));
      scores.text.push_back(previous == kNoModelWord ? parts.TextUnigram(w)
                                                     : parts.TextNext(previous, w));
      previous = w;
    }
  }
  return scores;
}

ModelWeighting ChooseOpenGramWeights(const SourceScores& scores) {
  ModelWeighting out;
  out.tokens = static_cast<long>(scores.openGram.size());
  const double all = LikeliestWeight(scores, -1);
  for (int g = 0; g < kHistoryGroups; ++g) {
    const double w = LikeliestWeight(scores, g);
    out.weights.openGram[g] = w >= 0 ? w : all >= 0 ? all : 0.5;
  }
  out.bitsPerWord = CostPerWord(scores, out.weights.openGram);
  out.evenBitsPerWord = CostPerWord(scores, ModelMixWeights{}.openGram);
  return out;
}

}  // namespace dazi::dictbuild
