// The user's own text as a lesson: UTF-8 or GBK, blank lines dropped, untypeable characters
// left out and named.
#include <gmock/gmock.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>

#include "engine/core/Gbk.h"
#include "tests/support/ForkedChild.h"
#include "tests/support/TempDataFolder.h"
#include "ui/lessons/UserText.h"
#include "ui/lessons/Utf8Chars.h"

namespace dazi::lessons {
namespace {

using ::testing::ElementsAre;

TEST(UserText, SameLessonFromUtf8AndGbk) {
  const std::string utf8 = "今天 天气好。\r\n\r\n  \n我们去公园😀玩吧\n";
  const std::string gbkWithoutEmoji = GbkFromUtf8("今天 天气好。\r\n\r\n  \n我们去公园玩吧\n");
  struct Case {
    std::string bytes;
    std::string encoding;
    std::string skipped;
  };
  for (const Case& c : {Case{utf8, "UTF-8", "😀"}, Case{"\xEF\xBB\xBF" + utf8, "UTF-8", "😀"},
                        Case{gbkWithoutEmoji, "GBK", ""}}) {
    std::string error;
    const std::optional<UserText> text = UserTextFromBytes(c.bytes, "my text.txt", &error);
    ASSERT_TRUE(text) << error;
    EXPECT_EQ(text->encoding, c.encoding);
    EXPECT_EQ(text->skipped, c.skipped);
    EXPECT_EQ(text->lesson.title, "my text");
    EXPECT_THAT(text->lesson.lines, ElementsAre("今天天气好。", "我们去公园玩吧"));
  }
}

TEST(UserText, LongLinesAreCutAndUnreadableBytesRefused) {
  std::string error;
  const std::optional<UserText> text =
      UserTextFromBytes(std::string(kUserLineCharacters * 3 + 1, 'a'), "a.txt", &error);
  ASSERT_TRUE(text);
  EXPECT_EQ(text->lesson.lines.size(), 4u);
  EXPECT_FALSE(UserTextFromBytes("\xFF\xFF\xFE", "bad.txt", &error));
  EXPECT_NE(error.find("bad.txt"), std::string::npos);
  EXPECT_FALSE(UserTextFromBytes("\n \n", "empty.txt", &error));
}

// What lies at a lesson's name may be anything: each is refused at once with its reason, in a
// child process so that a file that blocks fails the test instead of hanging it.
TEST(UserText, OnlyARegularFileOfALessonsSizeIsRead) {
  testing::TempDataFolder folder;
  folder.WriteBytes("ok.txt", "你好");
  folder.WriteBytes("huge.txt", std::string(kLargestUserText + 1, 'a'));
  ASSERT_EQ(::mkfifo(folder.File("fifo.txt").c_str(), 0600), 0);
  std::filesystem::create_symlink("/dev/zero", folder.Path() / "zero.txt");
  struct Case {
    std::string path;
    std::string reason;  // empty: read
  };
  const Case cases[] = {{"ok.txt", ""},
                        {"huge.txt", "超过 1 MB"},
                        {"fifo.txt", "不是普通文件"},
                        {"zero.txt", "不是普通文件"},
                        {"missing.txt", "不存在"},
                        {std::string("ok.txt\0.txt", 11), "空字符"}};
  for (const Case& c : cases) {
    const int status = testing::RunInChild(
        [&c] {
          std::string error;
          const bool read = LoadUserText(c.path, &error).has_value();
          if (c.reason.empty()) return read ? 0 : 1;
          return !read && error.find(c.reason) != std::string::npos ? 0 : 2;
        },
        std::chrono::seconds(30));
    EXPECT_EQ(status, 0) << c.path;
  }
}

// A font without the character shows a box: its code point names it all the same, for every
// length of UTF-8 sequence.
TEST(UserText, LeftOutCharactersAreNamedByTheirCodePoints) {
  EXPECT_EQ(NameCharacters("\x01"), "\x01 (U+0001)");
  EXPECT_EQ(NameCharacters("é"), "é (U+00E9)");
  EXPECT_EQ(NameCharacters("€😀"), "€ (U+20AC)、😀 (U+1F600)");
  EXPECT_EQ(NameCharacters("𠀀"), "𠀀 (U+20000)");
  EXPECT_EQ(NameCharacters(""), "");
}

}  // namespace
}  // namespace dazi::lessons
