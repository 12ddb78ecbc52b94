#include "ui/lessons/CharacterFacts.h"

#include <algorithm>

#include "engine/core/Gbk.h"
#include "engine/dict/DictFiles.h"
#include "engine/dict/DictTexts.h"
#include "engine/keypad/StrokeCodes.h"

namespace dazi::lessons {
namespace {

int CharNumber(const std::string& gbk) {
  for (int n = 1; n <= SrfState.CharCount; ++n)
    if (CharText(n) == gbk) return n;
  return 0;
}

}  // namespace

CharacterFacts FactsOf(const std::string& utf8) {
  CharacterFacts facts;
  const std::optional<std::string> gbk = TryGbkFromUtf8(utf8);
  const int n = gbk ? CharNumber(*gbk) : 0;
  if (n == 0) return facts;
  // The dictionary text starts "国【guó】...".
  const std::string text = Utf8FromGbk(CharDictText(n));
  const std::size_t open = text.find("【");
  const std::size_t close = text.find("】", open == std::string::npos ? 0 : open);
  if (open != std::string::npos && close != std::string::npos)
    facts.pinyin = text.substr(open + 3, close - open - 3);
  std::string strokes = StrokeString(ReadStrokeCode(n, 0));
  strokes.erase(std::find(strokes.begin(), strokes.end(), '0'), strokes.end());
  facts.strokes = strokes;
  return facts;
}

std::vector<CharTally> MostMissed(const std::vector<CharTally>& tallies, std::size_t count) {
  std::vector<CharTally> missed;
  for (const CharTally& t : tallies)
    if (t.wrong > 0) missed.push_back(t);
  std::stable_sort(missed.begin(), missed.end(),
                   [](const CharTally& a, const CharTally& b) { return a.wrong > b.wrong; });
  if (missed.size() > count) missed.resize(count);
  return missed;
}

}  // namespace dazi::lessons
