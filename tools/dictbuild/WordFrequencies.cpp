#include "tools/dictbuild/WordFrequencies.h"

namespace dazi::dictbuild {

WordFrequencies::WordFrequencies(const std::unordered_map<std::string, long>& jieba,
                                 const OpenGramIndex& openGram)
    : jieba_(jieba), openGram_(openGram) {
  long total = 0;  // summed exactly: the hash order must not change the result
  for (const auto& [word, count] : jieba) total += count;
  jiebaTotal_ = static_cast<double>(total);
}

double WordFrequencies::OpenGramPart(const std::string& utf8) const {
  const std::uint32_t id = openGram_.Find(utf8);
  return openGram_.Knows(id) ? CountOf(openGram_.Words()[id].unigram) : 0;
}

double WordFrequencies::Of(const std::string& utf8) const {
  const auto it = jieba_.find(utf8);
  const double jieba = it == jieba_.end() ? 0 : static_cast<double>(it->second);
  if (!HasModel()) return jieba;
  return 0.5 * (jieba + OpenGramPart(utf8));
}

}  // namespace dazi::dictbuild
