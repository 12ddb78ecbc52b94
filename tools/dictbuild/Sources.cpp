#include "tools/dictbuild/Sources.h"

#include "engine/pinyin/SyllableTable.h"
#include "tools/dictbuild/Frequencies.h"
#include "tools/dictbuild/ManPages.h"
#include "tools/dictbuild/SourceText.h"
#include "tools/dictbuild/StrokeDict.h"

namespace dazi::dictbuild {
namespace {

// "努力提高 nu li ti gao": a word and its toneless syllables; '#' starts a comment.
std::string LoadCurated(const std::string& path, std::vector<CuratedWord>* out) {
  if (path.empty()) return {};
  std::string error;
  std::string text = ReadSourceFile(path, &error);
  if (!error.empty()) return error;
  int lineNo = 0;
  ForEachLine(text, [&](std::string_view line) {
    ++lineNo;
    line = line.substr(0, line.find('#'));
    std::string_view word = NextField(&line, ' ');
    if (word.empty()) return;
    CuratedWord w{std::string(word), {}};
    while (!line.empty()) {
      std::string_view s = NextField(&line, ' ');
      if (s.empty()) continue;
      int index = FindSyllable(s.data(), static_cast<int>(s.size()));
      if (index < 0 && error.empty())
        error = path + ":" + std::to_string(lineNo) + ": unknown syllable " + std::string(s);
      w.syllables.push_back(index);
    }
    out->push_back(std::move(w));
  });
  return error;
}

}  // namespace

std::string LoadSources(const SourcePaths& paths, Sources* out) {
  if (auto e = LoadUnihan(paths.unicodeDir, &out->unihan); !e.empty()) return e;
  if (auto e = LoadStrokes(paths.strokeDict, &out->strokes); !e.empty()) return e;
  if (auto e =
          LoadCedict(paths.hanziDataDir + "/cedict_ts.u8.js", &out->cedict, &out->cedictSkipped);
      !e.empty())
    return e;
  if (auto e = LoadJieba(paths.jiebaDict, &out->jieba); !e.empty()) return e;
  if (auto e = LoadJunda(paths.hanziDataDir + "/frequencyjunda.txt.js", &out->junda); !e.empty())
    return e;
  if (auto e = LoadDecompositions(paths.hanziDataDir + "/cjk-decomp.txt.js", &out->decompositions);
      !e.empty())
    return e;
  if (!paths.mediansDir.empty())
    out->charsWithMedians = LoadMedians(paths.mediansDir, &out->shapes);
  else
    out->shapes.assign(out->strokes.size(), {});
  if (auto e = LoadManPageRuns(paths.manPagesDir, &out->manPageRuns); !e.empty()) return e;
  if (!paths.openGramDir.empty()) {
    if (auto e = out->openGramLexicon.Load(paths.openGramDir + "/pydict_sc.bin"); !e.empty())
      return e;
    if (auto e = out->openGram.Load(paths.openGramDir + "/lm_sc.t3g"); !e.empty()) return e;
  }
  return LoadCurated(paths.curatedWords, &out->curated);
}

}  // namespace dazi::dictbuild
