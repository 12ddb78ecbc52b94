#include "tests/controller/ControllerFixture.h"

#include "engine/core/Gbk.h"
#include "engine/core/Unit_Data.h"
#include "engine/startup/DictionaryLoader.h"
#include "ui/controller/KeyTokens.h"

namespace dazi::testing {

using dictwriter::kAttrSimplified;

FixtureDictionary TypingDictionary() {
  FixtureDictionary d;
  auto add = [&d](const char* ch, const char* spelling, int rank, const char* gloss) {
    const int n = d.AddChar(ch);
    d.AddReading(n, spelling, static_cast<std::uint16_t>(kAttrSimplified | rank));
    d.Source().chars.back().gloss = gloss;
    d.Source().chars.back().dictText = GbkFromUtf8(std::string(ch) + "：释义");
    return n;
  };
  const int ni = add("你", "nip", 1, "you"), niOther = add("尼", "niz", 2, "");
  const int hao = add("好", "haoz", 1, "good"), haoOther = add("号", "haos", 2, "");
  const int zhong = add("中", "zhongs", 1, "middle"), guo = add("国", "guos", 1, "");
  const int ren = add("人", "renp", 1, ""), min = add("民", "minz", 1, "");
  const int hua = add("华", "huap", 1, ""), gong = add("共", "gongh", 1, "");
  const int he = add("和", "hep", 1, "");
  (void)niOther;
  (void)haoOther;
  d.AddWord({ni, hao}, true, false, 0, 0, "hello");
  d.AddWord({zhong, guo}, true, false, 0, 0, "China");
  d.AddWord({zhong, guo, ren}, true, false, 0, 0, "Chinese person");
  d.AddWord({zhong, hua, ren, min, gong, he}, true, false, 0, 0, "PRC!");
  d.AddWord({ren, min}, true, false, 0, 0, "people");
  return d;
}

void ControllerTest::Start(FixtureDictionary d) {
  ASSERT_EQ(d.Write(), "");
  ASSERT_TRUE(LoadDictionaries().ok);
  controller_ = std::make_unique<PracticeController>();
}

void ControllerTest::Type(const std::string& keys) {
  const keys::ParsedKeys parsed = keys::ParseKeys(keys);
  ASSERT_EQ(parsed.error, "");
  for (const keys::KeyEvent& key : parsed.keys) {
    if (key.character != keys::kNoCharacter)
      controller_->Edit1KeyPress(static_cast<char>(key.character));
    controller_->Memo1KeyUp(key.virtualKey);
  }
}

void ControllerTest::ChooseText(const std::string& utf8) {
  const std::vector<std::string> texts = CandidateTexts();
  for (std::size_t i = 0; i < texts.size(); ++i) {
    if (texts[i] != utf8) continue;
    Type(std::string(1, i == 9 ? '0' : static_cast<char>('1' + i)));
    return;
  }
  ADD_FAILURE() << "no candidate " << utf8 << " on the page";
}

std::string ControllerTest::Input() const {
  return SrfState.InputText;
}
std::string ControllerTest::Output() const {
  return Utf8(controller_->OutputText());
}

std::vector<std::string> ControllerTest::CandidateTexts() const {
  std::vector<std::string> texts;
  for (int i = 0; i < SrfState.CandidateCount && i < kPageCapacity; ++i)
    texts.push_back(Utf8(SrfState.CandidateTexts[i]));
  return texts;
}

std::vector<std::string> ControllerTest::CandidateOutputs() const {
  std::vector<std::string> outputs;
  for (int i = 0; i < SrfState.CandidateCount && i < kPageCapacity; ++i)
    outputs.push_back(Utf8(SrfState.CandidateOutputs[i]));
  return outputs;
}

}  // namespace dazi::testing
