// srf_pub.ngm, memory-mapped read-only: the word lists by syllables and by initials, and the
// back-off trigram model over the same words. Opening checks the header and the section
// bounds; every index read from the file is checked where it is used, so a damaged file gives
// poor sentences but never a fault. Costs are in sixteenths of a bit (model::kCostScale).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/model/ModelFormat.h"

namespace dazi::model {

inline constexpr std::uint32_t kNone = UINT32_MAX;

// The history of the trigram model after some words.
struct LmState {
  std::uint32_t last = kNone;     // the last word; kNone at the start of a sentence
  std::uint32_t context = kNone;  // the trigram history (last two words), if the model has it
  bool operator==(const LmState&) const = default;
};

// A word of a list with the extra cost of the way it was spelled.
struct WordEntry {
  std::uint32_t word = kNone;
  std::uint32_t cost = 0;
};

// A range [begin, end) of one of the file's arrays.
struct Range {
  std::uint32_t begin = 0, end = 0;
  std::uint32_t size() const { return end - begin; }
};

class ModelFile {
 public:
  ModelFile() = default;
  ~ModelFile();
  ModelFile(const ModelFile&) = delete;
  ModelFile& operator=(const ModelFile&) = delete;

  // Maps the file; false (with the reason) when it is missing or not a model of this format.
  bool Open(const std::string& path, std::string* error = nullptr);
  void Close();
  bool IsOpen() const { return data_ != nullptr; }
  std::size_t Size() const { return size_; }

  std::uint32_t WordCount() const { return words_; }
  // Character numbers of a word (at most max of them) into out; returns how many.
  int WordChars(std::uint32_t word, std::int32_t* out, int max) const;

  // ---- The syllable trie; node 0 is the root.
  // The child under a syllable (SyllableTable index), or kNone.
  std::uint32_t Child(std::uint32_t node, int syllable) const;
  // The edges of a node: Edge(i) for i in the range gives {syllable, child}.
  Range Edges(std::uint32_t node) const;
  void Edge(std::uint32_t i, int* syllable, std::uint32_t* child) const;
  // The words spelled by the path to a node, the most likely first.
  Range Entries(std::uint32_t node) const;
  WordEntry TrieEntry(std::uint32_t i) const;

  // ---- Words by initials (up to kMaxInitials letters a-z), the most likely first.
  Range InitialsEntries(std::string_view letters) const;
  WordEntry InitialsEntry(std::uint32_t i) const;

  // ---- The trigram model.
  // Cost of word after the history in state; moves state on to include word.
  std::int32_t Score(LmState* state, std::uint32_t word) const;
  // Cost of word without any history.
  std::int32_t UnigramCost(std::uint32_t word) const;

 private:
  std::uint32_t U32(int section, std::uint32_t i) const;
  std::uint64_t U64(int section, std::uint32_t i) const;
  std::uint16_t U16(int section, std::uint32_t i) const;
  // Range of a CSR section: values 2i + field and 2(i+1) + field, clamped to limit.
  Range PairRange(int section, std::uint32_t i, int field, std::uint32_t limit) const;
  // Index in [r) of the packed entry of section whose word is word, or kNone.
  std::uint32_t Find(int section, Range r, std::uint32_t word) const;
  std::uint32_t ContextOf(std::uint32_t bigram) const;

  const unsigned char* data_ = nullptr;
  std::size_t size_ = 0;
  std::uint32_t offsets_[kSectionCount]{};
  std::uint32_t counts_[kSectionCount]{};
  std::uint32_t words_ = 0;
  std::uint32_t nodes_ = 0;
  std::uint32_t initialKeys_ = 0;
  std::uint32_t contexts_ = 0;
};

}  // namespace dazi::model
