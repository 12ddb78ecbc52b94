#include "tools/dictbuild/Glosses.h"

#include <algorithm>

#include "engine/core/Gbk.h"
#include "tools/dictbuild/Pinyin.h"
#include "tools/dictbuild/Utf8.h"

namespace dazi::dictbuild {
namespace {

// Cuts GBK bytes to at most limit bytes without splitting a two-byte character.
std::string CutGbk(const std::string& gbk, std::size_t limit) {
  std::size_t end = 0;
  while (end < gbk.size()) {
    std::size_t step = static_cast<unsigned char>(gbk[end]) >= 0x81 ? 2 : 1;
    if (end + step > limit) break;
    end += step;
  }
  return gbk.substr(0, end);
}

// ASCII letters and digits as their full-width forms, so the text is whole GBK characters.
std::string FullWidth(std::string_view utf8) {
  std::string out;
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    char32_t cp = DecodeUtf8(utf8, &pos);
    if (cp > 0x20 && cp < 0x7F) cp += 0xFEE0;
    AppendUtf8(&out, cp);
  }
  return out;
}

}  // namespace

std::string GbkGloss(std::string_view utf8Senses) {
  std::string text;
  for (char ch : utf8Senses) {
    if (ch == '/')
      text += "; ";
    else
      text.push_back(ch);
  }
  return CutGbk(GbkFromUtf8(text), kMaxGlossBytes);
}

std::vector<std::string> CharacterGlosses(const Sources& sources) {
  std::vector<std::string> cedict(static_cast<std::size_t>(kHanziCount));
  for (const CedictEntry& e : sources.cedict) {
    if (e.simplified.size() != 1) continue;
    for (char32_t cp : {e.simplified[0], e.traditional[0]}) {
      std::string& g = cedict[static_cast<std::size_t>(HanziIndex(cp))];
      if (g.size() < kMaxGlossBytes) g += (g.empty() ? "" : "/") + e.senses;
    }
  }
  std::vector<std::string> glosses(static_cast<std::size_t>(kHanziCount));
  for (std::size_t i = 0; i < glosses.size(); ++i) {
    const std::string& definition = sources.unihan.chars[i].definition;
    glosses[i] = GbkGloss(definition.empty() ? cedict[i] : definition);
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
        std::string m = FullWidth(MarkTone(r.syllable, tone));
        if (std::find(marked.begin(), marked.end(), m) == marked.end()) marked.push_back(m);
      }
    text += "【";
    for (std::size_t k = 0; k < marked.size(); ++k) text += (k ? "，" : "") + marked[k];
    text += "】";
  }
  if (u.radical > 0 && u.radical < static_cast<int>(sources.unihan.radicalChars.size())) {
    char32_t radical = sources.unihan.radicalChars[static_cast<std::size_t>(u.radical)];
    if (radical != 0) {
      text += "部首";
      AppendUtf8(&text, radical);
      text += "，";
    }
  }
  if (u.totalStrokes > 0) text += FullWidth(std::to_string(u.totalStrokes)) + "画。";
  if (!exampleWords.empty()) {
    text += "词语：";
    for (std::size_t k = 0; k < exampleWords.size(); ++k) text += (k ? "、" : "") + exampleWords[k];
    text += "。";
  }
  std::string gbk = GbkFromUtf8(text);
  // Whole characters only; a stray single byte (a '?' replacement) would shift the rest.
  std::string whole;
  for (std::size_t i = 0; i < gbk.size();) {
    if (static_cast<unsigned char>(gbk[i]) >= 0x81 && i + 1 < gbk.size()) {
      whole.append(gbk, i, 2);
      i += 2;
    } else {
      ++i;
    }
  }
  return CutGbk(whole, 2 * 255);
}

}  // namespace dazi::dictbuild
