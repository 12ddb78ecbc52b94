#include <gtest/gtest.h>

#include "engine/core/Unit_Data.h"
#include "engine/startup/DictionaryLoader.h"
#include "tests/support/FixtureDictionary.h"
#include "tests/support/GbkText.h"
#include "tests/support/TempDataFolder.h"
#include "ui/usercorpus/UserCorpus.h"

namespace dazi {
namespace {

using dictwriter::kAttrSimplified;
using testing::Gbk;

std::string Record(const std::vector<int>& codes) {
  std::string r(1, static_cast<char>(codes.size()));
  for (int c : codes) {
    r += static_cast<char>(c & 0xFF);
    r += static_cast<char>(c >> 8);
  }
  return r;
}

// 张 1, 强 2, 中 3, 国 4 with readings, so the rebuilt lexicon loads with its spellings.
class UserLexiconRebuild : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::FixtureDictionary d;
    const char* chars[][2] = {{"张", "zhangz"}, {"强", "qiangz"}, {"中", "zhongs"}, {"国", "guos"}};
    for (const auto& [text, reading] : chars)
      d.AddReading(d.AddChar(text), reading, kAttrSimplified | 1);
    ASSERT_EQ(d.Write(), "");
  }
  void WriteCorpus(const std::vector<std::string>& entries) {
    std::string text = Gbk("我的词语") + "\r\n";
    for (const std::string& entry : entries) text += "\t" + entry + "\r\n";
    text += Gbk("空分类") + "\r\n";
    folder_.WriteBytes("srf_pub.dat", text);
  }
  bool Rebuild() {
    UserCorpus corpus;
    return corpus.LoadCorpusTree() && corpus.LoadCharTable("srf_pub.zc") &&
           corpus.WriteUserLexicon();
  }

  testing::TempDataFolder folder_;
};

TEST_F(UserLexiconRebuild, KeepsWholeWordsOfKnownCharactersAndLoadsBack) {
  WriteCorpus({Gbk("张强"), Gbk("中"), " " + Gbk("中国") + " ", Gbk("张") + "x", "ab" + Gbk("中"),
               Gbk("张王"), "abcd", Gbk("国张中")});
  ASSERT_TRUE(Rebuild());
  EXPECT_EQ(folder_.ReadBytes("srf_pub.usr"),
            Record({1, 2}) + Record({3, 4}) + Record({4, 1, 3}) + std::string(1, '\0'));

  ASSERT_TRUE(LoadDictionaries().ok);
  ASSERT_EQ(SrfState.UserWordCount, 3);
  EXPECT_EQ(SrfState.UserWordLengths[0], 2);
  EXPECT_EQ(SrfState.UserWordPinyin[0], "zhangqiang");
  EXPECT_EQ(SrfState.UserWordInitials[2], "gzz");
}

TEST_F(UserLexiconRebuild, FiftyCharactersAreTheLongestRecord) {
  std::string fifty, fiftyOne;
  for (int i = 0; i < 50; ++i) fifty += Gbk("中");
  fiftyOne = fifty + Gbk("国");
  WriteCorpus({fiftyOne, fifty});
  ASSERT_TRUE(Rebuild());
  const std::string usr = folder_.ReadBytes("srf_pub.usr");
  ASSERT_EQ(usr.size(), 1u + 100u + 1u);
  EXPECT_EQ(usr[0], 50);
}

TEST_F(UserLexiconRebuild, CategoriesAloneGiveTheEndByteOnly) {
  WriteCorpus({});
  folder_.WriteBytes("srf_pub.usr", Record({1, 2}) + std::string(1, '\0'));
  ASSERT_TRUE(Rebuild());
  EXPECT_EQ(folder_.ReadBytes("srf_pub.usr"), std::string(1, '\0'));
}

TEST_F(UserLexiconRebuild, WithoutTheCharacterTableTheLexiconIsKept) {
  WriteCorpus({Gbk("张强")});
  const std::string kept = Record({2, 1}) + std::string(1, '\0');
  folder_.WriteBytes("srf_pub.usr", kept);
  UserCorpus corpus;
  ASSERT_TRUE(corpus.LoadCorpusTree());
  EXPECT_FALSE(corpus.LoadCharTable("missing.zc"));
  EXPECT_FALSE(corpus.WriteUserLexicon());
  folder_.WriteBytes("short.zc", std::string("\0\0\0\0\x09\0\0\0\0\0\xD5\xC5", 12));
  EXPECT_FALSE(corpus.LoadCharTable("short.zc"));  // 9 characters announced, 1 present
  EXPECT_FALSE(corpus.WriteUserLexicon());
  EXPECT_EQ(folder_.ReadBytes("srf_pub.usr"), kept);
}

TEST_F(UserLexiconRebuild, AnAddedWordReachesTheLexicon) {
  WriteCorpus({Gbk("中国")});
  UserCorpus corpus;
  ASSERT_TRUE(corpus.LoadCorpusTree());
  ASSERT_TRUE(corpus.LoadCharTable("srf_pub.zc"));
  EXPECT_EQ(corpus.Add(1, Gbk("张强")), CorpusOutcome::Done);
  EXPECT_EQ(folder_.ReadBytes("srf_pub.usr"),
            Record({3, 4}) + Record({1, 2}) + std::string(1, '\0'));
  EXPECT_EQ(corpus.Delete(CorpusNode{0, 0}), CorpusOutcome::Done);
  EXPECT_EQ(folder_.ReadBytes("srf_pub.usr"), Record({1, 2}) + std::string(1, '\0'));
}

}  // namespace
}  // namespace dazi
