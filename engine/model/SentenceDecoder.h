// The statistical whole-sentence decoder: a Viterbi search over the ways a run of pinyin
// letters can be cut into words (whole syllables, runs of initials, an unfinished last
// syllable, the user's own words), scored with the model's word trigrams. Each letter
// position keeps its few best histories; when the next call's letters extend the last ones,
// the positions that cannot have changed are kept, so typing key by key costs one step.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "engine/model/ModelFile.h"
#include "engine/model/ModelUserWords.h"
#include "engine/model/PinyinLattice.h"

namespace dazi::model {

struct DecoderSettings {
  int statesPerColumn = 4;         // histories kept per letter position (at most 16)
  int wordsPerNode = 16;           // words tried per syllable path, the likeliest first
  int unfinishedWordsPerNode = 4;  // the same under an unfinished last syllable
  int wordsPerInitials = 16;       // words tried per run of initials
  double initialBits = 3;          // per letter of a run of initials read as a syllable
  double loneInitialBits = 16;     // a lone letter that begins no syllable, read as one
  double unfinishedBits = 1;       // an unfinished last syllable
  double userWordBits = 0;         // a word of the user's lexicon
  double defaultCharBits = 48;     // a syllable's default character: the last resort
};

enum class PieceKind : std::uint8_t { kModelWord, kUserWord, kDefaultChar };

// One word of the sentence: the letters it was typed as and what it is.
struct Piece {
  std::size_t begin = 0, end = 0;
  PieceKind kind = PieceKind::kModelWord;
  std::uint32_t id = 0;  // model word id, user word index, or character number
};

class SentenceDecoder {
 public:
  // Both must outlive the decoder; userWords may be null.
  SentenceDecoder(const ModelFile& file, const ModelUserWords* userWords)
      : file_(file), userWords_(userWords) {
    SetSettings({});
  }

  void SetSettings(const DecoderSettings& settings);
  // Forgets the kept positions (after the model, the user words or the settings changed).
  void Reset() { decodedLetters_ = SIZE_MAX; }

  // letters: a-z; breaks[i]: a syllable must end before letter i.
  void Decode(std::string_view letters, const std::vector<bool>& breaks = {});
  // The best sentence of the last Decode, word by word.
  std::vector<Piece> BestPieces() const;
  // Letter positions the last Decode kept from the one before.
  std::size_t KeptPositions() const { return kept_; }

 private:
  static constexpr int kMaxStates = 16;
  struct Arrival {
    LmState lm;
    std::int32_t score = 0;
    std::uint32_t from = 0;
    std::uint8_t fromState = 0;
    PieceKind kind = PieceKind::kModelWord;
    std::uint32_t id = 0;
  };
  struct Column {
    std::array<Arrival, kMaxStates> items;
    int count = 0;
  };

  void Expand(std::size_t p, std::size_t minEnd);
  void ExpandTrie(std::size_t p, std::size_t minEnd);
  void ExpandInitials(std::size_t p, std::size_t minEnd);
  void ExpandUserWords(std::size_t p, std::size_t minEnd);
  void ExpandDefaultChar(std::size_t p, std::size_t minEnd);
  // Scores a model word from every history at p into column q.
  void RelaxWord(std::size_t p, std::size_t q, std::uint32_t word, std::int32_t extra);
  // A piece that is no word of the model (a user word, a default character), from the best
  // history at p; the model goes on from its last character.
  void RelaxOther(std::size_t p, std::size_t q, PieceKind kind, std::uint32_t id,
                  std::int32_t lastChar, std::int32_t extra);
  // The model's word of a single character, or kNone.
  std::uint32_t CharWord(std::int32_t charNumber);
  void Offer(Column* column, const Arrival& a) const;

  const ModelFile& file_;
  const ModelUserWords* userWords_;
  DecoderSettings settings_;
  std::int32_t initialCost_ = 0, loneInitialCost_ = 0, unfinishedCost_ = 0, userWordCost_ = 0,
               defaultCharCost_ = 0;
  PinyinLattice lattice_;
  std::vector<Column> columns_;
  std::string letters_;
  std::vector<bool> breaks_;
  std::size_t decodedLetters_ = SIZE_MAX;  // SIZE_MAX: nothing decoded yet
  std::size_t kept_ = 0;
  std::unordered_map<std::int32_t, std::uint32_t> charWords_;  // built on first use
};

// Appends the character numbers of a piece to out.
void AppendPieceChars(const ModelFile& file, const Piece& piece, std::vector<std::int32_t>* out);

}  // namespace dazi::model
