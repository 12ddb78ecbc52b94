#include "engine/sentence/internal/UserWordIndex.h"

#include <algorithm>
#include <string>

#include "engine/sentence/internal/SentenceCaches.h"

namespace dazi::sentence {

namespace {

void Build(UserWordTables& tables) {
  const int32 count = std::clamp<int32>(SrfState.UserWordCount, 0, kUserWordCapacity);
  for (int32 u = 0; u < count; ++u) {
    // emplace keeps the earlier word: the first match in lexicon order wins.
    for (const std::string* spelling :
         {&SrfState.UserWordPinyin[u], &SrfState.UserWordPinyinAlt[u]}) {
      tables.bySpelling.emplace(*spelling, u);
      if (spelling->size() < tables.spellingLengths.size())
        tables.spellingLengths.set(spelling->size());
    }
    const std::string& initials = SrfState.UserWordInitials[u];
    if (static_cast<int32>(initials.size()) == SrfState.UserWordLengths[u])
      tables.byInitials.emplace(initials, u);
  }
  tables.built = true;
}

const UserWordTables& Tables() {
  UserWordTables& tables = CurrentSentenceCaches().userWords;
  if (!tables.built) Build(tables);
  return tables;
}

}  // namespace

int32 IndexedUserWord(std::string_view s) {
  const UserWordTables& tables = Tables();
  if (s.size() >= tables.spellingLengths.size() || !tables.spellingLengths.test(s.size()))
    return -1;
  const auto it = tables.bySpelling.find(s);
  return it == tables.bySpelling.end() ? -1 : it->second;
}

int32 IndexedUserWordByInitials(std::string_view initials) {
  const UserWordTables& tables = Tables();
  const auto it = tables.byInitials.find(initials);
  return it == tables.byInitials.end() ? -1 : it->second;
}

}  // namespace dazi::sentence
