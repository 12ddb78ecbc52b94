// The open-gram reader on hand-made files: the model's back-off walk, with the unknown word
// that takes the root's probability but not the root's own back-off weight, and the lexicon
// read along full syllables only.
#include <gtest/gtest.h>

#include <cstring>

#include "engine/pinyin/SyllableTable.h"
#include "tools/dictbuild/OpenGram.h"

namespace dazi::dictbuild {
namespace {

void Put(std::string* b, std::uint32_t v) {
  char bytes[4];
  std::memcpy(bytes, &v, 4);
  b->append(bytes, 4);
}

void PutFloat(std::string* b, std::size_t at, float v) {
  std::memcpy(b->data() + at, &v, 4);
}

std::uint32_t Syllable(int initial, int final) {
  return static_cast<std::uint32_t>(initial << 12 | final << 4);
}

struct Node {
  std::uint32_t word, bow, prob, child, backoffLevel, backoffIndex;
};
struct Leaf {
  std::uint32_t word, prob, backoffLevel, backoffIndex;
};

// Words A 100, B 101, C 102, D 103; P(A) .4, P(B) .3, P(C) .2, P(D) .1, P(B|A) .5,
// P(C|A B) .6; back-off weights A .25, AB .5; the root's probability 5e-6 and its own weight
// 1.2e-7, which an unknown word must not pay.
std::string TinyModel() {
  std::string b;
  for (std::uint32_t v : {3u, 0u, 2u, 5u, 2u, 2u}) Put(&b, v);
  const std::size_t probs = b.size();
  b.append(4 * 65536, '\0');
  const std::size_t bows = b.size();
  b.append(4 * 16384, '\0');
  const float p[] = {5e-6f, 0.4f, 0.3f, 0.2f, 0.1f, 0.5f, 0.6f};
  for (std::size_t i = 0; i < std::size(p); ++i) PutFloat(&b, probs + 4 * i, p[i]);
  const float w[] = {1.0f, 0.25f, 0.5f, 1.2e-7f};
  for (std::size_t i = 0; i < std::size(w); ++i) PutFloat(&b, bows + 4 * i, w[i]);
  auto node = [&](const Node& n) {
    Put(&b, n.word | n.bow << 18);
    Put(&b, n.prob | (n.child & 0xFFFF) << 16);
    Put(&b, n.backoffIndex | n.backoffLevel << 23 | (n.child >> 16) << 25);
  };
  node({0, 3, 0, 0, 0, 0});    // root
  node({0, 0, 0, 4, 0, 0});    // sentinel: four unigrams
  node({100, 1, 1, 0, 0, 0});  // A, with the bigram AB
  node({101, 0, 2, 1, 0, 0});
  node({102, 0, 3, 1, 0, 0});
  node({103, 0, 4, 1, 0, 0});
  node({0, 0, 0, 1, 0, 0});       // sentinel
  node({101, 2, 5, 0, 1, 1});     // AB, backing off to B
  node({0, 0, 0, 0, 0, 0});       // sentinel left empty, as in the real file
  const Leaf leaf{102, 6, 1, 2};  // ABC, backing off to C
  Put(&b, leaf.word | (leaf.prob & 0x3FFF) << 18);
  Put(&b, leaf.backoffIndex | leaf.backoffLevel << 23 | ((leaf.prob >> 14) & 3) << 25);
  Put(&b, 0);
  Put(&b, 0);
  return b;
}

TEST(OpenGramModel, TheBackoffWalk) {
  OpenGramModel m;
  ASSERT_EQ(m.Parse(TinyModel()), "");
  using State = OpenGramModel::State;
  struct Case {
    const char* what;
    State from;
    std::uint32_t word;
    double p;
    State to;
  };
  const State root{}, afterA{1, 0}, afterAB{2, 0};
  const Case cases[] = {
      {"a unigram", root, 100, 0.4, afterA},
      {"a bigram", afterA, 101, 0.5, afterAB},
      // A leaf stands for its back-off node C, which no word follows: the root.
      {"a trigram", afterAB, 102, 0.6, root},
      {"a missing trigram backs off twice", afterAB, 103, 0.5 * 1.0 * 0.1, root},
      {"an unknown word: the weights gathered, not the root's own", afterA, 999, 0.25 * 5e-6, root},
      {"the sentence mark moves to the root for nothing", afterAB, 69, 1.0, root},
  };
  for (const Case& c : cases) {
    State s = c.from;
    EXPECT_NEAR(m.Score(&s, c.word), c.p, c.p * 1e-6) << c.what;
    EXPECT_EQ(s, c.to) << c.what;
  }
  EXPECT_NE(m.Parse(TinyModel().substr(0, 1000)), "");
}

TEST(OpenGramLexicon, WordsAlongFullSyllablesOnly) {
  // Root -> xi (A) -> an (B); root -> x, an initial-only transfer, is not followed.
  std::string b;
  Put(&b, 102);  // words
  Put(&b, 4);    // nodes
  Put(&b, 0);    // string table, set below
  const std::uint32_t root = 12, xi = root + 4 + 16, x = xi + 4 + 8 + 4, xian = x + 4 + 4;
  Put(&b, 2u << 12);
  Put(&b, Syllable(14, 0));  // x
  Put(&b, x);
  Put(&b, Syllable(14, 13));  // xi
  Put(&b, xi);
  Put(&b, 1 | 1u << 12);
  Put(&b, Syllable(0, 8));  // an
  Put(&b, xian);
  Put(&b, 100 | 2u << 26 | 1u << 31);
  Put(&b, 1);
  Put(&b, 101);
  Put(&b, 1);
  Put(&b, 101 | 1u << 31);
  const auto strings = static_cast<std::uint32_t>(b.size());
  std::memcpy(b.data() + 8, &strings, 4);
  for (int id = 0; id < 100; ++id) Put(&b, 0);
  for (char32_t cp : {U'西', U'\0', U'西', U'安', U'\0'}) Put(&b, static_cast<std::uint32_t>(cp));

  OpenGramLexicon lexicon;
  ASSERT_EQ(lexicon.Parse(b), "");
  ASSERT_EQ(lexicon.words.size(), 102u);
  EXPECT_EQ(lexicon.words[101], U"西安");
  ASSERT_EQ(lexicon.spellings.size(), 2u);
  EXPECT_EQ(lexicon.spellings[0].word, 100u);
  EXPECT_EQ(lexicon.spellings[0].syllables, std::vector<int>{FindSyllable("xi", 2)});
  EXPECT_EQ(lexicon.spellings[0].polyphoneCost, 2);
  EXPECT_TRUE(lexicon.spellings[0].seen);
  EXPECT_EQ(lexicon.spellings[1].word, 101u);
  EXPECT_EQ(lexicon.spellings[1].syllables,
            (std::vector<int>{FindSyllable("xi", 2), FindSyllable("an", 2)}));
}

TEST(OpenGramLexicon, SyllablesInDazisSpelling) {
  EXPECT_EQ(OpenGramSyllable(Syllable(15, 30)), FindSyllable("zhong", 5));
  EXPECT_EQ(OpenGramSyllable(Syllable(8, 33)), FindSyllable("lve", 3));  // lüe
  EXPECT_EQ(OpenGramSyllable(Syllable(12, 31)), FindSyllable("ju", 2));  // jü
  EXPECT_EQ(OpenGramSyllable(Syllable(0, 35)), FindSyllable("ng", 2));
  EXPECT_EQ(OpenGramSyllable(Syllable(15, 0)), -1);  // an initial alone
  EXPECT_EQ(OpenGramSyllable(Syllable(24, 0)), -1);  // hm
}

}  // namespace
}  // namespace dazi::dictbuild
