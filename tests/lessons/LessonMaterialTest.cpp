// The lessons beside the executables: every one readable and typeable, the articles of the
// lengths promised, the graded groups complete.
#include <gmock/gmock.h>

#include <set>

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

TEST(LessonMaterial, EveryLessonIsReadableAndTypeable) {
  TempDataFolder folder;
  if (std::string why = LinkRealDictionaries(folder.Path()); !why.empty()) GTEST_SKIP() << why;
  ASSERT_TRUE(LoadDictionaries().ok);
  std::set<std::string> tableChars;
  for (int n = 1; n <= SrfState.CharCount; ++n) tableChars.insert(CharText(n));

  std::vector<std::string> problems;
  const std::vector<lessons::Lesson> all =
      lessons::LoadLessonFolder(ExecutableFolder() + "/" + lessons::kLessonsFolder, &problems);
  EXPECT_THAT(problems, ::testing::IsEmpty());
  int articles = 0, poems = 0;
  std::set<std::string> groupedChars;
  int charLessons = 0;
  for (const lessons::Lesson& lesson : all) {
    int length = 0;
    for (const std::string& line : lesson.lines) {
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

// The results name a character's pinyin and KX code and draw its strokes with their keys.
TEST(LessonMaterial, CharacterFactsAndStrokePictures) {
  TempDataFolder folder;
  if (std::string why = LinkRealDictionaries(folder.Path()); !why.empty()) GTEST_SKIP() << why;
  ASSERT_TRUE(LoadDictionaries().ok);
  const lessons::CharacterFacts guo = lessons::FactsOf("国");
  EXPECT_EQ(guo.pinyin, "guó");
  EXPECT_THAT(guo.strokes, ::testing::StartsWith("25"));
  EXPECT_TRUE(lessons::FactsOf("😀").strokes.empty());

  const std::string file =
      ExecutableFolder() + "/" + lessons::kLessonsFolder + "/" + lessons::kStrokePicturesFile;
  const std::optional<lessons::StrokePicture> shi = lessons::FindStrokePicture(file, "十");
  ASSERT_TRUE(shi);
  EXPECT_EQ(shi->keys, "66");  // the two strokes cross: one 叉
  ASSERT_EQ(shi->strokes.size(), 2u);
  EXPECT_LT(shi->strokes[0].front().x, shi->strokes[0].back().x);  // 横 from left to right
  const std::optional<lessons::StrokePicture> ren = lessons::FindStrokePicture(file, "人");
  ASSERT_TRUE(ren);
  EXPECT_EQ(ren->keys, "34");
  EXPECT_FALSE(lessons::FindStrokePicture(file, "a"));
}

}  // namespace
}  // namespace dazi::testing
