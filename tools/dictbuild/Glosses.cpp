#include "tools/dictbuild/Glosses.h"

#include <algorithm>

#include "engine/core/Gbk.h"
#include "tools/dictbuild/Pinyin.h"
#include "tools/dictbuild/SourceText.h"
#include "tools/dictbuild/Utf8.h"

namespace dazi::dictbuild {
namespace {

// The length of the longest start of gbk within limit bytes that splits no two-byte character.
std::size_t CutGbkLength(const std::string& gbk, std::size_t limit) {
  std::size_t end = 0;
  while (end < gbk.size()) {
    std::size_t step = static_cast<unsigned char>(gbk[end]) >= 0x81 ? 2 : 1;
    if (end + step > limit) break;
    end += step;
  }
  return end;
}

}  // namespace

std::vector<std::string> CharacterGlosses(const Sources& sources, const Model& model) {
  std::vector<std::vector<std::pair<bool, std::string>>> cedict(
      static_cast<std::size_t>(kHanziCount));
  for (const CedictEntry& e : sources.cedict) {
    if (e.simplified.size() != 1) continue;
    cedict[static_cast<std::size_t>(HanziIndex(e.simplified[0]))].emplace_back(e.properNoun,
                                                                               e.senses);
    if (e.traditional[0] != e.simplified[0])
      cedict[static_cast<std::size_t>(HanziIndex(e.traditional[0]))].emplace_back(e.properNoun,
                                                                                  e.senses);
  }
  std::vector<std::string> glosses(static_cast<std::size_t>(kHanziCount));
  for (std::size_t i = 0; i < glosses.size(); ++i) {
    std::string_view definition = sources.unihan.chars[i].definition;
    if (definition.empty()) {
      const bool traditional = !(model.chars[i].classes & kSimplified);
      glosses[i] = WordGloss(cedict[i], traditional, model.chars[i].utf8);
      continue;
    }
    std::vector<std::string> senses;
    while (!definition.empty()) {
      const std::string sense = CleanSense(NextField(&definition, ';'), false);
      if (!sense.empty()) senses.push_back(GbkText(sense));
    }
    glosses[i] = FitSenses(senses, kMaxGlossBytes);
  }
  return glosses;
}

std::string DictionaryText(const Sources& sources, const Model& model, int hanziIndex,
                           const std::vector<std::string>& exampleWords) {
  const CharData& c = model.chars[static_cast<std::size_t>(hanziIndex)];
  const UnihanChar& u = sources.unihan.chars[static_cast<std::size_t>(hanziIndex)];
  std::string text = c.utf8;
  if (!c.readings.empty()) {
    std::vector<std::string> marked;  // ng has no vowel to mark: its tones look alike
    for (const Reading& r : c.readings)
      for (int tone : r.tones) {
        std::string m = MarkTone(r.syllable, tone);
        if (std::find(marked.begin(), marked.end(), m) == marked.end()) marked.push_back(m);
      }
    text += "【";
    for (std::size_t k = 0; k < marked.size(); ++k) text += (k ? "，" : "") + marked[k];
    text += "】";
  }
  if (u.radical > 0 && u.radical < static_cast<int>(sources.unihan.radicalChars.size())) {
    std::string radical;
    AppendUtf8(&radical, sources.unihan.radicalChars[static_cast<std::size_t>(u.radical)]);
    if (sources.unihan.radicalChars[static_cast<std::size_t>(u.radical)] != 0 &&
        TryGbkFromUtf8(radical))
      text += "部首" + radical + "，";
  }
  if (u.totalStrokes > 0) text += std::to_string(u.totalStrokes) + "画。";
  std::vector<std::string> words;
  for (const std::string& w : exampleWords)
    if (std::find(words.begin(), words.end(), w) == words.end()) words.push_back(w);
  if (!words.empty()) {
    text += "词语：";
    for (std::size_t k = 0; k < words.size(); ++k) text += (k ? "、" : "") + words[k];
    text += "。";
  }
  std::string gbk = GbkText(text);
  gbk = gbk.substr(0, CutGbkLength(gbk, 2 * 255));
  if (gbk.size() % 2) gbk += ' ';  // an odd length is at most 509: the blank still fits
  return gbk;
}

}  // namespace dazi::dictbuild
