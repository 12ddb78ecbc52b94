#include "tools/dictbuild/Decomposition.h"

#include "tools/dictbuild/SourceText.h"

namespace dazi::dictbuild {

void ParseDecompositions(std::string_view text, DecompositionMap* out) {
  ForEachLine(text, [&](std::string_view line) {
    const std::size_t colon = line.find(':');
    const std::size_t open = line.find('(', colon == std::string_view::npos ? 0 : colon);
    if (colon == std::string_view::npos || colon == 0 || open == std::string_view::npos ||
        !line.ends_with(")"))
      return;
    Decomposition d;
    d.shape = std::string(line.substr(colon + 1, open - colon - 1));
    std::string_view parts = line.substr(open + 1, line.size() - open - 2);
    while (!parts.empty()) {
      std::string_view part = NextField(&parts, ',');
      if (!part.empty()) d.parts.emplace_back(part);
    }
    if (d.shape.empty()) return;
    out->emplace(std::string(line.substr(0, colon)), std::move(d));
  });
}

std::string LoadDecompositions(const std::string& path, DecompositionMap* out) {
  std::string error;
  const std::string js = ReadSourceFile(path, &error);
  if (!error.empty()) return error;
  ParseDecompositions(UnwrapJsModule(js), out);
  if (out->empty()) return "no decompositions in " + path;
  return {};
}

}  // namespace dazi::dictbuild
