#include "tools/dictbuild/ManPages.h"

#include <algorithm>
#include <filesystem>

#include "tools/dictbuild/SourceText.h"
#include "tools/dictbuild/Unihan.h"
#include "tools/dictbuild/Utf8.h"

namespace dazi::dictbuild {
namespace {

void AppendRuns(std::string_view text, std::vector<std::vector<int>>* runs) {
  ForEachLine(text, [&](std::string_view line) {
    if (line.starts_with(".\\\"") || line.starts_with("'\\\"")) return;  // troff comment
    AppendHanziRuns(line, runs);
  });
}

}  // namespace

std::string LoadManPageRuns(const std::string& dir, std::vector<std::vector<int>>* runs) {
  if (dir.empty()) return {};
  namespace fs = std::filesystem;
  std::error_code ec;
  std::vector<std::string> pages;
  for (fs::recursive_directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec))
    if (it->is_regular_file() && it->path().extension() == ".gz")
      pages.push_back(it->path().string());
  if (ec) return "cannot list " + dir;
  if (pages.empty()) return "no manual pages under " + dir;
  std::sort(pages.begin(), pages.end());  // the same text order on every machine
  for (const std::string& page : pages) {
    std::string error;
    const std::string text = ReadSourceFile(page, &error);
    if (!error.empty()) return error;
    AppendRuns(text, runs);
  }
  return {};
}

}  // namespace dazi::dictbuild
