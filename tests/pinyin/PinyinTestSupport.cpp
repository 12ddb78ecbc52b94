#include "tests/pinyin/PinyinTestSupport.h"

#include <algorithm>
#include <stdexcept>

#include "engine/core/Gbk.h"
#include "engine/dict/DictFiles.h"
#include "engine/pinyin/PinyinEngine.h"

namespace dazi::testing {

std::string NthCommonChar(int n) {
  if (n < 0 || n >= 3600) throw std::out_of_range("NthCommonChar");
  const std::string gbk = {static_cast<char>(0xB0 + n / 94), static_cast<char>(0xA1 + n % 94)};
  return Utf8FromGbk(gbk);
}

void Refresh() {
  RefreshPinyinLookup(SrfState.InputText);
}

void TypeLetters(const std::string& letters) {
  for (std::size_t n = 1; n <= letters.size(); ++n) {
    SrfState.InputText = letters.substr(0, n);
    SrfState.PageIndex = 0;
    SrfState.AssociationCount = 0;
    Refresh();
  }
}

std::vector<std::string> LookupTexts() {
  std::vector<std::string> out;
  for (int k = 0; k < SrfState.LookupCount; ++k)
    out.push_back(Utf8(CharText(SrfState.LookupList[k])));
  return out;
}

std::string PoolWordText(int32 w) {
  std::string gbk;
  for (int j = 0; j < SrfState.WordPoolLengths[w]; ++j)
    gbk += CharText(SrfState.WordPoolCodes[w][j]);
  return Utf8(gbk);
}

std::vector<std::string> WordResultTexts() {
  std::vector<std::string> out;
  for (int k = 0; k < SrfState.WordResultCount; ++k)
    out.push_back(PoolWordText(SrfState.WordResults[k]));
  return out;
}

std::vector<std::string> SlotTexts() {
  std::vector<std::string> out;
  for (int s = 0; s < SrfState.CandidateCount; ++s) out.push_back(Utf8(SrfState.CandidateTexts[s]));
  return out;
}

std::vector<std::string> SlotOutputs() {
  std::vector<std::string> out;
  for (int s = 0; s < SrfState.CandidateCount; ++s)
    out.push_back(Utf8(SrfState.CandidateOutputs[s]));
  return out;
}

int IndexOf(const std::vector<std::string>& list, const std::string& text) {
  auto it = std::find(list.begin(), list.end(), text);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

}  // namespace dazi::testing
