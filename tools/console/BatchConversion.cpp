#include "tools/console/BatchConversion.h"

#include <istream>
#include <ostream>

#include "engine/core/Gbk.h"
#include "engine/core/Unit_Data.h"
#include "engine/model/ModelSentence.h"
#include "engine/sentence/ConvertSentence.h"

namespace dazi::console {

std::string ConvertPinyinLine(std::string_view line, SentenceMethod method) {
  if (method == SentenceMethod::kModel) return Utf8FromGbk(ConvertPinyinLineByModel(line));
  std::string letters;
  for (char c : line) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c >= 'a' && c <= 'z') letters += c;
  }
  if (letters.empty()) return {};
  ConvertSentence(letters);
  return Utf8FromGbk(SrfState.DefaultSentence);
}

std::string ConvertLines(std::istream& in, std::ostream& out, SentenceMethod method) {
  if (method == SentenceMethod::kModel && !SentenceModelLoaded())
    return "no sentence model: srf_pub.ngm is missing from the data folder or damaged";
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    out << ConvertPinyinLine(line, method) << '\n';
  }
  out.flush();
  return {};
}

}  // namespace dazi::console
