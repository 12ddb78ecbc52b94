// The conversion is indexed and cached for speed; it must give exactly what the plain walk
// over the block and lexicon look-ups gives. Both run on random inputs over one random
// fixture.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "engine/sentence/SentenceEngine.h"
#include "tests/sentence/PlainConversion.h"
#include "tests/sentence/SentenceTestSupport.h"
#include "tests/support/TempDataFolder.h"

namespace dazi {
namespace {

struct Outcome {
  std::vector<int32> codes;
  std::vector<std::string> phrases;
  int32 abbrevCount = 0;
  bool operator==(const Outcome&) const = default;
};

Outcome Capture() {
  Outcome o;
  o.codes = testing::SentenceCodeList();
  o.phrases.assign(SrfState.PhrasePinyin, SrfState.PhrasePinyin + SrfState.PhraseCount);
  o.abbrevCount = SrfState.AbbrevCount;
  return o;
}

const std::vector<std::string> kSyllables = {
    "xian", "zai", "jian",  "dan", "wei", "zhi", "fang", "fa", "xia", "ba", "bang", "an", "ni",
    "wo",   "men", "zhong", "guo", "shi", "de",  "yi",   "ge", "ren", "e",  "xi",   "ao", "ai"};
const char* const kChars[] = {"现", "在", "简", "单", "位", "制", "方", "法", "下",
                              "巴", "帮", "安", "你", "我", "们", "中", "国", "是",
                              "的", "一", "个", "人", "饿", "西", "奥", "爱"};

TEST(ReferenceConversion, IndexedWalkMatchesThePlainWalk) {
  testing::TempDataFolder folder;
  testing::SentenceFixture fx;
  std::vector<int> chars;
  for (std::size_t i = 0; i < kSyllables.size(); ++i)
    chars.push_back(fx.Char(kChars[i], kSyllables[i]));

  std::mt19937 random(20240607);
  auto pick = [&](std::size_t n) { return static_cast<std::size_t>(random() % n); };
  int firstLetters = 0;  // letters of the first syllable of the last word made
  auto word = [&](std::size_t length, std::string* pinyin, std::string* initials) {
    std::vector<int> codes;
    for (std::size_t j = 0; j < length; ++j) {
      const std::size_t k = pick(kSyllables.size());
      if (j == 0) firstLetters = static_cast<int>(kSyllables[k].size());
      codes.push_back(chars[k]);
      *pinyin += kSyllables[k];
      *initials += kSyllables[k][0];
    }
    return codes;
  };
  for (int i = 0; i < 400; ++i) {
    std::string pinyin, initials;
    std::vector<int> codes = word(2 + (pick(4) == 0 ? pick(3) : 0), &pinyin, &initials);
    if (pinyin.size() < 4) continue;
    fx.Phrase(pinyin, codes, firstLetters, static_cast<int>(pick(4)), pick(8) != 0, pick(2) == 0);
  }
  // Each trial starts from this block, so both walks begin with the same phrase list.
  fx.Phrase("xianzai", {chars[0], chars[1]}, 4, 1, true, true);
  for (int i = 0; i < 60; ++i) {
    std::string pinyin, initials;
    std::vector<int> codes = word(2 + pick(2), &pinyin, &initials);
    fx.Abbrev(initials, codes, pick(6) != 0, pick(2) == 0);
  }
  std::vector<std::vector<int>> userWords;
  for (int i = 0; i < 40; ++i) {
    std::string pinyin, initials;
    userWords.push_back(word(2 + pick(3), &pinyin, &initials));
  }
  fx.WriteAndLoad(userWords);

  for (int trial = 0; trial < 600; ++trial) {
    std::string input;
    const std::size_t pieces = 1 + pick(14);
    for (std::size_t p = 0; p < pieces && input.size() < 90; ++p) {
      const std::string& syllable = kSyllables[pick(kSyllables.size())];
      switch (pick(8)) {
        case 0:
          input += syllable[0];
          break;  // an initial
        case 1:
          input += pick(2) ? "ng" : "i";
          break;  // letters that begin no syllable
        default:
          input += syllable;
      }
    }
    SrfState.MethodClass = static_cast<int32>(pick(4) == 0);
    LoadPhraseBlock("xianzai");
    testing::PlainConvert(input);
    const Outcome expected = Capture();
    LoadPhraseBlock("xianzai");
    ConvertSentence(input);
    ASSERT_EQ(Capture(), expected) << input << " class " << SrfState.MethodClass;
  }
}

}  // namespace
}  // namespace dazi
