#include "engine/model/ModelUserWords.h"

#include <algorithm>

#include "engine/core/EngineGeneration.h"
#include "engine/core/Unit_Data.h"

namespace dazi::model {
namespace {

const std::vector<int> kNoWords;

int WordCount() {
  return std::clamp(SrfState.UserWordCount, 0, kUserWordCapacity);
}

}  // namespace

bool ModelUserWords::Refresh() {
  if (built_ && builtFor_ == EngineGeneration()) return false;
  built_ = true;
  builtFor_ = EngineGeneration();
  const TLumiskCand& s = SrfState;
  const int count = WordCount();
  bySpelling_.clear();
  byInitials_.clear();
  spellingLengths_.assign(1, false);
  initialsLengths_.assign(1, false);
  auto mark = [](std::vector<bool>* lengths, std::size_t n) {
    if (lengths->size() <= n) lengths->resize(n + 1, false);
    (*lengths)[n] = true;
  };
  for (int i = 0; i < count; ++i) {
    for (const std::string* p : {&s.UserWordPinyin[i], &s.UserWordPinyinAlt[i]}) {
      if (p->empty()) continue;
      auto& list = bySpelling_[*p];
      if (list.empty() || list.back() != i) list.push_back(i);
      mark(&spellingLengths_, p->size());
    }
    // Initials stand for a word only when there is one letter per character.
    if (s.UserWordInitials[i].size() >= 2 &&
        static_cast<int>(s.UserWordInitials[i].size()) == s.UserWordLengths[i]) {
      byInitials_[s.UserWordInitials[i]].push_back(i);
      mark(&initialsLengths_, s.UserWordInitials[i].size());
    }
  }
  return true;
}

const std::vector<int>& ModelUserWords::SpelledAs(std::string_view s) const {
  auto it = bySpelling_.find(std::string(s));
  return it == bySpelling_.end() ? kNoWords : it->second;
}

const std::vector<int>& ModelUserWords::InitialledAs(std::string_view s) const {
  auto it = byInitials_.find(std::string(s));
  return it == byInitials_.end() ? kNoWords : it->second;
}

bool ModelUserWords::HasSpellingOfLength(std::size_t letters) const {
  return letters < spellingLengths_.size() && spellingLengths_[letters];
}

bool ModelUserWords::HasInitialsOfLength(std::size_t letters) const {
  return letters < initialsLengths_.size() && initialsLengths_[letters];
}

}  // namespace dazi::model
