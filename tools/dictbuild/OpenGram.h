// The open-gram word trigram model and its pinyin lexicon, as Debian's sunpinyin-data ships
// them (lm_sc.t3g and pydict_sc.bin), read into memory for the dictionary build. Only the
// data files are read; the scoring follows the model's own back-off walk.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace dazi::dictbuild {

inline constexpr const char* kOpenGramDir = "/usr/lib/x86_64-linux-gnu/sunpinyin/data";

// The back-off trigram model lm_sc.t3g.
class OpenGramModel {
 public:
  // One record of a level: level 0 is the root, 1 unigrams, 2 bigrams, 3 trigrams (leaves).
  struct Node {
    std::uint32_t word = 0;
    float prob = 0;           // P(word | the parent's history)
    float backoff = 1;        // weight when a word is not among the children (not for leaves)
    std::uint32_t child = 0;  // first child in the next level (not for leaves)
    int backoffLevel = 0;     // the node standing for the shorter history
    std::uint32_t backoffIndex = 0;
  };
  // Where a history stands: a node of some level.
  struct State {
    int level = 0;
    std::uint32_t index = 0;
    bool operator==(const State&) const = default;
  };

  // Reads the whole file; an empty string on success, else what is wrong with it.
  std::string Load(const std::string& path);
  // The same from the file's bytes.
  std::string Parse(const std::string& bytes);

  // Records of a level, the sentinel at its end excluded.
  std::size_t Count(int level) const;
  const Node& At(int level, std::size_t index) const { return levels_[level][index]; }
  // Children of a node of level 0-2: [first, last) in the next level.
  std::pair<std::size_t, std::size_t> Children(int level, std::size_t index) const;
  // Index of word among the children of a node, or -1.
  long FindChild(int level, std::size_t index, std::uint32_t word) const;

  // P(word | state), moving the state on: the model's back-off walk. An unknown word gets
  // the root's probability times the weights gathered on the way down, and state root.
  double Score(State* state, std::uint32_t word) const;

 private:
  std::vector<Node> levels_[4];
};

// The pinyin lexicon pydict_sc.bin: every word id's text, and the full-syllable spellings
// under which the trie lists each word.
struct OpenGramLexicon {
  struct Spelling {
    std::uint32_t word = 0;
    std::vector<int> syllables;  // SyllableTable indexes, one per character
    int polyphoneCost = 0;       // the reading's weight is 2^-cost
    int charset = 0;             // 0 GB2312, 1 GBK, 2 beyond
    bool seen = false;           // the model has the word
  };
  std::vector<std::u32string> words;  // by word id
  std::vector<Spelling> spellings;    // in trie order
  int droppedTransfers = 0;           // trie branches under syllables outside SyllableTable

  // Reads the file; an empty string on success.
  std::string Load(const std::string& path);
  std::string Parse(const std::string& bytes);
};

// SyllableTable index of an open-gram syllable id (initial << 12 | final << 4 | tone), or
// -1 for initial-only ids and syllables outside the table.
int OpenGramSyllable(std::uint32_t id);

}  // namespace dazi::dictbuild
