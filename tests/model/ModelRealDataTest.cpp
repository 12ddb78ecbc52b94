// The statistical engine on the generated dictionaries and srf_pub.ngm: sentences users type,
// abbreviated and full, and key-by-key typing that ends where converting at once ends.
// Skipped when the model has not been built beside the test program.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "engine/core/Gbk.h"
#include "engine/core/Unit_Data.h"
#include "engine/model/ModelFile.h"
#include "engine/model/ModelFormat.h"
#include "engine/model/ModelSentence.h"
#include "engine/startup/DictionaryLoader.h"
#include "engine/user/DataFolder.h"
#include "tests/support/RealDictionaries.h"
#include "tests/support/TempDataFolder.h"

namespace dazi::testing {
namespace {

class ModelRealData : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::string why = LinkRealDictionaries(folder_.Path()); !why.empty()) GTEST_SKIP() << why;
    const auto model = std::filesystem::path(ExecutableFolder()) / model::kModelFileName;
    if (!std::filesystem::exists(model)) GTEST_SKIP() << "no " << model.string();
    std::filesystem::create_symlink(model, folder_.Path() / model::kModelFileName);
    ASSERT_TRUE(LoadDictionaries().ok);
    ASSERT_TRUE(LoadSentenceModel());
  }
  void TearDown() override { UnloadSentenceModel(); }

  std::string Convert(const std::string& pinyin) {
    EXPECT_TRUE(ConvertSentenceByModel(pinyin));
    return Utf8FromGbk(SrfState.DefaultSentence);
  }

  TempDataFolder folder_;
};

TEST_F(ModelRealData, EverydaySentences) {
  EXPECT_EQ(Convert("wmyaonltggongzuosp"), "我们要努力提高工作水平");
  EXPECT_EQ(Convert("zhongguorenminzhengzaiweishixianzhegemubiaoerfendou"),
            "中国人民正在为实现这个目标而奋斗");
  EXPECT_EQ(Convert("qingyuedushouceye"), "请阅读手册页");
  EXPECT_EQ(Convert("ruguonixiangzaiminglinghangzhongchakanbangzhuxinxi"),
            "如果你想在命令行中查看帮助信息");
  // An apostrophe ends a syllable: xi'an is never xian.
  EXPECT_EQ(Utf8FromGbk(ConvertPinyinLineByModel("xi'an")), "西安");
  EXPECT_NE(Utf8FromGbk(ConvertPinyinLineByModel("xian")), "西安");
}

// Everyday sentences about people and daily life: 他 for people, and the everyday word
// where the manual pages know a technical homophone better.
TEST_F(ModelRealData, EverydaySenseOfPeopleAndHomophones) {
  const std::pair<const char*, const char*> cases[] = {
      {"tahenmang", "他很忙"},
      {"tadebaba", "他的爸爸"},
      {"tashiwodepengyou", "他是我的朋友"},
      {"wojintianqukanta", "我今天去看他"},
      {"zhegechengshihenda", "这个城市很大"},
      {"womenyouyigehenpiaoliangdechengshi", "我们有一个很漂亮的城市"},
      {"zuotianxialedayu", "昨天下了大雨"},
      {"mingtianshangwudehuiyihenzhongyao", "明天上午的会议很重要"},
  };
  for (const auto& [pinyin, text] : cases) EXPECT_EQ(Convert(pinyin), text) << pinyin;
}

// The tables and their reader agree on the back-off walk: after any history, the
// probabilities of all words sum to one (up to the rounding of the costs to 1/16 bit).
TEST_F(ModelRealData, EveryHistorySumsToOne) {
  model::ModelFile file;
  ASSERT_TRUE(file.Open(model::kModelFileName));
  auto sum = [&](const model::LmState& history) {
    double total = 0;
    for (std::uint32_t w = 0; w < file.WordCount(); ++w) {
      model::LmState s = history;
      total += std::exp2(-file.Score(&s, w) / static_cast<double>(model::kCostScale));
    }
    return total;
  };
  // Words of the likeliest single characters, and a pair of them that is a trigram history.
  std::vector<std::uint32_t> chars;
  const model::Range root = file.Edges(0);
  for (std::uint32_t e = root.begin; e < root.end && chars.size() < 300; ++e) {
    int syllable = 0;
    std::uint32_t child = 0;
    file.Edge(e, &syllable, &child);
    if (file.Entries(child).size() > 0)
      chars.push_back(file.TrieEntry(file.Entries(child).begin).word);
  }
  model::LmState trigramHistory;
  for (std::size_t i = 0; i < chars.size() && trigramHistory.context == model::kNone; ++i) {
    for (std::size_t j = 0; j < chars.size() && trigramHistory.context == model::kNone; ++j) {
      trigramHistory = {};
      file.Score(&trigramHistory, chars[i]);
      file.Score(&trigramHistory, chars[j]);
    }
  }
  ASSERT_NE(trigramHistory.context, model::kNone);
  for (const model::LmState& h : {model::LmState{}, model::LmState{chars[0], model::kNone},
                                  model::LmState{chars[7], model::kNone}, trigramHistory})
    EXPECT_NEAR(sum(h), 1.0, 0.03) << "after word " << h.last;
}

TEST_F(ModelRealData, TypingKeyByKeyEndsAsConvertingAtOnce) {
  const std::string sentences[] = {
      "womenyaojiandingbuyidezouzhongguotesezhuyidaoluzhongguorenminzhengzaiweishixianzhongguomenge"
      "rf",
      "ruguonixiangzaiminglinghangzhongchakanbangzhuxinxi",
      "zhegecanshukeyiyongyukongzhishuchudegeshi",
  };
  for (const std::string& s : sentences) {
    for (std::size_t n = 1; n <= s.size(); ++n) ConvertSentenceByModel(s.substr(0, n));
    const std::string typed = SrfState.DefaultSentence;
    UnloadSentenceModel();
    ASSERT_TRUE(LoadSentenceModel());  // a fresh decoder
    ConvertSentenceByModel(s);
    EXPECT_EQ(Utf8FromGbk(typed), Utf8FromGbk(SrfState.DefaultSentence)) << s;
  }
}

}  // namespace
}  // namespace dazi::testing
