// How often a word is written in general text, on the scale of jieba's counts: the mean of
// jieba's count (news text) and open-gram's unigram probability scaled to jieba's total (a
// general corpus). A source that lacks the word contributes nothing to its half.
#pragma once

#include <string>
#include <unordered_map>

#include "tools/dictbuild/OpenGramIndex.h"

namespace dazi::dictbuild {

class WordFrequencies {
 public:
  // Without a model (an empty index) only jieba counts.
  WordFrequencies(const std::unordered_map<std::string, long>& jieba,
                  const OpenGramIndex& openGram);

  double Of(const std::string& utf8) const;
  // Open-gram's half alone (0 when the model does not know the word).
  double OpenGramPart(const std::string& utf8) const;
  // The probability's equivalent count: P times jieba's total.
  double CountOf(double probability) const { return probability * jiebaTotal_; }
  bool HasModel() const { return !openGram_.Empty(); }
  const OpenGramIndex& OpenGram() const { return openGram_; }

 private:
  const std::unordered_map<std::string, long>& jieba_;
  const OpenGramIndex& openGram_;
  double jiebaTotal_ = 0;
};

}  // namespace dazi::dictbuild
