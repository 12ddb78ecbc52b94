// The symbol pages u, i, v and the private-character page va, and how further letters turn
// their pages.
#include <gtest/gtest.h>

#include "engine/core/CandidateKinds.h"
#include "engine/pinyin/PinyinEngine.h"
#include "engine/startup/DictionaryLoader.h"
#include "tests/pinyin/PinyinTestSupport.h"
#include "tests/support/TempDataFolder.h"

namespace dazi {
namespace {

using testing::Gbk;
using testing::Utf8;

class SymbolPages_ : public ::testing::Test {
 protected:
  void SetUp() override {
    BuildPrivateCodes();
    SrfState.CandidatesPerPage = 10;
  }
  // The two bytes of symbol k of the page of letter.
  static std::string Symbol(char letter, int k) {
    return SymbolPages[SymbolPageIndex(letter)].substr(2 * static_cast<std::size_t>(k), 2);
  }
  testing::TempDataFolder folder_;
};

TEST_F(SymbolPages_, HoldTheirSymbolsAsTwoByteGbkCodes) {
  EXPECT_EQ(SymbolPages[0].size(), 2u * 81);
  EXPECT_EQ(SymbolPages[1].size(), 2u * 127);
  EXPECT_EQ(SymbolPages[2].size(), 2u * 104);
  for (const std::string& page : SymbolPages)
    for (std::size_t k = 0; k < page.size(); k += 2)
      EXPECT_GE(static_cast<unsigned char>(page[k]), 0x81) << "byte " << k << " is not a lead byte";
  EXPECT_EQ(Utf8(Symbol('u', 0)), "＃");
  EXPECT_EQ(Utf8(Symbol('u', 80)), "¤");
  EXPECT_EQ(Utf8(Symbol('i', 0)), "ⅰ");
  EXPECT_EQ(Utf8(Symbol('i', 126)), "﹤");
  EXPECT_EQ(Utf8(Symbol('v', 0)), "，");
  EXPECT_EQ(Symbol('v', 99), "\xA8\xBC");  // ḿ
  EXPECT_EQ(Utf8(Symbol('v', 103)), "ɡ");
}

TEST_F(SymbolPages_, LookupListsEveryIndexOfTheLettersPage) {
  const std::pair<const char*, int> pages[] = {{"u", 81}, {"i", 127}, {"v", 104}, {"vb", 104}};
  for (const auto& [input, count] : pages) {
    SrfState.WordPoolCount = 7;
    SrfState.FullListBuilt = 0;
    LookupPinyin(input);
    ASSERT_EQ(SrfState.LookupCount, count) << input;
    for (int k = 0; k < count; ++k) ASSERT_EQ(SrfState.LookupList[k], k) << input;
    EXPECT_EQ(SrfState.WordPoolCount, 0) << input;
    EXPECT_EQ(SrfState.FullListBuilt, 1) << input;
  }
}

TEST_F(SymbolPages_, PrivatePageListsHundredCodesAndLeavesFullListFlag) {
  for (const char* input : {"va", "vab"}) {
    SrfState.WordPoolCount = 7;
    SrfState.FullListBuilt = 0;
    LookupPinyin(input);
    ASSERT_EQ(SrfState.LookupCount, 100) << input;
    EXPECT_EQ(SrfState.LookupList[99], 99);
    EXPECT_EQ(SrfState.WordPoolCount, 0);
    EXPECT_EQ(SrfState.FullListBuilt, 0) << input;
  }
}

TEST_F(SymbolPages_, EachFurtherLetterTurnsOnePage) {
  SrfState.InputText = "uu";
  LookupPinyin("uu");
  SrfState.PageIndex = 4;
  MergeResults();
  EXPECT_EQ(SrfState.PageIndex, 0);
  EXPECT_EQ(SrfState.ResultCount, 81);
  BuildCandidatePage();
  EXPECT_EQ(SrfState.PageIndex, 1);
  ASSERT_EQ(SrfState.CandidateCount, 10);
  for (int s = 0; s < 10; ++s) EXPECT_EQ(SrfState.CandidateTexts[s], Symbol('u', 10 + s)) << s;

  testing::TypeLetters("vvvvvvvvvvv");  // page 10 holds the last four symbols
  EXPECT_EQ(SrfState.PageIndex, 10);
  ASSERT_EQ(SrfState.CandidateCount, 4);
  EXPECT_EQ(SrfState.CandidateTexts[3], Symbol('v', 103));
}

TEST_F(SymbolPages_, PagingCommandsMoveFromTheFirstPage) {
  testing::TypeLetters("i");
  EXPECT_EQ(SrfState.CandidateTexts[0], Symbol('i', 0));
  SrfState.PageIndex = 2;  // as the page-down command leaves it
  BuildCandidatePage();
  EXPECT_EQ(SrfState.PageIndex, 2);
  EXPECT_EQ(SrfState.CandidateTexts[0], Symbol('i', 20));
}

TEST_F(SymbolPages_, PrivatePageShowsTheUserDefinedCodes) {
  testing::TypeLetters("va");
  ASSERT_EQ(SrfState.CandidateCount, 10);
  EXPECT_EQ(SrfState.CandidateTexts[0], "\xAA\xA1");
  EXPECT_EQ(SrfState.CandidateTexts[9], "\xAA\xAA");
  testing::TypeLetters("vab");
  EXPECT_EQ(SrfState.PageIndex, 1);
  ASSERT_EQ(SrfState.CandidateCount, 10);
  EXPECT_EQ(SrfState.CandidateTexts[0], "\xAA\xAB");
  EXPECT_EQ(SrfState.CandidateTexts[9], "\xAA\xB4");
}

TEST_F(SymbolPages_, SymbolSlotsAreCharactersWithoutCharacterNumbers) {
  SrfState.CandidateGlosses[0] = "stale";
  SrfState.CandidateCharCounts[0] = 5;
  SrfState.CandidateKinds[0] = kUserWordKind;
  testing::TypeLetters("v");
  ASSERT_EQ(SrfState.CandidateCount, 10);
  for (int s = 0; s < 10; ++s) {
    EXPECT_EQ(SrfState.CandidateKinds[s], kCharacterKind);
    EXPECT_EQ(SrfState.CandidateIds[s], 0);
    EXPECT_EQ(SrfState.CandidateFirstCodes[s], 0);
    EXPECT_EQ(SrfState.CandidateCharCounts[s], 0);
    EXPECT_EQ(SrfState.CandidateOutputs[s], SrfState.CandidateTexts[s]);
    EXPECT_EQ(SrfState.CandidateGlosses[s], "");
    EXPECT_EQ(SrfState.CandidateDictTexts[s], "");
  }
  EXPECT_EQ(SrfState.CandidateTexts[1], Gbk("、"));
}

TEST_F(SymbolPages_, PagesBeyondTheLastShowNothing) {
  testing::TypeLetters(std::string(99, 'u'));
  EXPECT_EQ(SrfState.PageIndex, 98);
  EXPECT_EQ(SrfState.CandidateCount, 0);
  testing::TypeLetters("va" + std::string(97, 'z'));
  EXPECT_EQ(SrfState.CandidateCount, 0);
}

}  // namespace
}  // namespace dazi
