// srf_pub.ngm as the engine reads it, on hand-made tables: the trigram model's back-off
// walk, the word lists by syllables and by initials, and damaged files.
#include <gtest/gtest.h>

#include <random>

#include "engine/model/ModelFile.h"
#include "engine/model/SentenceDecoder.h"
#include "engine/pinyin/SyllableTable.h"
#include "tests/model/TinyModel.h"
#include "tests/support/TempDataFolder.h"

namespace dazi::testing {
namespace {

using model::kCostScale;
using model::kNone;
using model::LmState;
using model::ModelFile;

int Syllable(const char* s) {
  return FindSyllable(s, static_cast<int>(std::string(s).size()));
}

class ModelFileTest : public ::testing::Test {
 protected:
  // 西安 (xi an), 先 (xian), 西 (xi), 安 (an), in this order of unigram cost.
  void SetUp() override {
    xian_ = m_.Word({11, 12}, "xi an", 5);
    first_ = m_.Word({13}, "xian", 6);
    west_ = m_.Word({11}, "xi", 7);
    peace_ = m_.Word({12}, "an", 8);
    m_.Spelling(first_, "xi", 3);  // a rarer reading: listed after 西 despite its lower cost
    m_.Backoff(xian_, 1);
    m_.Backoff(first_, 2);
    m_.Bigram(xian_, first_, 2);
    m_.Bigram(first_, west_, 3);
    m_.Trigram(xian_, first_, west_, 1, 0.5);
    m_.Write();
    ASSERT_TRUE(file_.Open("srf_pub.ngm"));
  }

  TempDataFolder folder_;
  TinyModel m_;
  ModelFile file_;
  std::uint32_t xian_ = 0, first_ = 0, west_ = 0, peace_ = 0;
};

TEST_F(ModelFileTest, ScoresFollowTheBackoffWalk) {
  struct Case {
    const char* what;
    LmState from;
    std::uint32_t word;
    double bits;
  };
  const LmState start;
  const LmState afterXian{xian_, kNone};
  LmState afterXianFirst{xian_, kNone};
  file_.Score(&afterXianFirst, first_);  // a bigram that is a trigram history
  const LmState afterFirst{first_, kNone};
  const Case cases[] = {
      {"no history: the unigram", start, peace_, 8},
      {"a bigram", afterXian, first_, 2},
      {"a missing bigram: the history's back-off and the unigram", afterXian, peace_, 1 + 8},
      {"a trigram", afterXianFirst, west_, 1},
      {"a missing trigram: back off to the bigram", afterFirst, west_, 3},
      {"a missing trigram and bigram: both back-offs", afterXianFirst, peace_, 0.5 + 2 + 8},
      {"a word without followers backs off for free", LmState{peace_, kNone}, west_, 7},
  };
  for (const Case& c : cases) {
    LmState state = c.from;
    EXPECT_EQ(file_.Score(&state, c.word), static_cast<int>(c.bits * kCostScale)) << c.what;
    EXPECT_EQ(state.last, c.word) << c.what;
  }
  EXPECT_NE(afterXianFirst.context, kNone);
  LmState noHistory{first_, kNone};
  file_.Score(&noHistory, west_);
  EXPECT_EQ(noHistory.context, kNone) << "先西 is a bigram but no trigram history";
}

TEST_F(ModelFileTest, WordsBySyllablesAndByInitials) {
  const std::uint32_t xi = file_.Child(0, Syllable("xi"));
  ASSERT_NE(xi, kNone);
  EXPECT_EQ(file_.Child(0, Syllable("an")) == kNone, false);
  EXPECT_EQ(file_.Child(0, Syllable("zhong")), kNone);
  const model::Range under = file_.Entries(xi);
  ASSERT_EQ(under.size(), 2u);
  EXPECT_EQ(file_.TrieEntry(under.begin).word, west_);
  EXPECT_EQ(file_.TrieEntry(under.begin + 1).word, first_);
  EXPECT_EQ(file_.TrieEntry(under.begin + 1).cost, 3u * kCostScale);
  const std::uint32_t xiAn = file_.Child(xi, Syllable("an"));
  ASSERT_NE(xiAn, kNone);
  EXPECT_EQ(file_.TrieEntry(file_.Entries(xiAn).begin).word, xian_);

  const model::Range xa = file_.InitialsEntries("xa");
  ASSERT_EQ(xa.size(), 1u);
  EXPECT_EQ(file_.InitialsEntry(xa.begin).word, xian_);
  const model::Range x = file_.InitialsEntries("x");
  ASSERT_EQ(x.size(), 2u);
  EXPECT_EQ(file_.InitialsEntry(x.begin).word, first_);
  EXPECT_EQ(file_.InitialsEntries("ax").size(), 0u);
  EXPECT_EQ(file_.InitialsEntries("xaxaxax").size(), 0u);

  std::int32_t chars[8];
  ASSERT_EQ(file_.WordChars(xian_, chars, 8), 2);
  EXPECT_EQ(chars[0], 11);
  EXPECT_EQ(chars[1], 12);
  EXPECT_EQ(file_.WordChars(99, chars, 8), 0);
}

// A damaged file is refused when its header or sections do not fit; damage inside the
// sections gives wrong words, never a fault (the sanitizers watch the decoding).
TEST_F(ModelFileTest, DamagedFilesNeverFault) {
  const std::string good = m_.Bytes();
  ModelFile f;
  folder_.WriteBytes("cut.ngm", good.substr(0, good.size() - 8));
  EXPECT_FALSE(f.Open("cut.ngm"));
  folder_.WriteBytes("empty.ngm", "");
  EXPECT_FALSE(f.Open("empty.ngm"));
  EXPECT_FALSE(f.Open("missing.ngm"));

  std::mt19937 random(5);
  for (int round = 0; round < 300; ++round) {
    std::string bad = good;
    const std::size_t from = round % 3 == 0 ? 0 : model::kHeaderBytes;
    for (int k = 0; k < 12; ++k)
      bad[from + random() % (bad.size() - from)] = static_cast<char>(random());
    folder_.WriteBytes("bad.ngm", bad);
    if (!f.Open("bad.ngm")) continue;
    model::SentenceDecoder decoder(f, nullptr);
    for (const char* input : {"xian", "xianxixa", "xaxa", "xianx", "ivu"}) {
      decoder.Decode(input);
      std::vector<std::int32_t> chars;
      for (const model::Piece& p : decoder.BestPieces()) AppendPieceChars(f, p, &chars);
    }
  }
}

}  // namespace
}  // namespace dazi::testing
