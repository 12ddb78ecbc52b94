#include "tools/dictbuild/StrokeDict.h"

#include "tools/dictbuild/SourceText.h"
#include "tools/dictbuild/Unihan.h"
#include "tools/dictbuild/Utf8.h"

namespace dazi::dictbuild {

std::string LoadStrokes(const std::string& path, std::vector<std::string>* strokes) {
  std::string error;
  std::string text = ReadSourceFile(path, &error);
  if (!error.empty()) return error;
  strokes->assign(static_cast<std::size_t>(kHanziCount), {});
  std::vector<bool> mainland(static_cast<std::size_t>(kHanziCount), false);
  bool inBody = false, inMainland = false;
  ForEachLine(text, [&](std::string_view line) {
    if (!inBody) {
      inBody = line == "...";
      return;
    }
    if (line.starts_with("#")) {
      // The comment before the mainland part speaks of "Mainland China's standard".
      if (line.find("Mainland") != std::string_view::npos) inMainland = true;
      return;
    }
    char32_t cp = SingleCodePoint(NextField(&line, '\t'));
    std::string_view code = NextField(&line, '\t');
    if (!IsTableHanzi(cp) || code.empty()) return;
    auto i = static_cast<std::size_t>(HanziIndex(cp));
    if (mainland[i]) return;
    if ((*strokes)[i].empty() || inMainland) {
      (*strokes)[i] = std::string(code);
      mainland[i] = inMainland;
    }
  });
  if (!inMainland) return "no mainland stroke order found in " + path;
  return {};
}

}  // namespace dazi::dictbuild
