// The decoder on a tiny hand-made model where the best reading of each input is known: cuts
// into syllables, bigram and trigram context, initials, an unfinished last syllable, the last
// resort, the user's words, and key-by-key decoding that must equal decoding from scratch.
#include <gmock/gmock.h>

#include <random>

#include "engine/core/Unit_Data.h"
#include "engine/model/ModelFile.h"
#include "engine/model/SentenceDecoder.h"
#include "tests/model/TinyModel.h"
#include "tests/support/TempDataFolder.h"

namespace dazi::testing {
namespace {

using model::Piece;
using model::PieceKind;
using model::SentenceDecoder;

class SentenceDecoderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    xian_ = m_.Word({1, 2}, "xi an", 10);     // 西安
    first_ = m_.Word({3}, "xian", 8);         // 先
    now_ = m_.Word({4}, "xian", 9);           // 现
    m_.Word({1}, "xi", 9);                    // 西
    m_.Word({2}, "an", 9);                    // 安
    nowAt_ = m_.Word({4, 5}, "xian zai", 9);  // 现在
    at_ = m_.Word({5}, "zai", 7);             // 在
    i_ = m_.Word({6}, "wo", 6);               // 我
    we_ = m_.Word({6, 7}, "wo men", 8);       // 我们
    m_.Bigram(i_, now_, 3);
    m_.Trigram(i_, now_, at_, 1, 0);
    m_.Write();
    ASSERT_TRUE(file_.Open("srf_pub.ngm"));
  }

  std::vector<std::uint32_t> Words(SentenceDecoder& d, const std::string& letters,
                                   const std::vector<bool>& breaks = {}) {
    d.Decode(letters, breaks);
    std::vector<std::uint32_t> out;
    for (const Piece& p : d.BestPieces())
      out.push_back(p.kind == PieceKind::kModelWord ? p.id : 1000 + p.id);
    return out;
  }

  TempDataFolder folder_;
  TinyModel m_;
  model::ModelFile file_;
  std::uint32_t xian_ = 0, first_ = 0, now_ = 0, nowAt_ = 0, at_ = 0, i_ = 0, we_ = 0;
};

TEST_F(SentenceDecoderTest, TheCheapestReadingWins) {
  SentenceDecoder d(file_, nullptr);
  struct Case {
    const char* letters;
    std::vector<bool> breaks;
    std::vector<std::uint32_t> words;
  };
  const Case cases[] = {
      {"xian", {}, {first_}},                   // one syllable beats xi'an and xi + an
      {"xian", {false, false, true}, {xian_}},  // xi'an: the break forbids xian
      {"xianzai", {}, {nowAt_}},                // one word beats two
      {"woxian", {}, {i_, now_}},               // the bigram 我现 beats the likelier 先
      {"woxianzai", {}, {i_, now_, at_}},       // the trigram 我现在 beats 我 + 现在
      {"wm", {}, {we_}},                        // a run of initials
      {"xianz", {}, {nowAt_}},                  // an unfinished last syllable
  };
  for (const Case& c : cases)
    EXPECT_THAT(Words(d, c.letters, c.breaks), ::testing::ElementsAreArray(c.words)) << c.letters;

  // A letter no word stands for gets the rules' default character, so a reading always exists.
  d.Decode("xiani");
  const std::vector<Piece> pieces = d.BestPieces();
  ASSERT_FALSE(pieces.empty());
  EXPECT_EQ(pieces.back().kind, PieceKind::kDefaultChar);
  EXPECT_EQ(pieces.back().end, 5u);
}

TEST_F(SentenceDecoderTest, TheUsersWordsWin) {
  ResetEngineState();
  TLumiskCand& s = SrfState;
  s.UserWordCount = 2;
  s.UserWordPinyin[0] = s.UserWordPinyinAlt[0] = "xian";  // 仙, against 先 and 现
  s.UserWordLengths[0] = 1;
  s.UserWordCodes[0][0] = 40;
  s.UserWordPinyin[1] = s.UserWordPinyinAlt[1] = "xiaoze";
  s.UserWordInitials[1] = "xz";
  s.UserWordLengths[1] = 2;
  s.UserWordCodes[1][0] = 41;
  s.UserWordCodes[1][1] = 42;
  model::ModelUserWords userWords;
  userWords.Refresh();
  SentenceDecoder d(file_, &userWords);
  EXPECT_THAT(Words(d, "woxian"), ::testing::ElementsAre(i_, 1000u));
  EXPECT_THAT(Words(d, "xz"), ::testing::ElementsAre(1001u));
  std::vector<std::int32_t> chars;
  for (const Piece& p : d.BestPieces()) AppendPieceChars(file_, p, &chars);
  EXPECT_THAT(chars, ::testing::ElementsAre(41, 42));
  ResetEngineState();
}

// Typing, deleting and retyping letter by letter gives at every step what a fresh decoder
// gives for the same letters: the kept positions never hold a stale reading.
TEST_F(SentenceDecoderTest, KeyByKeyEqualsFromScratch) {
  const char* const pieces[] = {"xian", "zai", "wo", "men", "xi", "an", "w", "m", "z", "i", "a"};
  std::mt19937 random(11);
  SentenceDecoder typed(file_, nullptr);
  std::size_t keptSome = 0;
  for (int round = 0; round < 60; ++round) {
    std::string target;
    while (target.size() < 40) target += pieces[random() % std::size(pieces)];
    std::string letters;
    for (char c : target) {
      letters += c;
      if (random() % 7 == 0) letters.pop_back();  // Backspace
      typed.Decode(letters);
      keptSome += typed.KeptPositions() > 0;
      SentenceDecoder fresh(file_, nullptr);
      fresh.Decode(letters);
      ASSERT_EQ(typed.BestPieces().size(), fresh.BestPieces().size()) << letters;
      for (std::size_t k = 0; k < fresh.BestPieces().size(); ++k) {
        const Piece a = typed.BestPieces()[k], b = fresh.BestPieces()[k];
        ASSERT_TRUE(a.begin == b.begin && a.end == b.end && a.kind == b.kind && a.id == b.id)
            << letters << " piece " << k;
      }
    }
  }
  EXPECT_GT(keptSome, 1000u);  // the step really reused earlier positions
}

}  // namespace
}  // namespace dazi::testing
