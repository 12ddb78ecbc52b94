#include "tests/keypad/KeypadFixture.h"

#include "engine/core/CandidateKinds.h"
#include "engine/core/EngineGeneration.h"
#include "engine/core/Gbk.h"
#include "engine/dict/DictFiles.h"
#include "engine/keypad/KeypadEngine.h"
#include "engine/startup/DictionaryLoader.h"

namespace dazi::testing {

int KeypadTest::Char(const std::string& utf8, const std::vector<std::string>& codes,
                     std::uint8_t classBits) {
  const int n = dict_.AddChar(utf8);
  for (std::size_t r = 0; r < codes.size(); ++r) {
    dict_.Source().chars[static_cast<std::size_t>(n - 1)].strokeCodes.push_back(
        dictwriter::PackStrokeCode(codes[r]));
    const auto first = static_cast<std::size_t>(codes[r][0] - '1');
    dict_.Source().strokeLists[first].push_back(
        {static_cast<std::uint16_t>(n), classBits, static_cast<std::uint8_t>(r)});
  }
  return n;
}

void KeypadTest::Load(int methodClass) {
  ASSERT_EQ(dict_.Write(), "");
  ASSERT_TRUE(LoadDictionaries().ok);
  SrfState.MethodClass = methodClass;
  SrfState.CandidatesPerPage = 4;
}

void KeypadTest::AddUserWord(const std::vector<int>& chars) {
  TLumiskCand& s = SrfState;
  const int u = s.UserWordCount++;
  for (std::size_t j = 0; j < chars.size(); ++j) s.UserWordCodes[u][j] = chars[j];
  s.UserWordLengths[u] = static_cast<int32>(chars.size());
  s.UserWordKinds[u] = kUserWordKind;
  AdvanceEngineGeneration();  // the user words were written by hand
}

void KeypadTest::AddLearnedWord(const std::vector<int>& chars) {
  TLumiskCand& s = SrfState;
  const int u = s.LearnCount++;
  for (std::size_t j = 0; j < chars.size(); ++j) s.LearnCodes[u][j] = chars[j];
  s.LearnLengths[u] = static_cast<int32>(chars.size());
  s.LearnKinds[u] = kLearnedWordKind;
}

void KeypadTest::Refresh() {
  TLumiskCand& s = SrfState;
  s.PageIndex = 0;
  s.AssociationCount = 0;
  RefreshKeypadLookup(s.InputText);
}

void KeypadTest::Press(char key) {
  if (key == '/' || key == '*')
    SrfState.InputText = std::string(1, key);
  else
    SrfState.InputText += key;
  Refresh();
}

void KeypadTest::Type(const std::string& strokes) {
  SrfState.InputText.clear();
  for (char key : strokes) Press(key);
}

void KeypadTest::Jump(const std::string& input) {
  TLumiskCand& s = SrfState;
  for (int32& count : s.FirstPageCounts) count = 0;
  s.InputText = input;
  s.PageIndex = 0;
  s.AssociationCount = 0;
  LoadFirstStrokeList(input.substr(0, 1));
  MatchStrokes(input);
  BuildKeypadPage();
  BuildStrokePreviews();
}

void KeypadTest::ShowPage(int p) {
  SrfState.PageIndex = p;
  BuildKeypadPage();
}

std::string KeypadTest::KindTag(int32 kind) {
  switch (kind) {
    case kDictionaryWordKind:
      return "dict";
    case kFollowOnWordKind:
      return "follow-on";
    case kUserWordKind:
      return "user";
    case kLearnedWordKind:
      return "learned";
    default:
      break;
  }
  for (int32 r = kFirstCodeVariant; r <= kLastCodeVariant; ++r)
    if (kind == CodeVariantKind(r)) return "v" + std::to_string(r);
  return "kind " + std::to_string(kind);
}

std::vector<std::string> KeypadTest::Results() const {
  const TLumiskCand& s = SrfState;
  std::vector<std::string> out;
  for (int k = 0; k < s.ResultCount; ++k) {
    const int32 id = s.ResultIds[k];
    const int32 kind = s.ResultKinds[k];
    if (IsKeypadCharacterKind(kind)) {
      out.push_back(kind == kCharacterKind ? Text(id) : Text(id) + "/" + KindTag(kind));
      continue;
    }
    std::string word;
    for (int j = 0; j < s.WordPoolLengths[id]; ++j) word += Text(s.WordPoolCodes[id][j]);
    out.push_back(word + ":" + KindTag(kind));
  }
  return out;
}

std::vector<std::string> KeypadTest::Slots() const {
  std::vector<std::string> out;
  for (int i = 0; i < SrfState.CandidateCount; ++i) out.push_back(Utf8(SrfState.CandidateTexts[i]));
  return out;
}

std::vector<std::string> KeypadTest::Previews(int d) const {
  std::vector<std::string> out;
  for (int i = 0; i < SrfState.KeypadPreviewCounts[d - 1]; ++i)
    out.push_back(Utf8(SrfState.KeypadPreviews[(d - 1) * 4 + i]));
  return out;
}

std::string KeypadTest::Text(int n) {
  return Utf8(CharText(n));
}

}  // namespace dazi::testing
