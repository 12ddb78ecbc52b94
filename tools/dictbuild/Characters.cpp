#include "tools/dictbuild/Characters.h"

#include <algorithm>
#include <map>

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

void AssignClassFrequencies(const Sources& sources, const WordFrequencies& words,
                            std::vector<CharData>* chars) {
  // How often each simplified character is written as each traditional one.
  std::vector<std::map<int, double>> writtenAs(chars->size());
  for (const CedictEntry& e : sources.cedict) {
    std::string form;
    for (char32_t cp : e.simplified) AppendUtf8(&form, cp);
    // A single character's entries only say that the form exists; a variant spelling of a
    // word ("variant of 什麼|什么") is not how the word is written.
    const bool variant = e.senses.find("variant of") != std::string::npos;
    const double weight = e.simplified.size() > 1 && !variant ? words.Of(form) : 0;
    for (std::size_t k = 0; k < e.simplified.size(); ++k)
      writtenAs[static_cast<std::size_t>(HanziIndex(e.simplified[k]))]
               [HanziIndex(e.traditional[k])] += weight;
  }
  for (std::size_t i = 0; i < chars->size(); ++i) {
    CharData& c = (*chars)[i];
    c.classFrequency[2] = c.frequency;
    if (!(c.classes & kSimplified)) continue;
    double own = static_cast<double>(sources.junda[i]);
    if (own == 0) {
      auto it = sources.jieba.find(c.utf8);
      if (it != sources.jieba.end()) own = static_cast<double>(it->second) * 0.01;
    }
    c.classFrequency[0] = own;
    const double solo = words.Of(c.utf8);
    c.soloFrequency[0] = solo;
    // Shared among its traditional forms; without word evidence equally among them.
    std::map<int, double> forms = writtenAs[i];
    double total = 0;
    for (const auto& [t, w] : forms) total += w;
    if (total == 0) {
      forms.clear();
      for (char32_t t : sources.unihan.chars[i].traditionalForms)
        if (IsTableHanzi(t)) forms[HanziIndex(t)] = 1;
      if (forms.empty() || (c.classes & kTraditional)) forms[static_cast<int>(i)] = 1;
      total = static_cast<double>(forms.size());
    }
    for (const auto& [t, w] : forms) {
      CharData& target = (*chars)[static_cast<std::size_t>(t)];
      if (!(target.classes & kTraditional)) continue;
      target.classFrequency[1] += own * w / total;
      target.soloFrequency[1] += solo * w / total;
    }
  }
  // A traditional character no simplified one is written as keeps a trace of its own count.
  for (std::size_t i = 0; i < chars->size(); ++i) {
    CharData& c = (*chars)[i];
    if ((c.classes & kTraditional) && c.classFrequency[1] == 0)
      c.classFrequency[1] = 0.01 * static_cast<double>(sources.junda[i]);
  }
}

std::string BuildCharacters(const Sources& sources, const WordFrequencies& words, Model* model,
                            BuildReport* report) {
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
  AssignClassFrequencies(sources, words, &model->chars);
  for (const CharData& c : model->chars) {
    if (c.classes & kSimplified) ++report->classCounts[0];
    if (c.classes & kTraditional) ++report->classCounts[1];
    if (c.classes & kVariant) ++report->classCounts[2];
  }
  return {};
}

}  // namespace dazi::dictbuild
