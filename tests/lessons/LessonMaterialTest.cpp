// The lessons beside the executables: every one readable and typeable, the articles of the
// lengths promised and graded, the graded groups complete, the drills holding what their
// titles promise, the poems without notes, and the stroke pictures spelling the KX codes.
#include <gmock/gmock.h>

#include <fstream>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>

#include "engine/core/Gbk.h"
#include "engine/dict/DictFiles.h"
#include "engine/startup/DictionaryLoader.h"
#include "engine/user/DataFolder.h"
#include "tests/support/RealDictionaries.h"
#include "tests/support/TempDataFolder.h"
#include "ui/lessons/CharacterFacts.h"
#include "ui/lessons/Lesson.h"
#include "ui/lessons/LessonCatalogue.h"
#include "ui/lessons/StrokePictures.h"
#include "ui/lessons/Utf8Chars.h"

namespace dazi::testing {
namespace {

std::string LessonsFolder() {
  return ExecutableFolder() + "/" + lessons::kLessonsFolder;
}

const std::vector<lessons::Lesson>& AllLessons() {
  static const std::vector<lessons::Lesson> all = lessons::LoadLessonFolder(LessonsFolder());
  return all;
}

const lessons::Lesson* Find(const std::string& id) {
  for (const lessons::Lesson& lesson : AllLessons())
    if (lesson.id == id) return &lesson;
  return nullptr;
}

// The characters of a lesson, blanks left out.
std::vector<std::string> Characters(const lessons::Lesson& lesson) {
  std::vector<std::string> chars;
  for (const std::string& line : lesson.lines)
    for (const std::string_view ch : lessons::SplitUtf8(line))
      if (ch != " ") chars.emplace_back(ch);
  return chars;
}

// The words of a drill lesson, as its blanks part them.
std::set<std::string> Words(const lessons::Lesson& lesson) {
  std::set<std::string> words;
  for (const std::string& line : lesson.lines) {
    std::istringstream in(line);
    for (std::string word; in >> word;) words.insert(word);
  }
  return words;
}

bool IsHanzi(std::string_view ch) {
  return ch.size() == 3 && static_cast<unsigned char>(ch[0]) >= 0xE4 &&
         static_cast<unsigned char>(ch[0]) <= 0xE9;
}

// The 1000 most frequent characters: those of the ten graded character lessons.
std::set<std::string> CommonCharacters() {
  std::set<std::string> common;
  for (const lessons::Lesson& lesson : AllLessons())
    if (lesson.group == "常用字")
      for (const std::string& ch : Characters(lesson)) common.insert(ch);
  return common;
}

class LessonMaterial : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::string why = LinkRealDictionaries(folder_.Path()); !why.empty()) GTEST_SKIP() << why;
    ASSERT_TRUE(LoadDictionaries().ok);
  }
  TempDataFolder folder_;
};

TEST_F(LessonMaterial, EveryLessonIsReadableAndTypeable) {
  std::set<std::string> tableChars;
  for (int n = 1; n <= SrfState.CharCount; ++n) tableChars.insert(CharText(n));

  std::vector<std::string> problems;
  const std::vector<lessons::Lesson> all = lessons::LoadLessonFolder(LessonsFolder(), &problems);
  EXPECT_THAT(problems, ::testing::IsEmpty());
  int articles = 0, poems = 0;
  std::set<std::string> groupedChars;
  int charLessons = 0;
  for (const lessons::Lesson& lesson : all) {
    int length = 0;
    for (const std::string& line : lesson.lines) {
      EXPECT_EQ(line.find("一作"), std::string::npos) << lesson.id << ": " << line;
      EXPECT_EQ(line.find("通："), std::string::npos) << lesson.id << ": " << line;
      for (const std::string_view ch : lessons::SplitUtf8(line)) {
        if (ch == " ") continue;
        ++length;
        const std::optional<std::string> gbk = TryGbkFromUtf8(ch);
        ASSERT_TRUE(gbk) << lesson.id << ": " << ch;
        if (static_cast<unsigned char>((*gbk)[0]) >= 0xB0) {  // GBK hanzi rows
          EXPECT_TRUE(tableChars.count(*gbk)) << lesson.id << ": " << ch;
        }
        if (lesson.group == "常用字") groupedChars.insert(std::string(ch));
      }
    }
    if (lesson.group == "文章") {
      ++articles;
      EXPECT_GE(length, 150) << lesson.id;
      EXPECT_LE(length, 600) << lesson.id;
    }
    if (lesson.group == "古诗") ++poems;
    if (lesson.group == "常用字") ++charLessons;
  }
  EXPECT_GE(articles, 20);
  EXPECT_GE(poems, 5);
  EXPECT_EQ(charLessons, 10);
  EXPECT_EQ(groupedChars.size(), 1000u);  // 1-1000, none twice
}

// An article's grade, in its title, follows from its length and the share of its Chinese
// characters outside the 1000 most frequent: a point of that share weighs as ten characters.
TEST_F(LessonMaterial, ArticlesAreGradedByLengthAndUncommonCharacters) {
  const std::set<std::string> common = CommonCharacters();
  ASSERT_EQ(common.size(), 1000u);
  int graded[3] = {};
  for (const lessons::Lesson& lesson : AllLessons()) {
    if (lesson.group != "文章") continue;
    int hanzi = 0, uncommon = 0;
    const std::vector<std::string> chars = Characters(lesson);
    for (const std::string& ch : chars) {
      if (!IsHanzi(ch)) continue;
      ++hanzi;
      uncommon += common.count(ch) ? 0 : 1;
    }
    ASSERT_GT(hanzi, 0) << lesson.id;
    const double score = static_cast<double>(chars.size()) + 1000.0 * uncommon / hanzi;
    const int grade = score < 315 ? 0 : score < 400 ? 1 : 2;
    const char* const names[] = {"（初级）", "（中级）", "（高级）"};
    EXPECT_THAT(lesson.title, ::testing::EndsWith(names[grade])) << lesson.id << " " << score;
    ++graded[grade];
  }
  for (const int count : graded) EXPECT_GT(count, 0);
}

// Every quatrain of the source is in a poem lesson (its title and poet on a line of their
// own, the only lines with a blank) or named in the report of poems left out.
TEST_F(LessonMaterial, EverySourcePoemIsALessonOrReported) {
  std::ifstream source(DAZI_POEMS_FILE);
  const nlohmann::json data = nlohmann::json::parse(source, nullptr, false);
  ASSERT_FALSE(data.is_discarded());
  std::size_t quatrains = 0;
  for (const auto& section : data["content"])
    if (section["type"] == "五言絕句" || section["type"] == "七言絕句")
      quatrains += section["content"].size();
  ASSERT_GT(quatrains, 70u);

  std::size_t inLessons = 0;
  bool listening = false;  // 《听弹琴》, whose 絃 has its simplified form outside GBK
  for (const lessons::Lesson& lesson : AllLessons()) {
    if (lesson.group != "古诗") continue;
    for (const std::string& line : lesson.lines) {
      if (line.find(' ') != std::string::npos) ++inLessons;
      listening = listening || line == "泠泠七弦上，静听松风寒。";
    }
  }
  std::ifstream report(LessonsFolder() + "/poems-left-out.list");
  ASSERT_TRUE(report);
  std::size_t reported = 0;
  for (std::string line; std::getline(report, line);) reported += line.empty() ? 0 : 1;
  EXPECT_EQ(inLessons + reported, quatrains);
  EXPECT_TRUE(listening);
}

TEST_F(LessonMaterial, KeypadDrillsHoldWhatTheirTitlesSay) {
  for (int key = 1; key <= 6; ++key) {
    const lessons::Lesson* drill = Find("kx-first-" + std::to_string(key));
    if (key == 6 && !drill) continue;
    ASSERT_NE(drill, nullptr) << key;
    EXPECT_THAT(drill->title, ::testing::StartsWith("首键为" + std::to_string(key)));
    for (const std::string& ch : Characters(*drill))
      EXPECT_THAT(lessons::FactsOf(ch).strokes, ::testing::StartsWith(std::to_string(key)))
          << drill->id << ": " << ch;
  }
  const lessons::Lesson* first = Find("kx-first-1");
  ASSERT_NE(first, nullptr);
  EXPECT_THAT(Characters(*first), ::testing::IsSupersetOf({"是", "时", "明"}));

  const lessons::Lesson* components = Find("kx-components");
  ASSERT_NE(components, nullptr);
  const std::vector<std::string> chars = Characters(*components);
  EXPECT_THAT(chars, ::testing::IsSupersetOf({"病", "和", "明", "打"}));
  for (const char* full : {"手", "才", "承", "拿", "口", "日"})
    EXPECT_THAT(chars, ::testing::Not(::testing::Contains(full))) << full;
}

TEST_F(LessonMaterial, WordDrillsHoldEverydayWordsOnly) {
  std::set<std::string> words;
  for (const lessons::Lesson& lesson : AllLessons())
    if (lesson.id.starts_with("words-") || lesson.id == "py-initials") {
      const std::set<std::string> more = Words(lesson);
      words.insert(more.begin(), more.end());
    }
  ASSERT_GT(words.size(), 500u);
  EXPECT_THAT(words, ::testing::IsSupersetOf({"我们", "时候", "知道", "为什么"}));
  // A novel's hero, people, places, number phrases.
  for (const char* odd : {"韦小宝", "毛泽东", "北京", "湖北", "一个", "第一次", "三个"})
    EXPECT_FALSE(words.count(odd)) << odd;
}

// The results' stroke pictures label the strokes with the very keys of the KX code.
TEST_F(LessonMaterial, StrokePictureLabelsSpellTheKxCode) {
  const std::string file = LessonsFolder() + "/" + lessons::kStrokePicturesFile;
  const std::map<std::string, lessons::StrokePicture> pictures = lessons::LoadStrokePictures(file);
  int checked = 0;
  for (const std::string& ch : CommonCharacters()) {
    const auto picture = pictures.find(ch);
    ASSERT_NE(picture, pictures.end()) << ch;
    EXPECT_EQ(picture->second.Code(), lessons::FactsOf(ch).strokes) << ch;
    ++checked;
  }
  EXPECT_EQ(checked, 1000);

  const lessons::StrokePicture& shi = pictures.at("十");
  ASSERT_EQ(shi.strokes.size(), 2u);
  EXPECT_LT(shi.strokes[0].front().x, shi.strokes[0].back().x);  // 横 from left to right
  // One 叉 for the two crossing strokes, then 横 and 竖 again for the short code.
  ASSERT_EQ(shi.labels.size(), 3u);
  EXPECT_EQ(shi.labels[0].key, '6');
  EXPECT_EQ(shi.labels[1].key, '1');
  EXPECT_EQ(shi.labels[1].stroke, 0);
  EXPECT_EQ(shi.labels[2].key, '2');
  EXPECT_EQ(shi.labels[2].stroke, 1);
  // 打: 扌 typed 横 折 only; its 提 carries no key.
  const lessons::StrokePicture& da = pictures.at("打");
  EXPECT_THAT(da.labels, ::testing::Not(::testing::Contains(
                             ::testing::Field(&lessons::StrokePicture::KeyLabel::stroke, 2))));
  EXPECT_FALSE(lessons::FindStrokePicture(file, "a"));
}

TEST_F(LessonMaterial, CharacterFactsNameThePinyinAndTheCode) {
  const lessons::CharacterFacts guo = lessons::FactsOf("国");
  EXPECT_EQ(guo.pinyin, "guó");
  EXPECT_THAT(guo.strokes, ::testing::StartsWith("25"));
  EXPECT_EQ(lessons::FactsOf("十").strokes, "612");
  EXPECT_TRUE(lessons::FactsOf("😀").strokes.empty());
}

}  // namespace
}  // namespace dazi::testing
