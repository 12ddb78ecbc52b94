// Inside the complete and inside the partial matches, the words whose readings the letters
// spell in full come before the words they only abbreviate; a word whose characters an
// earlier entry has (a learned phrase that is also a dictionary word) is listed once.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>

#include "engine/core/CandidateKinds.h"
#include "engine/core/EngineGeneration.h"
#include "engine/pinyin/PinyinEngine.h"
#include "engine/startup/DictionaryLoader.h"
#include "tests/pinyin/PinyinTestSupport.h"
#include "tests/support/FixtureDictionary.h"
#include "tests/support/TempDataFolder.h"

namespace dazi {
namespace {

using dictwriter::kAttrSimplified;
using ::testing::ElementsAre;

class FullSpellingOrder : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::FixtureDictionary d;
    int rank = 0;
    // Characters with their spellings (syllable and first-stroke letter), most frequent first.
    const std::pair<const char*, const char*> characters[] = {
        {"西", "xih"},    {"习", "xiz"},  {"吸", "xis"},   {"洗", "xid"},   {"小", "xiaos"},
        {"相", "xiangh"}, {"瓜", "guap"}, {"关", "guand"}, {"惯", "guand"}, {"收", "shouz"},
        {"手", "shoup"},  {"时", "shis"}, {"候", "houp"},  {"注", "zhud"},  {"意", "yid"},
        {"最", "zuis"},   {"后", "houp"}, {"欢", "huanz"}, {"迎", "yingp"}};
    for (const auto& [text, spelling] : characters) {
      const int n = d.AddChar(text);
      d.AddReading(n, spelling, static_cast<std::uint16_t>(kAttrSimplified | ++rank));
      chars_[text] = n;
    }
    Word(d, {"西", "瓜"}, 5);
    Word(d, {"习", "惯"}, 0);
    Word(d, {"相", "关"}, 0);
    Word(d, {"吸", "收"}, 3);
    Word(d, {"洗", "手"}, 4);
    Word(d, {"小", "时", "候"}, 0);
    Word(d, {"注", "意"}, 2);
    ASSERT_EQ(d.Write(), "");
    ASSERT_TRUE(LoadDictionaries().ok);
  }

  void Word(testing::FixtureDictionary& d, std::initializer_list<const char*> texts, int group) {
    d.AddWord(Codes(texts), true, false, group);
  }
  std::vector<int> Codes(std::initializer_list<const char*> texts) const {
    std::vector<int> codes;
    for (const char* t : texts) codes.push_back(chars_.at(t));
    return codes;
  }
  void AddLearned(std::initializer_list<const char*> texts) {
    const int n = SrfState.LearnCount++;
    int j = 0;
    for (int c : Codes(texts)) SrfState.LearnCodes[n][j++] = c;
    SrfState.LearnLengths[n] = j;
    SrfState.LearnKinds[n] = kLearnedWordKind;
  }
  void AddUser(std::initializer_list<const char*> texts) {
    const int n = SrfState.UserWordCount++;
    int j = 0;
    for (int c : Codes(texts)) SrfState.UserWordCodes[n][j++] = c;
    SrfState.UserWordLengths[n] = j;
    SrfState.UserWordKinds[n] = kUserWordKind;
    AdvanceEngineGeneration();  // the user words were written by hand
  }
  std::vector<std::string> Words(const std::string& letters) {
    testing::TypeLetters(letters);
    return testing::WordResultTexts();
  }
  std::vector<int32> Kinds() const {
    return {SrfState.WordResultKinds, SrfState.WordResultKinds + SrfState.WordResultCount};
  }

  std::map<std::string, int> chars_;
  testing::TempDataFolder folder_;
};

TEST_F(FullSpellingOrder, FullSpellingsComeFirstInsideCompleteAndPartialMatches) {
  const struct {
    const char* letters;
    std::vector<std::string> words;
  } cases[] = {
      // 西瓜 (group 5) spelled whole; 习惯 and 相关 (group 0) only cut short.
      {"xigua", {"西瓜", "习惯", "相关"}},
      // A last reading cut short is an abbreviation too: the groups decide.
      {"xigu", {"习惯", "相关", "西瓜"}},
      // 吸 is xi with the stroke letter s, which is given back to start shou: still whole.
      {"xishou", {"吸收", "洗手", "小时候"}},
      // Partial matches: xi spells the first syllable of four of them whole.
      {"xi", {"习惯", "吸收", "洗手", "西瓜", "小时候", "相关"}},
  };
  for (const auto& c : cases) EXPECT_EQ(Words(c.letters), c.words) << c.letters;
}

TEST_F(FullSpellingOrder, LearnedPhraseMatchedByAbbreviationWaitsBehindTheWholeWord) {
  AddLearned({"最", "后", "欢", "迎"});
  EXPECT_THAT(Words("zhuyi"), ElementsAre("注意", "最后欢迎"));
  // Abbreviating both, the learned phrase keeps its place in group 0.
  EXPECT_THAT(Words("zhy"), ElementsAre("最后欢迎", "注意"));
}

TEST_F(FullSpellingOrder, LearnedPhraseThatIsADictionaryWordIsListedOnce) {
  AddLearned({"注", "意"});
  EXPECT_THAT(Words("zhuyi"), ElementsAre("注意"));
  EXPECT_THAT(Kinds(), ElementsAre(kLearnedWordKind));
  EXPECT_THAT(Words("z"), ElementsAre("注意"));
  // Saved into the user lexicon, it is still one entry.
  AddUser({"注", "意"});
  EXPECT_THAT(Words("zy"), ElementsAre("注意"));
  EXPECT_THAT(Kinds(), ElementsAre(kUserWordKind));
}

}  // namespace
}  // namespace dazi
