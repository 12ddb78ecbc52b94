// The editor's opening and changes when srf_pub.dat is missing, damaged or unreadable, when
// srf_pub.usr cannot be written, and when another program changes the files meanwhile: no
// word of srf_pub.usr is lost, and what cannot be read is never overwritten.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <set>

#include "tests/support/TempDataFolder.h"
#include "tests/usercorpus/CorpusTestSupport.h"
#include "ui/usercorpus/UserCorpus.h"

namespace dazi {
namespace {

namespace fs = std::filesystem;
using testing::CharTableFile;
using testing::Gbk;
using testing::Record;

// 中 1 国 2 人 3 民 4 张 5 强 6 好 7 天 8 气 9.
class EditorSafety : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_.WriteBytes("srf_pub.zc", CharTableFile("中国人民张强好天气"));
    lexicon_ = Record({1, 2}) + Record({3, 4}) + Record({5, 6}) + Record({7, 3}) + Record({8, 9}) +
               Record({1, 2, 3}) + Record({9, 8, 7}) + '\0';
    folder_.WriteBytes("srf_pub.usr", lexicon_);
  }
  // The records of srf_pub.usr as a set: their order follows the tree.
  std::multiset<std::string> LexiconWords() const {
    const std::string bytes = folder_.ReadBytes("srf_pub.usr");
    std::multiset<std::string> words;
    std::size_t pos = 0;
    while (pos < bytes.size() && bytes[pos] != 0) {
      const std::size_t size = 1 + 2 * static_cast<std::size_t>(bytes[pos]);
      words.insert(bytes.substr(pos, size));
      pos += size;
    }
    EXPECT_EQ(pos + 1, bytes.size()) << "one 0 byte ends the lexicon";
    return words;
  }
  std::multiset<std::string> Seven() const {
    return {Record({1, 2}), Record({3, 4}),    Record({5, 6}),   Record({7, 3}),
            Record({8, 9}), Record({1, 2, 3}), Record({9, 8, 7})};
  }

  testing::TempDataFolder folder_;
  std::string lexicon_;
};

// Opening rebuilds srf_pub.usr from srf_pub.dat; whatever srf_pub.dat has become, every word
// of srf_pub.usr is first put back into it.
TEST_F(EditorSafety, OpeningKeepsEveryWordWhateverBecameOfTheCorpus) {
  const std::string good = Gbk("类") + "\r\n\t" + Gbk("中国") + "\r\n\t" + Gbk("人民") + "\r\n\t" +
                           Gbk("张强") + "\r\n\t" + Gbk("好人") + "\r\n";
  const std::pair<const char*, std::optional<std::string>> cases[] = {
      {"missing", std::nullopt},
      {"empty", ""},
      {"cut in a line", good.substr(0, good.size() - 5)},
      {"categories only", Gbk("类") + "\r\n" + Gbk("别") + "\r\n"},
      {"binary garbage", std::string("\x00\xFF\x09\x0A\x0D\x81\x40\x09\x00", 9)},
      {"entries moved into categories", Gbk("中国") + "\r\n" + Gbk("人民") + "\r\n"},
  };
  for (const auto& [damage, corpus] : cases) {
    SCOPED_TRACE(damage);
    folder_.WriteBytes("srf_pub.usr", lexicon_);
    fs::remove("srf_pub.dat");
    if (corpus) folder_.WriteBytes("srf_pub.dat", *corpus);
    UserCorpus editor;
    const std::vector<std::string> messages = editor.Open("srf_pub.zc");
    ASSERT_TRUE(editor.Editable());
    EXPECT_EQ(LexiconWords(), Seven());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("恢复的词语"), std::string::npos) << messages[0];
    // Opened again, the files agree: nothing more to put back.
    UserCorpus again;
    EXPECT_TRUE(again.Open("srf_pub.zc").empty());
    EXPECT_EQ(LexiconWords(), Seven());
  }
}

// A file that cannot be read is neither rebuilt nor replaced, and every change is refused.
TEST_F(EditorSafety, AFileThatCannotBeReadIsLeftAloneAndChangesAreRefused) {
  const std::string corpus = Gbk("类") + "\r\n\t" + Gbk("中国") + "\r\n";
  for (const char* name : {"srf_pub.dat", "srf_pub.usr", "srf_pub.zc"}) {
    for (const bool fifo : {false, true}) {
      SCOPED_TRACE(std::string(name) + (fifo ? " as a FIFO" : " as a folder"));
      folder_.WriteBytes("srf_pub.dat", corpus);
      folder_.WriteBytes("srf_pub.usr", lexicon_);
      folder_.WriteBytes("srf_pub.zc", CharTableFile("中国人民张强好天气"));
      fs::remove(name);
      if (fifo)
        ASSERT_EQ(::mkfifo(name, 0644), 0);
      else
        fs::create_directory(name);

      UserCorpus editor;
      const std::vector<std::string> messages = editor.Open("srf_pub.zc");
      ASSERT_FALSE(messages.empty());
      EXPECT_NE(messages[0].find(name), std::string::npos) << messages[0];
      EXPECT_FALSE(editor.Editable());
      EXPECT_EQ(editor.Add(0, Gbk("天气")), CorpusOutcome::NotEditable);
      EXPECT_FALSE(editor.WriteUserLexicon());
      if (std::string(name) != "srf_pub.dat") {
        EXPECT_EQ(folder_.ReadBytes("srf_pub.dat"), corpus);
      }
      if (std::string(name) != "srf_pub.usr") {
        EXPECT_EQ(folder_.ReadBytes("srf_pub.usr"), lexicon_);
      }
      EXPECT_EQ(fifo ? fs::is_fifo(name) : fs::is_directory(name), true);
      fs::remove(name);
    }
  }
}

// srf_pub.usr cannot be written (its link leads into a folder that does not exist): the
// change is taken back from srf_pub.dat too, and the user told.
TEST_F(EditorSafety, AChangeWhoseLexiconCannotBeWrittenIsTakenBack) {
  const std::string corpus = Gbk("类") + "\r\n\t" + Gbk("中国") + "\r\n";
  folder_.WriteBytes("srf_pub.dat", corpus);
  folder_.WriteBytes("srf_pub.usr", Record({1, 2}) + '\0');
  UserCorpus editor;
  ASSERT_TRUE(editor.Open("srf_pub.zc").empty());
  fs::remove("srf_pub.usr");
  fs::create_symlink("nowhere/srf_pub.usr", "srf_pub.usr");
  EXPECT_EQ(editor.Add(0, Gbk("天气")), CorpusOutcome::LexiconNotWritten);
  EXPECT_EQ(folder_.ReadBytes("srf_pub.dat"), corpus);
  EXPECT_EQ(editor.Tree()[0].entries, std::vector<std::string>{Gbk("中国")});
  EXPECT_EQ(editor.Delete(CorpusNode{0, 0}), CorpusOutcome::LexiconNotWritten);
  EXPECT_EQ(folder_.ReadBytes("srf_pub.dat"), corpus);
}

// Another program (a second window, the console) saves a learned word while the editor is
// open: the editor reads the files again instead of writing its old tree over the word.
TEST_F(EditorSafety, AWordSavedByAnotherProgramMeanwhileIsKept) {
  folder_.WriteBytes("srf_pub.dat", Gbk("类") + "\r\n\t" + Gbk("中国") + "\r\n");
  folder_.WriteBytes("srf_pub.usr", Record({1, 2}) + '\0');
  UserCorpus editor;
  ASSERT_TRUE(editor.Open("srf_pub.zc").empty());
  folder_.WriteBytes("srf_pub.dat",
                     Gbk("类") + "\r\n\t" + Gbk("中国") + "\r\n\t" + Gbk("天气") + "\r\n");
  folder_.WriteBytes("srf_pub.usr", Record({1, 2}) + Record({8, 9}) + '\0');

  EXPECT_EQ(editor.Add(0, Gbk("张强")), CorpusOutcome::ChangedElsewhere);
  EXPECT_EQ(editor.Tree()[0].entries, (std::vector<std::string>{Gbk("中国"), Gbk("天气")}));
  EXPECT_EQ(editor.Add(0, Gbk("张强")), CorpusOutcome::Done);
  EXPECT_EQ(folder_.ReadBytes("srf_pub.dat"), Gbk("类") + "\r\n\t" + Gbk("张强") + "\r\n\t" +
                                                  Gbk("中国") + "\r\n\t" + Gbk("天气") + "\r\n");
  EXPECT_EQ(LexiconWords(),
            (std::multiset<std::string>{Record({5, 6}), Record({1, 2}), Record({8, 9})}));
}

}  // namespace
}  // namespace dazi
