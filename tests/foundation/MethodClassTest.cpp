// The numbers stored in the record for the method, the class and the candidate kinds: the
// dictionary files, the console's JSON and the settings all depend on these values.
#include "engine/core/MethodClass.h"

#include <gtest/gtest.h>

#include "engine/core/CandidateKinds.h"
#include "engine/dict/DictLayout.h"

namespace dazi {
namespace {

struct MethodClassCase {
  int32 value;
  InputMethod method;
  CharClass charClass;
  bool simplifiedWord;   // a word record with only bit 7 set is offered
  bool traditionalWord;  // a word record with only bit 6 set is offered
};

TEST(MethodClass, DecodesComposesAndChoosesTheWordsOfEachValue) {
  const MethodClassCase cases[] = {
      {0, InputMethod::Pinyin, CharClass::Simplified, true, false},
      {1, InputMethod::Pinyin, CharClass::Traditional, false, true},
      {2, InputMethod::Pinyin, CharClass::Variant, false, false},
      {3, InputMethod::Keypad, CharClass::Simplified, true, false},
      {4, InputMethod::Keypad, CharClass::Traditional, false, true},
      {5, InputMethod::Keypad, CharClass::Variant, false, false},
  };
  for (const MethodClassCase& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(MethodOf(c.value), c.method);
    EXPECT_EQ(ClassOf(c.value), c.charClass);
    EXPECT_EQ(ComposeMethodClass(c.method, c.charClass), c.value);
    EXPECT_EQ(WordInActiveClass(0x80, c.value), c.simplifiedWord);
    EXPECT_EQ(WordInActiveClass(0x40, c.value), c.traditionalWord);
    // The other bits of the flags byte (length, later bits) never make a word of the class.
    EXPECT_EQ(WordInActiveClass(0xFF, c.value), c.simplifiedWord || c.traditionalWord);
    EXPECT_FALSE(WordInActiveClass(0x3F, c.value));
  }
}

TEST(CandidateKinds, KeepTheirStoredValues) {
  EXPECT_EQ(kCharacterKind, 0);
  EXPECT_EQ(kDictionaryWordKind, 1);
  EXPECT_EQ(kFollowOnWordKind, 2);
  EXPECT_EQ(kUserWordKind, 3);
  EXPECT_EQ(kLearnedWordKind, 4);
  for (int32 r = kFirstCodeVariant; r <= kLastCodeVariant; ++r) {
    EXPECT_EQ(CodeVariantKind(r), 4 + r);
    EXPECT_TRUE(IsKeypadCharacterKind(CodeVariantKind(r)));
  }
  EXPECT_TRUE(IsKeypadCharacterKind(kCharacterKind));
  for (int32 kind : {kDictionaryWordKind, kFollowOnWordKind, kUserWordKind, kLearnedWordKind})
    EXPECT_FALSE(IsKeypadCharacterKind(kind)) << kind;
  EXPECT_TRUE(IsLexiconWordKind(kUserWordKind));
  EXPECT_TRUE(IsLexiconWordKind(kLearnedWordKind));
  EXPECT_FALSE(IsLexiconWordKind(kDictionaryWordKind));
  EXPECT_FALSE(IsLexiconWordKind(kFollowOnWordKind));
}

}  // namespace
}  // namespace dazi
