// The whole-sentence key rules, typed through the controller on a fixture dictionary: the
// default sentence with its hint, writing it with Space or a digit, and correcting it from
// the left with the Left key while the rest of the letters waits.
#include <gmock/gmock.h>

#include <algorithm>
#include <set>
#include <stdexcept>

#include "engine/core/Unit_Data.h"
#include "engine/pinyin/SyllableTable.h"
#include "tests/controller/ControllerFixture.h"

namespace dazi::testing {
namespace {

using dictwriter::kAttrSimplified;
using dictwriter::kAttrTraditional;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::Not;

constexpr std::uint16_t kBoth = kAttrSimplified | kAttrTraditional;

// Syllables that the tests leave to their default characters.
const char* const kDefaultedSyllables[] = {"yao", "guo", "xiang"};

int DefaultNumber(const std::string& syllable, int column) {
  const int index = FindSyllable(syllable.data(), static_cast<int>(syllable.size()));
  if (index < 0) throw std::invalid_argument("not a syllable: " + syllable);
  return SyllableDefaultChars[index][column];
}

// Distinct GBK hanzi (both levels), for filling the character table.
std::vector<std::string> FillerCharacters(std::size_t count, const std::set<std::string>& used) {
  std::vector<std::string> fillers;
  for (int hi = 0xB0; hi <= 0xF7 && fillers.size() < count; ++hi) {
    for (int lo = 0xA1; lo <= 0xFE && fillers.size() < count; ++lo) {
      const std::string utf8 = Utf8(std::string{static_cast<char>(hi), static_cast<char>(lo)});
      if (!utf8.empty() && Gbk(utf8).size() == 2 && !used.count(utf8)) fillers.push_back(utf8);
    }
  }
  return fillers;
}

class SentenceRules : public ControllerTest {
 protected:
  void SetUp() override { Start(SentenceDictionary()); }

  // 我 握 要 努 力 提 高 with their readings, 们 (simplified) and 們 (traditional), the words
  // 我们, 我們, 努力 and 提高 in the word list and in the word file, and eleven more
  // characters read wo, so that the characters of wo fill two pages. The character table
  // reaches the default characters of kDefaultedSyllables, which are fillers of their own.
  FixtureDictionary SentenceDictionary() {
    FixtureDictionary d;
    std::set<std::string> used;
    auto add = [&](const char* ch, const char* spelling, int rank, std::uint16_t classes) {
      const int n = d.AddChar(ch);
      d.AddReading(n, spelling, static_cast<std::uint16_t>(classes | rank));
      used.insert(ch);
      return n;
    };
    const int wo = add("我", "woh", 1, kBoth);
    add("握", "woh", 2, kBoth);
    add("要", "yaoh", 1, kBoth);
    const int men = add("们", "mens", 1, kAttrSimplified);
    const int menTrad = add("們", "mens", 2, kAttrTraditional);
    const int nu = add("努", "nuz", 1, kBoth), li = add("力", "liz", 1, kBoth);
    const int ti = add("提", "tih", 1, kBoth), gao = add("高", "gaod", 1, kBoth);
    const int ownChars = static_cast<int>(d.Source().chars.size());

    int needed = 0;
    for (const char* syllable : kDefaultedSyllables) {
      for (int column : {0, 1}) {
        const int number = DefaultNumber(syllable, column);
        // A default that is one of the characters above could not be told apart from it.
        if (number <= ownChars) throw std::logic_error("default collides with a fixture char");
        needed = std::max(needed, number);
      }
    }
    const std::vector<std::string> fillers =
        FillerCharacters(static_cast<std::size_t>(needed - ownChars), used);
    for (std::size_t i = 0; i < fillers.size(); ++i) {
      const int n = d.AddChar(fillers[i]);
      if (i < 11) d.AddReading(n, "woz", static_cast<std::uint16_t>(kBoth | (i + 3)));
    }

    d.AddWord({wo, men}, true, false);
    d.AddWord({wo, menTrad}, false, true);
    d.AddWord({nu, li}, true, true);
    d.AddWord({ti, gao}, true, true);
    AddPhrase(d, "women", {wo, men}, true, false);
    AddPhrase(d, "women", {wo, menTrad}, false, true);
    AddPhrase(d, "nuli", {nu, li}, true, true);
    AddPhrase(d, "tigao", {ti, gao}, true, true);
    chars_.clear();
    for (const auto& ch : d.Source().chars) chars_.push_back(Utf8(ch.gbk));
    return d;
  }

  static void AddPhrase(FixtureDictionary& d, const std::string& pinyin, std::vector<int> chars,
                        bool simplified, bool traditional) {
    dictwriter::Phrase p;
    p.pinyin = pinyin;
    for (int c : chars) p.chars.push_back(static_cast<std::uint16_t>(c));
    p.firstSyllableLetters = 2;
    p.simplified = simplified;
    p.traditional = traditional;
    d.Source().phrases.push_back(p);
  }

  // The text of a syllable's default character (column 0 simplified, 1 traditional).
  std::string DefaultChar(const std::string& syllable, int column = 0) const {
    return chars_.at(static_cast<std::size_t>(DefaultNumber(syllable, column) - 1));
  }

  std::string Default() const { return Utf8(controller_->View().pinyin.labelDefault); }
  bool HintShown() const { return controller_->View().pinyin.labelDefaultHintVisible; }
  std::string Remaining() const { return SrfState.RemainingInput; }

  void SelectClass(int clicks) {
    for (int i = 0; i < clicks; ++i) controller_->Label15Click();
  }

  std::vector<std::string> chars_;  // texts of the character table, by number - 1
};

TEST_F(SentenceRules, WholePhraseTypedWithoutChoosingBecomesTheDefaultSentence) {
  Type("women");
  EXPECT_THAT(CandidateTexts(), Contains("我们"));
  EXPECT_EQ(Default(), "");
  EXPECT_FALSE(HintShown());

  Type("yaonulitigao");
  EXPECT_THAT(CandidateTexts(), IsEmpty());
  EXPECT_EQ(Default(), "我们" + DefaultChar("yao") + "努力提高");
  EXPECT_TRUE(HintShown());
  EXPECT_TRUE(controller_->View().panelPYVisible);
  EXPECT_EQ(Input(), "womenyaonulitigao");

  Type(" ");
  EXPECT_EQ(Output(), "我们" + DefaultChar("yao") + "努力提高");
  EXPECT_EQ(Input(), "");
  EXPECT_FALSE(controller_->View().panelPYVisible);
  EXPECT_FALSE(controller_->View().panel2Visible);
  Type(" ");  // written once only
  EXPECT_EQ(Output(), "我们" + DefaultChar("yao") + "努力提高");
}

TEST_F(SentenceRules, DigitWritesThePendingSentenceInsteadOfItself) {
  Type("womenguo3");
  EXPECT_EQ(Output(), "我们" + DefaultChar("guo"));
  Type("3");  // nothing pending any more: the digit itself
  EXPECT_EQ(Output(), "我们" + DefaultChar("guo") + "3 ");
}

TEST_F(SentenceRules, SentenceGoesWithTheLettersItWasMadeFrom) {
  Type("womenguo{Esc} 1");
  EXPECT_EQ(Output(), "1 ");
  Type("womenguo, ");  // the punctuation mark drops the input unconverted
  EXPECT_EQ(Output(), "1 , ");
  Type("womenguo{Back}{Back}{Back}{Back}{Back}{Back}{Back}{Back}");
  EXPECT_EQ(Input(), "");
  EXPECT_FALSE(controller_->View().panelPYVisible);
  Type(" ");
  EXPECT_EQ(Output(), "1 , ");
}

TEST_F(SentenceRules, BackspaceConvertsTheShorterInputAgain) {
  Type("womenyaonulix");
  EXPECT_EQ(Default(), "我们" + DefaultChar("yao") + "努力" + DefaultChar("xiang"));
  Type("{Back}");
  EXPECT_EQ(Default(), "我们" + DefaultChar("yao") + "努力");
  EXPECT_TRUE(HintShown());

  Type("{Back}{Back}{Back}{Back}{Back}{Back}{Back}");  // back to "women", which has candidates
  EXPECT_EQ(Input(), "women");
  EXPECT_THAT(CandidateTexts(), Contains("我们"));
  EXPECT_EQ(Default(), "");
  ChooseText("我们");  // the bar's candidate, not the sentence of the longer input
  EXPECT_EQ(Output(), "我们");
}

TEST_F(SentenceRules, LeftCutsOffTheFirstWordAndTheRestIsConvertedAfterEachChoice) {
  Type("womenyaonulitigao{Left}");
  EXPECT_EQ(Input(), "women");
  EXPECT_EQ(Remaining(), "yaonulitigao");
  ASSERT_THAT(CandidateTexts(), Not(IsEmpty()));
  EXPECT_EQ(CandidateTexts()[0], "我们");
  EXPECT_EQ(Default(), "");  // the piece's candidates are drawn over it

  Type("1");
  EXPECT_EQ(Output(), "我们");
  EXPECT_EQ(Input(), "yaonulitigao");
  EXPECT_EQ(Remaining(), "");
  EXPECT_THAT(CandidateTexts(), IsEmpty());  // no follow-on words
  EXPECT_EQ(Default(), DefaultChar("yao") + "努力提高");
  EXPECT_TRUE(HintShown());

  Type("{Left}");  // no word begins yao...: its first syllable
  EXPECT_EQ(Input(), "yao");
  EXPECT_EQ(Remaining(), "nulitigao");
  EXPECT_THAT(CandidateTexts(), ElementsAre("要"));
  Type("1");
  EXPECT_EQ(Default(), "努力提高");
  Type(" ");
  EXPECT_EQ(Output(), "我们要努力提高");
  EXPECT_EQ(Input(), "");
  EXPECT_EQ(Remaining(), "");
  EXPECT_FALSE(controller_->View().panelPYVisible);
}

TEST_F(SentenceRules, LeftGoesBackFromTheWordToItsSyllableAndThenLetterByLetter) {
  Type("womenyaonulitigao{Left}{Left}");
  EXPECT_EQ(Input(), "wo");
  EXPECT_EQ(Remaining(), "menyaonulitigao");
  ASSERT_THAT(CandidateTexts(), Contains("握"));
  EXPECT_EQ(CandidateTexts()[0], "我");

  Type("{Left}");
  EXPECT_EQ(Input(), "w");
  EXPECT_EQ(Remaining(), "omenyaonulitigao");
  ASSERT_THAT(CandidateTexts(), Not(IsEmpty()));
  EXPECT_EQ(CandidateTexts()[0], "我");
  EXPECT_FALSE(HintShown());  // one letter left

  Type("{Left}");  // one letter cannot be shortened
  EXPECT_EQ(Input(), "w");
  EXPECT_EQ(Remaining(), "omenyaonulitigao");

  Type("2");
  EXPECT_EQ(Output(), "握");
  EXPECT_EQ(Input(), "omenyaonulitigao");
  EXPECT_TRUE(HintShown());
}

TEST_F(SentenceRules, WaitingSentenceIsWrittenWholeWhenThePieceHasNoCandidate) {
  Type("womenguonuli{Left}1");
  ASSERT_EQ(Default(), DefaultChar("guo") + "努力");
  Type("{Left}");  // no character of the table is read guo
  EXPECT_EQ(Input(), "guo");
  EXPECT_EQ(Remaining(), "nuli");
  EXPECT_THAT(CandidateTexts(), IsEmpty());
  Type(" ");
  EXPECT_EQ(Output(), "我们" + DefaultChar("guo") + "努力");
  EXPECT_EQ(Input(), "");
  EXPECT_EQ(Remaining(), "");
}

TEST_F(SentenceRules, LeftStartsEveryNewCandidateListOnItsFirstPage) {
  Type("womenyaonulitigao{Left}{Left}");
  ASSERT_EQ(Input(), "wo");
  ASSERT_EQ(SrfState.ResultCount, 13);
  Type("{PgDn}");
  ASSERT_EQ(SrfState.PageIndex, 1);
  Type("{Left}");
  EXPECT_EQ(SrfState.PageIndex, 0);
  ASSERT_THAT(CandidateTexts(), Not(IsEmpty()));
  EXPECT_EQ(CandidateTexts()[0], "我");

  // After the choice only the sentence of the rest is shown: there is no page to turn to.
  Type("1{PgDn}");
  EXPECT_EQ(Input(), "omenyaonulitigao");
  EXPECT_THAT(CandidateTexts(), IsEmpty());
  EXPECT_EQ(SrfState.PageIndex, 0);
  EXPECT_TRUE(HintShown());
}

TEST_F(SentenceRules, VariantClassOffersNoSentenceButConvertsTheRestOfACorrection) {
  SelectClass(2);
  ASSERT_EQ(SrfState.MethodClass, 2);
  Type("womenyaonulitigao");
  EXPECT_EQ(Default(), "");
  EXPECT_FALSE(HintShown());
  Type("{Left}");
  EXPECT_EQ(Input(), "womenyaonulitigao");
  EXPECT_EQ(Remaining(), "");
  Type(" ");
  EXPECT_EQ(Output(), "");

  // A correction begun in the simplified class and finished in the variant class.
  Type("{Esc}");
  SelectClass(1);
  Type("womenguo{Left}");
  ASSERT_EQ(Remaining(), "guo");
  SelectClass(2);
  Type("1");
  EXPECT_EQ(Input(), "guo");
  EXPECT_EQ(Default(), DefaultChar("guo", 0));  // syllable by syllable, simplified defaults
  EXPECT_TRUE(HintShown());
  Type(" ");
  EXPECT_EQ(Output(), "我们" + DefaultChar("guo", 0));
}

TEST_F(SentenceRules, TraditionalClassConvertsAndCorrectsWithItsOwnWordsAndDefaults) {
  ASSERT_NE(DefaultChar("guo", 0), DefaultChar("guo", 1));
  SelectClass(1);
  Type("womenguo");
  EXPECT_EQ(Default(), "我們" + DefaultChar("guo", 1));
  EXPECT_TRUE(HintShown());

  Type("{Left}");
  EXPECT_EQ(Input(), "women");
  EXPECT_EQ(Remaining(), "guo");
  ASSERT_THAT(CandidateOutputs(), Not(IsEmpty()));
  const std::string chosen = CandidateOutputs()[0];
  Type("1");
  EXPECT_EQ(Default(), DefaultChar("guo", 1));
  Type(" ");
  EXPECT_EQ(Output(), chosen + DefaultChar("guo", 1));
}

// The words saved in srf_pub.dat, in order.
std::vector<std::string> SavedWords(const TempDataFolder& folder) {
  std::vector<std::string> saved;
  const std::string corpus = Utf8(folder.ReadBytes("srf_pub.dat"));
  for (std::size_t at = corpus.find('\t'); at != std::string::npos; at = corpus.find('\t', at + 1))
    saved.push_back(corpus.substr(at + 1, corpus.find('\r', at) - at - 1));
  return saved;
}

// A sentence written by Space stands in the text between the choices around it: it enters
// the phrase whole, as one choice, so a sentence alone is not learned.
TEST_F(SentenceRules, ASentenceWrittenBySpaceEntersThePhraseWhole) {
  for (int time = 0; time < 2; ++time) Type("women1{Esc}nulitigao wo1{Esc},");
  EXPECT_EQ(Output(), "我们努力提高我, 我们努力提高我, ");
  EXPECT_THAT(SavedWords(folder_), ElementsAre("我们努力提高我"));
  for (int time = 0; time < 2; ++time) Type("nulitigao ,");
  EXPECT_THAT(SavedWords(folder_), ElementsAre("我们努力提高我"));
}

// Corrected twice (the second time by choosing the remembered phrase), the sentence is saved
// and the very next conversion is built on it, without a restart.
TEST_F(SentenceRules, ASavedCorrectionIsUsedByTheNextConversionAtOnce) {
  Type("womenyaonulitigao{Left}1{Left}");
  ChooseText("要");
  Type(" ,womenyaonulitigao");
  ChooseText("我们要努力提高");
  Type(",");
  ASSERT_THAT(SavedWords(folder_), ElementsAre("我们要努力提高"));
  Type("womenyaonulitigaonuli");
  EXPECT_EQ(Default(), "我们要努力提高努力");
}

TEST_F(SentenceRules, TraditionalCorrectionOffersTraditionalCharacters) {
  SelectClass(1);
  Type("mentigao{Left}");
  EXPECT_EQ(Input(), "men");
  EXPECT_EQ(Remaining(), "tigao");
  EXPECT_THAT(CandidateTexts(), ElementsAre("們"));
  Type("1 ");
  EXPECT_EQ(Output(), "們提高");
}

}  // namespace
}  // namespace dazi::testing
