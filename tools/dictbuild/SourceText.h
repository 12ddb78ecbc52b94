// Reading the open-data source files: plain text, bzip2-compressed text (Unihan), gzip-compressed
// manual pages and the npm packages' JavaScript modules that wrap a text file in a template
// literal.
#pragma once

#include <string>
#include <string_view>

namespace dazi::dictbuild {

// The whole file; a name ending in ".bz2" or ".gz" is decompressed. Empty with *error set on
// failure.
std::string ReadSourceFile(const std::string& path, std::string* error);

// The text between the first and the last backtick of a "module.exports = `...`" file.
std::string_view UnwrapJsModule(std::string_view js);

// Calls visit(line) for every line of text, without the line break.
template <typename Visit>
void ForEachLine(std::string_view text, Visit&& visit) {
  while (!text.empty()) {
    std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    visit(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
}

// Splits off the part of *rest before the first sep and removes it (with sep) from *rest.
inline std::string_view NextField(std::string_view* rest, char sep) {
  std::size_t at = rest->find(sep);
  std::string_view field = rest->substr(0, at);
  rest->remove_prefix(at == std::string_view::npos ? rest->size() : at + 1);
  return field;
}

}  // namespace dazi::dictbuild
