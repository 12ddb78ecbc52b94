#include <gtest/gtest.h>
#include <zlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tools/dictbuild/AdjacentWords.h"
#include "tools/dictbuild/ManPages.h"
#include "tools/dictbuild/Unihan.h"
#include "tools/dictbuild/Utf8.h"

namespace dazi::dictbuild {
namespace {

std::vector<int> Hanzi(std::string_view utf8) {
  std::vector<int> out;
  std::size_t pos = 0;
  while (pos < utf8.size()) out.push_back(HanziIndex(DecodeUtf8(utf8, &pos)));
  return out;
}

long Count(const std::unordered_map<std::uint64_t, long>& counts, std::string_view utf8) {
  const auto it = counts.find(WordKey(Hanzi(utf8)));
  return it == counts.end() ? 0 : it->second;
}

TEST(WordKeyTest, DistinguishesOrderAndLength) {
  EXPECT_NE(WordKey(Hanzi("人的")), WordKey(Hanzi("的人")));
  EXPECT_NE(WordKey(Hanzi("一")), WordKey(Hanzi("一一")));
  EXPECT_NE(WordKey(Hanzi("丁")), WordKey(Hanzi("一丁")));  // 丁 is the second table hanzi
}

TEST(AdjacentWordsTest, TheLikelierCutWinsAndSingleNeighboursArePaired) {
  // 研究生命: 研究|生命 (two frequent words) beats 研究生|命.
  std::unordered_map<std::uint64_t, long> lexicon;
  for (auto [word, count] : {std::pair<std::string_view, long>{"研究", 5000},
                             {"生命", 4000},
                             {"研究生", 300},
                             {"命", 100},
                             {"人", 9000},
                             {"的", 90000}})
    lexicon[WordKey(Hanzi(word))] = count;
  const AdjacentCounts counts =
      CountAdjacentWords({Hanzi("研究生命"), Hanzi("人的"), Hanzi("人的研究")}, lexicon);
  EXPECT_EQ(Count(counts.words, "研究"), 2);
  EXPECT_EQ(Count(counts.words, "生命"), 1);
  EXPECT_EQ(Count(counts.words, "研究生"), 0);
  EXPECT_EQ(Count(counts.singlePairs, "人的"), 2);
  EXPECT_EQ(Count(counts.singlePairs, "的研"), 0);  // 研 is inside a word
  EXPECT_EQ(counts.tokens, 2 + 2 + 3);
}

TEST(AdjacentWordsTest, CharactersOutsideTheLexiconStillCount) {
  const AdjacentCounts counts = CountAdjacentWords({Hanzi("人的")}, {});
  EXPECT_EQ(Count(counts.singlePairs, "人的"), 1);
  EXPECT_EQ(counts.tokens, 2);
}

class ManPageFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("dictbuild-man-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir_ / "man1");
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  void WriteGz(const std::string& name, const std::string& text) {
    gzFile gz = gzopen((dir_ / name).string().c_str(), "wb");
    ASSERT_NE(gz, nullptr);
    ASSERT_EQ(gzwrite(gz, text.data(), static_cast<unsigned>(text.size())),
              static_cast<int>(text.size()));
    gzclose(gz);
  }
  std::filesystem::path dir_;
};

TEST_F(ManPageFiles, RunsOfHanziWithoutMarkupOrComments) {
  WriteGz("man1/b.1.gz", ".SH 名称\nls \\- 列出\\fB目录\\fP内容\n.\\\" 注释不算\n");
  WriteGz("man1/a.1.gz", "第一");
  WriteGz("man1/notes.txt", "不是手册");
  std::vector<std::vector<int>> runs;
  ASSERT_EQ(LoadManPageRuns(dir_.string(), &runs), "");
  EXPECT_EQ(runs, (std::vector<std::vector<int>>{Hanzi("第一"), Hanzi("名称"), Hanzi("列出"),
                                                 Hanzi("目录"), Hanzi("内容")}));
}

TEST_F(ManPageFiles, AFolderWithoutPagesIsAnError) {
  std::vector<std::vector<int>> runs;
  EXPECT_NE(LoadManPageRuns(dir_.string(), &runs), "");
  EXPECT_EQ(LoadManPageRuns("", &runs), "");
  EXPECT_TRUE(runs.empty());
}

}  // namespace
}  // namespace dazi::dictbuild
