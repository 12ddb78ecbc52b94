#include "tools/lessonbuild/EverydayWords.h"

#include <charconv>

#include "tools/dictbuild/OpenGram.h"
#include "tools/dictbuild/SourceText.h"
#include "tools/dictbuild/Utf8.h"

namespace dazi::lessonbuild {
namespace {

// jieba's tags of names (people, transliterated, places, organisations, other proper nouns).
bool IsNameTag(std::string_view tag) {
  return tag == "nr" || tag == "nrt" || tag == "nrfg" || tag == "ns" || tag == "nt" || tag == "nz";
}

// A numeral tag on a word holding a numeral: 一百, 三个, 第一次 (but not 许多, 多少).
bool IsNumberPhrase(std::string_view utf8, std::string_view tag) {
  if (tag != "m" && tag != "mq") return false;
  static constexpr std::u32string_view kNumerals = U"〇零一二两三四五六七八九十百千万亿第几半";
  for (std::size_t at = 0; at < utf8.size();)
    if (kNumerals.find(dictbuild::DecodeUtf8(utf8, &at)) != std::u32string_view::npos) return true;
  return false;
}

}  // namespace

std::string LoadTaggedJieba(const std::string& path,
                            std::unordered_map<std::string, TaggedWord>* out) {
  std::string error;
  const std::string text = dictbuild::ReadSourceFile(path, &error);
  if (!error.empty()) return error;
  out->clear();
  dictbuild::ForEachLine(text, [&](std::string_view line) {
    const std::string_view word = dictbuild::NextField(&line, ' ');
    const std::string_view countText = dictbuild::NextField(&line, ' ');
    long count = 0;
    std::from_chars(countText.data(), countText.data() + countText.size(), count);
    if (word.empty() || count <= 0) return;
    TaggedWord& w = (*out)[std::string(word)];
    w.count += count;
    w.tag = std::string(dictbuild::NextField(&line, ' '));
  });
  if (out->empty()) return "no words in " + path;
  return {};
}

bool IsDrillWord(std::string_view utf8, const std::unordered_map<std::string, TaggedWord>& jieba) {
  const auto it = jieba.find(std::string(utf8));
  return it != jieba.end() && !IsNameTag(it->second.tag) && !IsNumberPhrase(utf8, it->second.tag);
}

std::string LoadEverydayUse(const std::string& dir, std::unordered_map<std::string, double>* out) {
  dictbuild::OpenGramModel model;
  if (std::string e = model.Load(dir + "/lm_sc.t3g"); !e.empty()) return e;
  dictbuild::OpenGramLexicon lexicon;
  if (std::string e = lexicon.Load(dir + "/pydict_sc.bin"); !e.empty()) return e;
  out->clear();
  for (std::size_t i = 0; i < model.Count(1); ++i) {
    const dictbuild::OpenGramModel::Node& node = model.At(1, i);
    if (node.word >= lexicon.words.size()) continue;
    std::string utf8;
    for (const char32_t cp : lexicon.words[node.word]) dictbuild::AppendUtf8(&utf8, cp);
    if (!utf8.empty()) (*out)[utf8] += node.prob;
  }
  if (out->empty()) return "no words in " + dir + "/lm_sc.t3g";
  return {};
}

}  // namespace dazi::lessonbuild
