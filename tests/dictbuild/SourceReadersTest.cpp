#include <bzlib.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/pinyin/SyllableTable.h"
#include "tools/dictbuild/Cedict.h"
#include "tools/dictbuild/Characters.h"
#include "tools/dictbuild/SourceText.h"
#include "tools/dictbuild/StrokeDict.h"

namespace dazi::dictbuild {
namespace {

class SourceFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("dictbuild-src-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::string Write(const std::string& name, const std::string& bytes) {
    std::string path = (dir_ / name).string();
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }
  std::filesystem::path dir_;
};

std::string Bz2(const std::string& text) {
  std::vector<char> out(text.size() + 1024);
  auto size = static_cast<unsigned>(out.size());
  EXPECT_EQ(BZ2_bzBuffToBuffCompress(out.data(), &size, const_cast<char*>(text.data()),
                                     static_cast<unsigned>(text.size()), 9, 0, 0),
            BZ_OK);
  return std::string(out.data(), size);
}

TEST(SourceTextTest, LinesDropTheirBreaksIncludingCarriageReturns) {
  std::vector<std::string> lines;
  ForEachLine("a\r\nb\n\nlast", [&](std::string_view l) { lines.emplace_back(l); });
  EXPECT_EQ(lines, (std::vector<std::string>{"a", "b", "", "last"}));
}

TEST(SourceTextTest, JsModuleTextIsTheTemplateLiteral) {
  EXPECT_EQ(UnwrapJsModule("module.exports = `x\ny`;\n"), "x\ny");
  EXPECT_EQ(UnwrapJsModule("module.exports = 3;"), "");
}

TEST_F(SourceFiles, Bzip2FilesAreDecompressedAndDamageIsReported) {
  std::string error;
  EXPECT_EQ(ReadSourceFile(Write("ok.txt.bz2", Bz2("U+4E2D\tkMandarin\tzhōng\n")), &error),
            "U+4E2D\tkMandarin\tzhōng\n");
  EXPECT_EQ(error, "");
  std::string damaged = Bz2(std::string(5000, 'x'));
  damaged.resize(damaged.size() / 2);
  ReadSourceFile(Write("cut.txt.bz2", damaged), &error);
  EXPECT_NE(error, "");
  error.clear();
  ReadSourceFile((dir_ / "missing.txt").string(), &error);
  EXPECT_NE(error, "");
}

TEST_F(SourceFiles, MainlandStrokeOrderWinsOverTheTaiwanOne) {
  std::string path = Write("stroke.dict.yaml",
                           "name: stroke\n...\n\n小\tzpn\n中\tszhs\n"
                           "#The following entries ... Mainland China's standard Hanzi glyph.\n"
                           "小\tspn\n𠀀\th\n");
  std::vector<std::string> strokes;
  ASSERT_EQ(LoadStrokes(path, &strokes), "");
  EXPECT_EQ(strokes[static_cast<std::size_t>(HanziIndex(U'小'))], "spn");
  EXPECT_EQ(strokes[static_cast<std::size_t>(HanziIndex(U'中'))], "szhs");
  EXPECT_EQ(strokes[static_cast<std::size_t>(HanziIndex(U'一'))], "");
  EXPECT_NE(LoadStrokes(Write("taiwan-only.yaml", "...\n小\tzpn\n"), &strokes), "");
}

TEST_F(SourceFiles, CedictEntriesNeedTableHanziAndOneSyllableEach) {
  std::string path = Write("cedict.js",
                           "module.exports = `# CC-CEDICT\n"
                           "西安 西安 [Xi1 an1] /Xi'an/\n"
                           "一點兒 一点儿 [yi1 dian3 r5] /a bit/\n"
                           "女 女 [nu:3] /woman/female/\n"
                           "AA制 AA制 [A A zhi4] /to split the bill/\n"
                           "哼 哼 [hng5] /interjection/\n"
                           "中國 中国 [Zhong1 guo2 ren2] /broken/\n`;\n");
  std::vector<CedictEntry> entries;
  int skipped = 0;
  ASSERT_EQ(LoadCedict(path, &entries, &skipped), "");
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(skipped, 3);
  EXPECT_STREQ(SyllableTable[entries[0].pinyin[0].syllable], "xi");
  EXPECT_STREQ(SyllableTable[entries[1].pinyin[2].syllable], "er");
  EXPECT_EQ(entries[1].traditional[1], U'點');
  EXPECT_EQ(entries[1].simplified[1], U'点');
  EXPECT_STREQ(SyllableTable[entries[2].pinyin[0].syllable], "nv");
  EXPECT_EQ(entries[2].senses, "woman/female");
}

TEST(ClassesTest, TraditionalFormsAndSharedBig5CharactersMakeTheTraditionalClass) {
  Unihan unihan;
  unihan.chars.assign(static_cast<std::size_t>(kHanziCount), {});
  auto at = [&](char32_t cp) -> UnihanChar& {
    return unihan.chars[static_cast<std::size_t>(HanziIndex(cp))];
  };
  at(U'国').gb2312 = true;
  at(U'国').traditionalForms = {U'國'};
  at(U'这').standard2013 = true;
  at(U'这').traditionalForms = {U'这', U'這'};
  at(U'这').big5 = false;   // Unihan's own-form entry alone does not make it traditional
  at(U'中').gb2312 = true;  // no traditional form of its own: shared
  at(U'中').big5 = true;
  at(U'丁').gb2312 = true;  // shared by Unihan, but absent from Big5
  std::vector<CharData> chars(static_cast<std::size_t>(kHanziCount));
  AssignClasses(unihan, &chars);
  auto cls = [&](char32_t cp) { return chars[static_cast<std::size_t>(HanziIndex(cp))].classes; };
  EXPECT_EQ(cls(U'国'), kSimplified);
  EXPECT_EQ(cls(U'國'), kTraditional);
  EXPECT_EQ(cls(U'这'), kSimplified);
  EXPECT_EQ(cls(U'這'), kTraditional);
  EXPECT_EQ(cls(U'中'), kSimplified | kTraditional);
  EXPECT_EQ(cls(U'丁'), kSimplified);
  EXPECT_EQ(cls(U'丂'), kVariant);
}

}  // namespace
}  // namespace dazi::dictbuild
