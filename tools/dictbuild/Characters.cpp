#include "tools/dictbuild/Characters.h"

#include <algorithm>

#include "engine/core/Gbk.h"
#include "tools/dictbuild/Utf8.h"

namespace dazi::dictbuild {

void AssignClasses(const Unihan& unihan, std::vector<CharData>* chars) {
  const auto n = static_cast<int>(chars->size());
  for (int i = 0; i < n; ++i) {
    const UnihanChar& u = unihan.chars[static_cast<std::size_t>(i)];
    if (!u.gb2312 && !u.standard2013) continue;
    CharData& c = (*chars)[static_cast<std::size_t>(i)];
    c.classes |= kSimplified;
    const auto self = static_cast<char32_t>(kFirstHanzi + static_cast<char32_t>(i));
    bool ownTraditional = u.traditionalForms.empty();
    for (char32_t t : u.traditionalForms) {
      if (t == self) ownTraditional = true;
      if (t != self && IsTableHanzi(t))
        (*chars)[static_cast<std::size_t>(HanziIndex(t))].classes |= kTraditional;
    }
    // Unihan also names some simplified-only characters (帮, 点, 这) as their own traditional
    // form; a character of traditional texts has a Big5 code.
    if (ownTraditional && u.big5) c.classes |= kTraditional;
  }
  for (CharData& c : *chars)
    if (c.classes == 0) c.classes = kVariant;
}

void AssignFrequencies(const Sources& sources, std::vector<CharData>* chars) {
  for (std::size_t i = 0; i < chars->size(); ++i) {
    CharData& c = (*chars)[i];
    double f = static_cast<double>(sources.junda[i]);
    for (char32_t s : sources.unihan.chars[i].simplifiedForms)
      if (IsTableHanzi(s))
        f = std::max(f,
                     static_cast<double>(sources.junda[static_cast<std::size_t>(HanziIndex(s))]));
    if (f == 0) {
      auto it = sources.jieba.find(c.utf8);
      if (it != sources.jieba.end()) f = static_cast<double>(it->second) * 0.01;
    }
    c.frequency = f;
  }
}

std::string BuildCharacters(const Sources& sources, Model* model, BuildReport* report) {
  model->chars.assign(static_cast<std::size_t>(kHanziCount), {});
  for (int i = 0; i < kHanziCount; ++i) {
    CharData& c = model->chars[static_cast<std::size_t>(i)];
    c.cp = kFirstHanzi + static_cast<char32_t>(i);
    AppendUtf8(&c.utf8, c.cp);
    auto gbk = TryGbkFromUtf8(c.utf8);
    if (!gbk || gbk->size() != 2) return "no GBK code for U+" + std::to_string(c.cp);
    c.gbk = *gbk;
    c.strokes = sources.strokes[static_cast<std::size_t>(i)];
    c.big5 = sources.unihan.chars[static_cast<std::size_t>(i)].big5;
    if (c.strokes.empty()) ++report->charsWithoutStrokes;
  }
  AssignClasses(sources.unihan, &model->chars);
  AssignFrequencies(sources, &model->chars);
  for (const CharData& c : model->chars) {
    if (c.classes & kSimplified) ++report->classCounts[0];
    if (c.classes & kTraditional) ++report->classCounts[1];
    if (c.classes & kVariant) ++report->classCounts[2];
  }
  return {};
}

}  // namespace dazi::dictbuild
