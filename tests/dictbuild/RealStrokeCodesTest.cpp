// The keypad help texts' examples, typed through the keypad engine on the dictionaries the
// build generated, and the stroke-code facts behind them.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "engine/core/CandidateKinds.h"
#include "engine/core/Gbk.h"
#include "engine/core/Unit_Data.h"
#include "engine/dict/DictFiles.h"
#include "engine/keypad/KeypadEngine.h"
#include "engine/startup/DictionaryLoader.h"
#include "tests/support/RealDictionaries.h"
#include "tests/support/TempDataFolder.h"

namespace dazi {
namespace {

constexpr int kPerPage = 4;

class RealStrokeCodes : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(testing::LinkRealDictionaries(folder_.Path()), "");
    ASSERT_TRUE(LoadDictionaries().ok);
    for (int n = 1; n <= SrfState.CharCount; ++n) numberOf_[Utf8FromGbk(CharText(n))] = n;
    SrfState.MethodClass = 3;
    SrfState.CandidatesPerPage = kPerPage;
  }

  int Number(const std::string& utf8) { return numberOf_.count(utf8) ? numberOf_[utf8] : 0; }

  // Code variant r of a character without its trailing zeros.
  std::string Code(const std::string& utf8, int r = 0) {
    std::string s = StrokeString(ReadStrokeCode(Number(utf8), r));
    return s.substr(0, s.find('0'));
  }

  // Types the strokes one at a time as the key handler does.
  void Type(const std::string& strokes) {
    for (std::size_t k = 1; k <= strokes.size(); ++k) {
      SrfState.InputText = strokes.substr(0, k);
      SrfState.PageIndex = 0;
      LoadFirstStrokeList(SrfState.InputText);
      MatchStrokes(SrfState.InputText);
      BuildKeypadPage();
    }
  }

  // Position of a character among the results, -1 when it is not there.
  int CharAt(const std::string& utf8) {
    for (int i = 0; i < SrfState.ResultCount; ++i)
      if (IsKeypadCharacterKind(SrfState.ResultKinds[i]) && SrfState.ResultIds[i] == Number(utf8))
        return i;
    return -1;
  }
  int WordAt(const std::string& utf8) {
    for (int i = 0; i < SrfState.ResultCount; ++i) {
      if (IsKeypadCharacterKind(SrfState.ResultKinds[i])) continue;
      const int w = SrfState.ResultIds[i];
      std::string text;
      for (int k = 0; k < SrfState.WordPoolLengths[w]; ++k)
        text += CharText(SrfState.WordPoolCodes[w][k]);
      if (Utf8FromGbk(text) == utf8) return i;
    }
    return -1;
  }

  // The fewest strokes of key after which the character (or word) is on the first page;
  // 0 when it never gets there.
  template <typename At>
  std::size_t StrokesToFirstPage(const std::string& key, At at) {
    for (std::size_t k = 1; k <= key.size(); ++k) {
      Type(key.substr(0, k));
      const int i = at();
      if (i >= 0 && i < kPerPage) return k;
    }
    return 0;
  }

  bool InFirstStrokeList(const std::string& utf8, int methodClass) {
    SrfState.MethodClass = methodClass;
    LoadFirstStrokeList(Code(utf8).substr(0, 1));
    for (int i = 0; i < SrfState.LookupCount; ++i)
      if (SrfState.LookupList[i] == Number(utf8) && SrfState.LookupVariants[i] == 0) return true;
    return false;
  }

  testing::TempDataFolder folder_;
  std::map<std::string, int> numberOf_;
};

TEST_F(RealStrokeCodes, HelpExamplesOfShapesAndShortPartsTypeTheirCharacters) {
  const std::pair<const char*, const char*> examples[] = {
      {"向", "325"},    // 撇竖折…
      {"锦", "3131"},   // 钅 撇横, then 帛 撇横… (白's 日 by 横)
      {"篮", "31432"},  // ⺮ 撇横点撇, then 监 竖…
      {"病", "411"},    // 疒 点横, then 横…
      {"唱", "211"},    // 口 竖, 日 横, 日 横
      {"打", "151"},    // 扌 横折, then 横…
      {"八", "343"},    // 撇点, then 撇 again
      {"十", "6"},     {"车", "6"},
  };
  for (auto [ch, strokes] : examples) {
    const std::string code = Code(ch);
    EXPECT_TRUE(code.starts_with(strokes)) << ch << " has the main code " << code;
    EXPECT_NE(StrokesToFirstPage(code, [&] { return CharAt(ch); }), 0u) << ch;
  }
  // 八 is typed in full and once more from the start: then it shows.
  Type("343");
  const int at = CharAt("八");
  EXPECT_TRUE(at >= 0 && at < kPerPage) << at;
  // Characters that merely hold 口 inside are typed in full.
  EXPECT_TRUE(Code("目").starts_with("25111"));
}

TEST_F(RealStrokeCodes, HelpExamplesOfWordsTypeTheirWords) {
  // 汉字: 汉 点点, 字 点点折折.
  EXPECT_TRUE(Code("汉").starts_with("44"));
  EXPECT_TRUE(Code("字").starts_with("4455"));
  EXPECT_NE(StrokesToFirstPage("444455", [&] { return WordAt("汉字"); }), 0u);
  // 风马牛不相及: 风 撇折, 马 折, 牛 撇, 不 横, 相 叉, then 及's strokes until it shows.
  EXPECT_TRUE(Code("风").starts_with("35"));
  const std::pair<const char*, char> middles[] = {
      {"马", '5'}, {"牛", '3'}, {"不", '1'}, {"相", '6'}};
  for (auto [ch, first] : middles) EXPECT_EQ(Code(ch)[0], first) << ch;
  const std::string key = "355316" + Code("及");
  EXPECT_NE(StrokesToFirstPage(key, [&] { return WordAt("风马牛不相及"); }), 0u);
}

TEST_F(RealStrokeCodes, CrossingsAndVariants) {
  EXPECT_TRUE(Code("木").starts_with("634"));
  EXPECT_TRUE(Code("中").starts_with("26"));
  for (const char* ch : {"十", "也", "车"}) EXPECT_EQ(Code(ch)[0], '6') << ch;
  for (const char* ch : {"口", "日", "目"}) EXPECT_EQ(Code(ch).find('6'), std::string::npos) << ch;
  // A frequent character is also typed by its plain strokes, 唱 as 口 日 日 in full.
  bool plain = false;
  for (int r = 1; r < kStrokeCodeVariants; ++r) plain = plain || Code("唱", r) == "25125112";
  EXPECT_TRUE(plain);
  Type("25125112");
  EXPECT_GE(CharAt("唱"), 0);
}

TEST_F(RealStrokeCodes, FirstStrokeListsHoldEveryCharacterOfItsClassWithinCapacity) {
  for (int methodClass = 3; methodClass <= 5; ++methodClass) {
    SrfState.MethodClass = methodClass;
    for (char d = '1'; d <= '6'; ++d) {
      LoadFirstStrokeList(std::string(1, d));
      EXPECT_LE(SrfState.LookupCount, 5001) << methodClass << " " << d;
    }
  }
  EXPECT_TRUE(InFirstStrokeList("中", 3));
  EXPECT_TRUE(InFirstStrokeList("中", 4));
  EXPECT_TRUE(InFirstStrokeList("乙", 3));
  // Simplified-only characters are not offered as traditional ones.
  for (const char* ch : {"帮", "点", "这"}) {
    EXPECT_TRUE(InFirstStrokeList(ch, 3)) << ch;
    EXPECT_FALSE(InFirstStrokeList(ch, 4)) << ch;
    EXPECT_FALSE(InFirstStrokeList(ch, 5)) << ch;
  }
  EXPECT_TRUE(InFirstStrokeList("這", 4));
}

}  // namespace
TEST_F(RealStrokeCodes, EachClassListsByItsOwnFrequency) {
  // Simplified text rarely writes 瞭, 著, 剋, 後: they do not lead where 了, 着, 克, 后 would.
  SrfState.MethodClass = 3;
  for (const auto& [strokes, rare] : std::vector<std::pair<std::string, std::string>>{
           {"25", "瞭"}, {"66", "著"}, {"62", "剋"}, {"335", "後"}}) {
    Type(strokes);
    const int at = CharAt(rare);
    EXPECT_TRUE(at < 0 || at >= 4) << strokes << " puts " << rare << " at " << at;
  }
  // Traditional text writes 著 for 着: there it stands far earlier in the list.
  auto listed = [&](int methodClass) {
    SrfState.MethodClass = methodClass;
    LoadFirstStrokeList("6");
    for (int i = 0; i < SrfState.LookupCount; ++i)
      if (SrfState.LookupList[i] == Number("著")) return i;
    return -1;
  };
  const int traditional = listed(4), simplified = listed(3);
  EXPECT_GE(traditional, 0);
  EXPECT_LT(traditional * 4, simplified);
}

}  // namespace dazi
