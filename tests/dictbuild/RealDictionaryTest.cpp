// Facts users rely on, checked on the dictionaries the build generated.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "engine/core/Gbk.h"
#include "engine/core/Unit_Data.h"
#include "engine/dict/DictFiles.h"
#include "engine/pinyin/PinyinEngine.h"
#include "engine/pinyin/SyllableTable.h"
#include "engine/sentence/SentenceEngine.h"
#include "engine/startup/DictionaryLoader.h"
#include "tests/support/RealDictionaries.h"
#include "tests/support/TempDataFolder.h"
#include "tools/dictbuild/Validator.h"

namespace dazi {
namespace {

const std::string kDictDir = DAZI_DICT_DIR;

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The generated dictionaries, linked into a fresh data folder and loaded.
class RealDictionary : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(testing::LinkRealDictionaries(folder_.Path()), "");
    ASSERT_TRUE(LoadDictionaries().ok);
    for (int n = 1; n <= SrfState.CharCount; ++n) numberOf_[Utf8FromGbk(CharText(n))] = n;
  }

  int Number(const std::string& utf8) { return numberOf_.count(utf8) ? numberOf_[utf8] : 0; }

  // Reading j of character n as its spelling text ("zhongs").
  std::string Reading(int n, int j) {
    std::uint32_t v = Dict.pys.ReadU16(2 * static_cast<std::size_t>(n - 1));
    if (v > 0x9FFF)
      v = Dict.pys.ReadU16(2 * static_cast<std::size_t>(SrfState.CharCount) + 10 * (v & 0xFFF) +
                           2 * static_cast<std::size_t>(j));
    else if (j > 0)
      return "";
    const std::uint32_t s = v & 0xFFF;
    return s == 0 ? "" : SrfState.PinyinSyllables[s - 1];
  }

  struct WordRecord {
    std::string text;
    int pattern = 0;
    int gloss = 0;
  };
  // The word list of the word's first character, and the record of the word in it.
  bool FindWord(const std::string& utf8, WordRecord* out) {
    const int first = Number(utf8.substr(0, 3));
    if (first == 0 || first > SrfState.WordIndexCount) return false;
    const std::size_t c = static_cast<std::size_t>(SrfState.CharCount);
    std::size_t pos = Dict.zc.ReadU24(7 + 2 * c + 3 * static_cast<std::size_t>(first));
    int gloss = static_cast<int>(Dict.zy.ReadU24(6 * c + 3 * static_cast<std::size_t>(first - 1)));
    while (pos != 0) {
      const std::uint32_t len = Dict.zc.ReadU8(pos) & 0x3F;
      if (len == 0 || static_cast<int>(Dict.zc.ReadU16(pos + 2)) != first) return false;
      std::string text;
      for (std::uint32_t k = 0; k < len; ++k)
        text += CharText(static_cast<int>(Dict.zc.ReadU16(pos + 2 + 2 * k)));
      if (Utf8FromGbk(text) == utf8) {
        *out = {utf8, SrfState.ReadingPatterns[Dict.zc.ReadU8(pos + 1) & 0x0F], gloss};
        return true;
      }
      pos += 2 + 2 * len;
      ++gloss;
    }
    return false;
  }
  // The spellings a word's pattern chooses for its characters.
  std::vector<std::string> WordReadings(const WordRecord& w) {
    std::vector<std::string> out;
    for (std::size_t k = 0; k * 3 < w.text.size(); ++k) {
      const int j = k < 4 ? (w.pattern >> (6 - 2 * k)) & 3 : 0;
      const int n = Number(w.text.substr(3 * k, 3));
      std::string r = Reading(n, j);
      if (r.empty()) r = Reading(n, 0);
      out.push_back(r.substr(0, r.size() - 1));  // without the stroke letter
    }
    return out;
  }
  std::string WordGloss(int g) {
    const std::size_t c = static_cast<std::size_t>(SrfState.CharCount);
    std::size_t pos =
        Dict.zy.ReadU24(6 * c + 3 * static_cast<std::size_t>(SrfState.WordIndexCount) +
                        3 * static_cast<std::size_t>(g - 1));
    return Dict.zy.ReadBytes(pos + 1, Dict.zy.ReadU8(pos));
  }

  // Word results after typing letters one at a time, as the candidate bar would.
  std::vector<std::string> WordsFor(const std::string& letters) {
    for (std::size_t k = 1; k <= letters.size(); ++k) {
      SrfState.InputText = letters.substr(0, k);
      LookupPinyin(SrfState.InputText);
    }
    std::vector<std::string> out;
    for (int i = 0; i < SrfState.WordResultCount; ++i) {
      const int w = SrfState.WordResults[i];
      std::string text;
      for (int k = 0; k < SrfState.WordPoolLengths[w]; ++k)
        text += CharText(SrfState.WordPoolCodes[w][k]);
      out.push_back(Utf8FromGbk(text));
    }
    return out;
  }
  // The candidates of the first page after typing letters one at a time.
  std::vector<std::string> FirstPage(const std::string& letters) {
    for (std::size_t k = 1; k <= letters.size(); ++k) {
      SrfState.InputText = letters.substr(0, k);
      SrfState.PredictedCharCount = 0;
      LookupPinyin(SrfState.InputText);
      MergeResults();
    }
    SrfState.PageIndex = 0;
    SrfState.AssociationCount = 0;
    BuildCandidatePage();
    std::vector<std::string> out;
    for (int s = 0; s < SrfState.CandidateCount; ++s)
      out.push_back(Utf8FromGbk(SrfState.CandidateTexts[s]));
    return out;
  }
  bool OnFirstPage(const std::string& letters, const std::string& text) {
    return IndexOf(FirstPage(letters), text) >= 0;
  }
  bool HasReading(int n, const std::string& syllable) {
    for (int j = 0; j < 5; ++j) {
      const std::string r = Reading(n, j);
      if (!r.empty() && r.substr(0, r.size() - 1) == syllable) return true;
    }
    return false;
  }
  std::string CharGloss(int n) {
    const std::size_t c = static_cast<std::size_t>(SrfState.CharCount);
    const std::size_t pos = Dict.zy.ReadU24(3 * c + 3 * static_cast<std::size_t>(n - 1));
    return Utf8FromGbk(Dict.zy.ReadBytes(pos + 1, Dict.zy.ReadU8(pos)));
  }
  std::string CharDictionaryText(int n) {
    const std::size_t pos = Dict.zy.ReadU24(3 * static_cast<std::size_t>(n - 1));
    return Utf8FromGbk(Dict.zy.ReadBytes(pos + 1, 2 * std::size_t{Dict.zy.ReadU8(pos)}));
  }
  // The first simplified record of a phrase block.
  std::string FirstInBlock(const std::string& key) {
    std::uint32_t keys = Dict.cpy.ReadU16(3380);
    for (std::uint32_t k = 0; k < keys; ++k) {
      const std::size_t at = 3382 + 9 * std::size_t{k};
      if (Dict.cpy.ReadBytes(at, 4) != key) continue;
      std::size_t pos = Dict.cpy.ReadU24(at + 6);
      for (std::uint32_t i = 0; i < Dict.cpy.ReadU16(at + 4); ++i) {
        const std::uint32_t n = Dict.cpy.ReadU8(pos + 1) & 0x0F, len = Dict.cpy.ReadU8(pos + 2);
        if (Dict.cpy.ReadU8(pos + 1) & 0x80) return Codes(pos + 3, n);
        pos += 3 + 2 * n + len;
      }
    }
    return "";
  }

  static int IndexOf(const std::vector<std::string>& list, const std::string& s) {
    for (std::size_t i = 0; i < list.size(); ++i)
      if (list[i] == s) return static_cast<int>(i);
    return -1;
  }

  // First entries of a phrase block or initials block whose pinyin / initials equal key.
  std::string FirstPhrase(const std::string& pinyin) {
    std::uint32_t keys = Dict.cpy.ReadU16(3380);
    for (std::uint32_t k = 0; k < keys; ++k) {
      const std::size_t at = 3382 + 9 * std::size_t{k};
      if (Dict.cpy.ReadBytes(at, 4) != pinyin.substr(0, 4)) continue;
      std::size_t pos = Dict.cpy.ReadU24(at + 6);
      for (std::uint32_t i = 0; i < Dict.cpy.ReadU16(at + 4); ++i) {
        const std::uint32_t n = Dict.cpy.ReadU8(pos + 1) & 0x0F, len = Dict.cpy.ReadU8(pos + 2);
        const bool simplified = Dict.cpy.ReadU8(pos + 1) & 0x80;
        if (simplified && Dict.cpy.ReadBytes(pos + 3 + 2 * n, len) == pinyin)
          return Codes(pos + 3, n);
        pos += 3 + 2 * n + len;
      }
    }
    return "";
  }
  std::string FirstAbbrev(const std::string& initials) {
    const std::size_t pair =
        static_cast<std::size_t>((initials[0] - 'a') * 26 + (initials[1] - 'a'));
    std::size_t pos = Dict.cpy.ReadU24(5 * pair + 2);
    for (std::uint32_t i = 0; i < Dict.cpy.ReadU16(5 * pair); ++i) {
      const std::uint32_t n = Dict.cpy.ReadU8(pos) & 0x0F;
      const bool simplified = Dict.cpy.ReadU8(pos) & 0x80;
      if (simplified && Dict.cpy.ReadBytes(pos + 1 + 2 * n, n) == initials)
        return Codes(pos + 1, n);
      pos += 1 + 3 * n;
    }
    return "";
  }
  std::string Codes(std::size_t pos, std::uint32_t n) {
    std::string text;
    for (std::uint32_t k = 0; k < n; ++k)
      text += CharText(static_cast<int>(Dict.cpy.ReadU16(pos + 2 * k)));
    return Utf8FromGbk(text);
  }

  testing::TempDataFolder folder_;
  std::map<std::string, int> numberOf_;
};

TEST(RealDictionaryFiles, PassTheValidatorAndMatchTheCommittedDefaults) {
  EXPECT_EQ(dictbuild::CheckDictionaries(kDictDir), std::vector<std::string>{});
  EXPECT_EQ(dictbuild::CheckDefaultsFile(kDictDir, ""), std::vector<std::string>{});
  // The engine's table must be the one the current build implies.
  EXPECT_TRUE(ReadFile(std::string(DAZI_SOURCE_DIR) + "/engine/pinyin/SyllableDefaults.inc") ==
              ReadFile(kDictDir + "/SyllableDefaults.inc"))
      << "engine/pinyin/SyllableDefaults.inc is stale; run: cmake --build <dir> --target "
         "update-syllable-defaults";
}

TEST_F(RealDictionary, CharacterReadings) {
  EXPECT_EQ(SrfState.CharCount, 20902);
  EXPECT_EQ(Reading(Number("中"), 0), "zhongs");
  const int xing = Number("行");
  EXPECT_EQ(Reading(xing, 0), "xingp");
  EXPECT_EQ(Reading(xing, 1), "hangp");
  EXPECT_EQ(Reading(Number("要"), 0), "yaoh");
  // Every character that starts a word is numbered within the word index.
  EXPECT_LE(Number("政"), SrfState.WordIndexCount);
}

TEST_F(RealDictionary, WordsWithTheirReadingsAndGlosses) {
  WordRecord w;
  ASSERT_TRUE(FindWord("政治", &w));
  EXPECT_EQ(WordReadings(w), (std::vector<std::string>{"zheng", "zhi"}));
  ASSERT_TRUE(FindWord("西安", &w));
  EXPECT_EQ(WordReadings(w), (std::vector<std::string>{"xi", "an"}));
  ASSERT_TRUE(FindWord("答案", &w));
  EXPECT_EQ(WordReadings(w), (std::vector<std::string>{"da", "an"}));
  ASSERT_TRUE(FindWord("银行", &w));
  EXPECT_EQ(WordReadings(w), (std::vector<std::string>{"yin", "hang"}));
  ASSERT_TRUE(FindWord("中国", &w));
  EXPECT_NE(WordGloss(w.gloss).find("China"), std::string::npos) << WordGloss(w.gloss);
}

TEST_F(RealDictionary, SyllableDefaultsNameTheRightCharacters) {
  auto text = [](int n) { return Utf8FromGbk(CharText(n)); };
  EXPECT_EQ(text(SyllableDefaultChars[FindSyllable("yao", 3)][0]), "要");
  // The character written most often as a word of its own: 过 (去过) more than 国 (中国).
  EXPECT_EQ(text(SyllableDefaultChars[FindSyllable("guo", 3)][1]), "過");
  EXPECT_EQ(text(SyllableDefaultChars[FindSyllable("qing", 4)][0]), "请");
  EXPECT_EQ(text(SyllableDefaultChars[FindSyllable("ma", 2)][0]), "吗");
  for (const char* s : {"dei", "ng", "shei", "zhei"})
    EXPECT_NE(SyllableDefaultChars[FindSyllable(s, static_cast<int>(std::strlen(s)))][0], 0) << s;
}

TEST_F(RealDictionary, AbbreviatedWordsOfTheHelpTextOnTheFirstPage) {
  for (const char* input : {"zz", "zzh", "zhz"}) {
    int at = IndexOf(WordsFor(input), "政治");
    EXPECT_TRUE(at >= 0 && at + SrfState.LookupCount < 10) << input << " puts 政治 at " << at;
  }
  for (const char* input : {"xa", "xan"}) {
    int at = IndexOf(WordsFor(input), "西安");
    EXPECT_TRUE(at >= 0 && at + SrfState.LookupCount < 10) << input << " puts 西安 at " << at;
  }
  EXPECT_EQ(IndexOf(WordsFor("dan"), "答案"), 0);
}

TEST_F(RealDictionary, SentenceExampleIngredients) {
  // wm|yao|nltg|gongzuo|sp -> 我们 要 努力提高 工作 水平
  EXPECT_EQ(FirstAbbrev("wm"), "我们");
  EXPECT_EQ(FirstAbbrev("nltg"), "努力提高");
  EXPECT_EQ(FirstAbbrev("sp"), "水平");
  EXPECT_EQ(FirstPhrase("gongzuo"), "工作");
  EXPECT_EQ(FirstPhrase("zhengzhi"), "政治");
}

TEST_F(RealDictionary, WholeSentences) {
  const std::pair<const char*, const char*> cases[] = {
      {"wmyaonltggongzuosp", "我们要努力提高工作水平"},
      // The longest syllable alone would read tan|eng, nan|i, nin|eng.
      {"tanengzhengchanggongzuo", "他能正常工作"},
      {"nanide", "那你的"},
      {"ninenggou", "你能够"},
      // 其二 (qier) would be taken first and leave "ong".
      {"qierongyi", "且容易"},
      // No rare name (金天翮 jintianhe) or technical-text order (它们, 它是) in everyday text.
      {"jintianhenhao", "今天很好"},
      {"tamenjintianhenmang", "他们今天很忙"},
      {"tashiwodepengyou", "他是我的朋友"},
  };
  for (const auto& [pinyin, sentence] : cases) {
    ConvertSentence(pinyin);
    EXPECT_EQ(Utf8FromGbk(SrfState.DefaultSentence), sentence) << pinyin;
  }
}

TEST_F(RealDictionary, CommonCharactersComeFirstUnderTheReadingTyped) {
  // Each also has a longer reading (zhei, dai, nai, shuo) that must not file it away.
  for (const auto& [letters, text] : std::vector<std::pair<std::string, std::string>>{
           {"zhe", "这"}, {"da", "大"}, {"na", "那"}, {"shu", "数"}})
    EXPECT_EQ(FirstPage(letters).at(0), text) << letters;
  // 洗 (also xian) is listed with the characters read xi, before those only read longer.
  FirstPage("xi");
  bool exact = true;
  for (int i = 0; i < SrfState.LookupCount; ++i) {
    const int n = SrfState.LookupList[i];
    if (Utf8FromGbk(CharText(n)) == "洗") break;
    exact = exact && HasReading(n, "xi");
  }
  EXPECT_TRUE(exact) << "洗 comes after a character not read xi";
}

TEST_F(RealDictionary, EachClassRanksItsOwnCharacters) {
  // Simplified text writes 于 么 后 干 了 where traditional text writes 於 麼 後 乾/幹 瞭.
  for (const auto& [letters, text] : std::vector<std::pair<std::string, std::string>>{
           {"yu", "於"}, {"me", "麽"}, {"hou", "後"}, {"liao", "瞭"}})
    EXPECT_FALSE(OnFirstPage(letters, text)) << letters << " " << text;
  const std::vector<std::string> gan = FirstPage("gan");
  EXPECT_TRUE(IndexOf(gan, "乾") < 0 || IndexOf(gan, "乾") > IndexOf(gan, "干"));
  SrfState.MethodClass = 1;
  EXPECT_EQ(FirstPage("hou").at(0), "後");
  EXPECT_EQ(FirstPage("guo").at(0), "國");
  SrfState.MethodClass = 0;
}

TEST_F(RealDictionary, RareReadingsOfFrequentCharactersStayBack) {
  EXPECT_FALSE(OnFirstPage("a", "广"));  // ān
  EXPECT_FALSE(OnFirstPage("m", "无"));  // mó
  LookupSyllableChars("xian");           // the correction list: 见 is read xiàn only in old texts
  for (int i = 0; i < SrfState.LookupCount && i < 10; ++i)
    EXPECT_NE(Utf8FromGbk(CharText(SrfState.LookupList[i])), "见") << "at " << i;
}

TEST_F(RealDictionary, EverydayWordsTypedInFullAreOnTheFirstPage) {
  for (const auto& [letters, word] :
       std::vector<std::pair<std::string, std::string>>{{"yitian", "一天"},
                                                        {"liangge", "两个"},
                                                        {"sange", "三个"},
                                                        {"bugan", "不敢"},
                                                        {"yijian", "一件"},
                                                        {"henduo", "很多"}})
    EXPECT_TRUE(OnFirstPage(letters, word)) << letters;
}

TEST_F(RealDictionary, GlossesLeadWithTheCommonSenseWithoutMarkup) {
  const std::pair<const char*, const char*> leads[] = {{"大学", "university"},
                                                       {"现代", "modern"},
                                                       {"苹果", "apple"},
                                                       {"时代", "age"},
                                                       {"基地", "base"}};
  for (const auto& [word, lead] : leads) {
    WordRecord w;
    ASSERT_TRUE(FindWord(word, &w)) << word;
    EXPECT_EQ(WordGloss(w.gloss).rfind(lead, 0), 0u) << word << ": " << WordGloss(w.gloss);
  }
  WordRecord w;
  ASSERT_TRUE(FindWord("比如", &w));
  const std::string gloss = Utf8FromGbk(WordGloss(w.gloss));
  EXPECT_NE(gloss.find("see 比如县 (Bǐrú Xiàn)"), std::string::npos) << gloss;
  for (const char* markup : {"[", "|", "CL:"})
    EXPECT_EQ(gloss.find(markup), std::string::npos) << gloss;
  // A character's gloss says each sense once.
  EXPECT_EQ(CharGloss(Number("朊")).find("protein; protein"), std::string::npos);
  // Dictionary texts: plain pinyin letters with tone marks, not full-width letters.
  const std::string text = CharDictionaryText(Number("中"));
  EXPECT_NE(text.find("zhōng"), std::string::npos) << text;
  EXPECT_EQ(text.find("ｚ"), std::string::npos) << text;
}

TEST_F(RealDictionary, EverydayWordsLeadTheirPhraseBlocks) {
  EXPECT_EQ(FirstInBlock("jint"), "今天");
  EXPECT_EQ(FirstPhrase("tamen"), "他们");
  EXPECT_EQ(FirstPhrase("tashi"), "他是");
}

TEST_F(RealDictionary, SecondReadingsOfFrequentCharactersShareTheFirstPage) {
  // A second reading with a real share of its character's use stands by that share's count,
  // not behind every rare character read so (地 used to wait on page 5 of di).
  for (const auto& [letters, text] :
       std::vector<std::pair<std::string, std::string>>{{"di", "地"},
                                                        {"chang", "长"},
                                                        {"huan", "还"},
                                                        {"liao", "了"},
                                                        {"dai", "大"},
                                                        {"zhao", "着"}})
    EXPECT_TRUE(OnFirstPage(letters, text)) << letters << " " << text;
  SrfState.MethodClass = 1;
  EXPECT_TRUE(OnFirstPage("di", "地"));
  EXPECT_TRUE(OnFirstPage("chang", "長"));
  SrfState.MethodClass = 0;
  // The main reading is the one most used: 似 sì (似乎), 咳 ké (咳嗽).
  EXPECT_EQ(Reading(Number("似"), 0), "sip");
  EXPECT_EQ(Reading(Number("咳"), 0), "kes");
}

TEST_F(RealDictionary, TraditionalSentencesUseThePhrasesOfTheFrequencyLists) {
  SrfState.MethodClass = 1;
  for (const auto& [pinyin, sentence] : std::vector<std::pair<std::string, std::string>>{
           {"tashiwodepengyou", "他是我的朋友"}, {"zhejianshiqing", "這件事情"}}) {
    ConvertSentence(pinyin);
    EXPECT_EQ(Utf8FromGbk(SrfState.DefaultSentence), sentence) << pinyin;
  }
  SrfState.MethodClass = 0;
}

}  // namespace
}  // namespace dazi
