#include "engine/sentence/internal/UserWordIndex.h"

#include <algorithm>
#include <bitset>
#include <string>
#include <unordered_map>
#include <vector>

namespace dazi::sentence {

namespace {

struct StringHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};
using FirstIndexMap = std::unordered_map<std::string, int32, StringHash, std::equal_to<>>;

struct UserWordSnapshot {
  std::vector<std::string> pinyin, pinyinAlt, initials;
  std::vector<int32> lengths;
};

UserWordSnapshot builtFrom;
FirstIndexMap bySpelling;
FirstIndexMap byInitials;
std::bitset<256> spellingLengths;

int32 LoadedCount() {
  return std::clamp<int32>(SrfState.UserWordCount, 0, kUserWordCapacity);
}

bool SnapshotIsCurrent() {
  const auto count = static_cast<std::size_t>(LoadedCount());
  if (builtFrom.lengths.size() != count) return false;
  for (std::size_t u = 0; u < count; ++u) {
    if (builtFrom.lengths[u] != SrfState.UserWordLengths[u] ||
        builtFrom.pinyin[u] != SrfState.UserWordPinyin[u] ||
        builtFrom.pinyinAlt[u] != SrfState.UserWordPinyinAlt[u] ||
        builtFrom.initials[u] != SrfState.UserWordInitials[u])
      return false;
  }
  return true;
}

void Rebuild() {
  const int32 count = LoadedCount();
  builtFrom.pinyin.assign(SrfState.UserWordPinyin, SrfState.UserWordPinyin + count);
  builtFrom.pinyinAlt.assign(SrfState.UserWordPinyinAlt, SrfState.UserWordPinyinAlt + count);
  builtFrom.initials.assign(SrfState.UserWordInitials, SrfState.UserWordInitials + count);
  builtFrom.lengths.assign(SrfState.UserWordLengths, SrfState.UserWordLengths + count);
  bySpelling.clear();
  byInitials.clear();
  spellingLengths.reset();
  for (int32 u = 0; u < count; ++u) {
    // emplace keeps the earlier word: the first match in lexicon order wins.
    for (const std::string* spelling :
         {&SrfState.UserWordPinyin[u], &SrfState.UserWordPinyinAlt[u]}) {
      bySpelling.emplace(*spelling, u);
      if (spelling->size() < spellingLengths.size()) spellingLengths.set(spelling->size());
    }
    const std::string& initials = SrfState.UserWordInitials[u];
    if (static_cast<int32>(initials.size()) == SrfState.UserWordLengths[u])
      byInitials.emplace(initials, u);
  }
}

}  // namespace

void RefreshUserWordIndex() {
  if (!SnapshotIsCurrent()) Rebuild();
}

int32 IndexedUserWord(std::string_view s) {
  if (s.size() >= spellingLengths.size() || !spellingLengths.test(s.size())) return -1;
  const auto it = bySpelling.find(s);
  return it == bySpelling.end() ? -1 : it->second;
}

int32 IndexedUserWordByInitials(std::string_view initials) {
  const auto it = byInitials.find(initials);
  return it == byInitials.end() ? -1 : it->second;
}

}  // namespace dazi::sentence
