// Follow-on words offered after a keypad choice.
#include <gmock/gmock.h>

#include "engine/keypad/KeypadEngine.h"
#include "tests/keypad/KeypadFixture.h"

namespace dazi {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class KeypadFollowOn : public testing::KeypadTest {
 protected:
  void SetUp() override {
    zhong_ = Char("中", {"2512"});
    guo_ = Char("国", {"2511"});
    ren_ = Char("人", {"34"});
    kou_ = Char("口", {"251"});
    dict_.AddWord({guo_, ren_});
    dict_.AddWord({zhong_, guo_});
    dict_.AddWord({zhong_, ren_}, false, true);
    dict_.AddWord({zhong_, kou_});
    dict_.AddWord({ren_, zhong_});
  }

  std::vector<std::string> FollowOns() const {
    std::vector<std::string> out;
    const TLumiskCand& s = SrfState;
    for (int i = 0; i < s.AssociationCount; ++i) {
      const int32 w = s.AssociationList[i];
      std::string word;
      for (int j = 0; j < s.WordPoolLengths[w]; ++j) word += Text(s.WordPoolCodes[w][j]);
      out.push_back(word + ":" + KindTag(s.WordPoolKinds[w]));
    }
    return out;
  }

  int zhong_ = 0, guo_ = 0, ren_ = 0, kou_ = 0;
};

TEST_F(KeypadFollowOn, DictionaryWordsFirstThenUserAndLearnedWords) {
  Load();
  AddLearnedWord({zhong_, ren_, guo_});
  AddUserWord({zhong_, ren_});
  AddUserWord({guo_, zhong_});
  Jump("25");  // leaves a pool behind that the search must replace
  FindKeypadFollowOnWords(zhong_);
  EXPECT_THAT(FollowOns(), ElementsAre("中国:dict", "中口:dict", "中人:user", "中人国:learned"));
  EXPECT_EQ(SrfState.AssociationShown, 1);
  EXPECT_EQ(SrfState.WordPoolCount, 4);
  // The gloss numbers count the traditional-only record that was skipped.
  EXPECT_EQ(SrfState.WordPoolSerials[1], SrfState.WordPoolSerials[0] + 2);
}

TEST_F(KeypadFollowOn, VariantClassOffersOnlyUserAndLearnedWords) {
  Load(5);
  AddUserWord({zhong_, ren_});
  FindKeypadFollowOnWords(zhong_);
  EXPECT_THAT(FollowOns(), ElementsAre("中人:user"));
}

TEST_F(KeypadFollowOn, CharacterWithoutWordsGivesAnEmptyList) {
  Load();
  AddUserWord({guo_, zhong_});
  SrfState.AssociationShown = 1;
  FindKeypadFollowOnWords(kou_);
  EXPECT_THAT(FollowOns(), IsEmpty());
  EXPECT_EQ(SrfState.AssociationShown, 0);
  // A punctuation mark has no character number; nothing is read for it.
  FindKeypadFollowOnWords(0);
  EXPECT_THAT(FollowOns(), IsEmpty());
  EXPECT_EQ(SrfState.AssociationShown, 0);
}

}  // namespace
}  // namespace dazi
