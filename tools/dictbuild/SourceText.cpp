#include "tools/dictbuild/SourceText.h"

#include <bzlib.h>
#include <zlib.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>

namespace dazi::dictbuild {
namespace {

bool EndsWith(std::string_view s, std::string_view suffix) {
  return s.size() >= suffix.size() && s.substr(s.size() - suffix.size()) == suffix;
}

std::string ReadBz2(const std::string& path, std::string* error) {
  std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
  if (!file) {
    *error = "cannot open " + path;
    return {};
  }
  int bzError = BZ_OK;
  BZFILE* bz = BZ2_bzReadOpen(&bzError, file.get(), 0, 0, nullptr, 0);
  if (bzError != BZ_OK) {
    *error = "cannot read bzip2 data of " + path;
    return {};
  }
  std::string text;
  char buffer[1 << 16];
  while (bzError == BZ_OK) {
    int got = BZ2_bzRead(&bzError, bz, buffer, sizeof buffer);
    if (got > 0) text.append(buffer, static_cast<std::size_t>(got));
  }
  BZ2_bzReadClose(nullptr, bz);
  if (bzError != BZ_STREAM_END) {
    *error = "corrupt bzip2 data in " + path;
    return {};
  }
  return text;
}

std::string ReadGz(const std::string& path, std::string* error) {
  gzFile gz = gzopen(path.c_str(), "rb");
  if (!gz) {
    *error = "cannot open " + path;
    return {};
  }
  std::string text;
  char buffer[1 << 16];
  int got = 0;
  while ((got = gzread(gz, buffer, sizeof buffer)) > 0)
    text.append(buffer, static_cast<std::size_t>(got));
  const bool failed = got < 0;
  gzclose(gz);
  if (failed) {
    *error = "corrupt gzip data in " + path;
    return {};
  }
  return text;
}

}  // namespace

std::string ReadSourceFile(const std::string& path, std::string* error) {
  if (EndsWith(path, ".bz2")) return ReadBz2(path, error);
  if (EndsWith(path, ".gz")) return ReadGz(path, error);
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    *error = "cannot open " + path;
    return {};
  }
  std::ostringstream all;
  all << in.rdbuf();
  return std::move(all).str();
}

std::string_view UnwrapJsModule(std::string_view js) {
  std::size_t first = js.find('`');
  std::size_t last = js.rfind('`');
  if (first == std::string_view::npos || last <= first) return {};
  return js.substr(first + 1, last - first - 1);
}

}  // namespace dazi::dictbuild
