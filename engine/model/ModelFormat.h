// Layout of srf_pub.ngm, the word trigram model of the statistical whole-sentence engine
// (written by tools/dictbuild, read by ModelFile; described in docs/sentence-model.md).
// All integers little-endian. Costs are -log2 of a probability in 1/16 bit.
#pragma once

#include <cstdint>

namespace dazi::model {

inline constexpr const char* kModelFileName = "srf_pub.ngm";
inline constexpr char kModelMagic[4] = {'D', 'Z', 'L', 'M'};
inline constexpr std::uint32_t kModelVersion = 1;

// Costs are stored in sixteenths of a bit.
inline constexpr int kCostScale = 16;

// Header: magic, version, section count, a reserved 0, then per section {u32 offset from the
// start of the file, u32 count in elements of the section's type}. Sections are 8-aligned.
enum Section : int {
  kWordChars,        // u32[V+1]: first character of each word in kChars (last: total)
  kChars,            // u16[]: character numbers of the words, one after another
  kTrieNodes,        // u32[2(T+1)]: per syllable-trie node {first edge, first entry}
  kTrieEdges,        // u32[]: syllable << kEdgeNodeBits | child node, sorted by syllable
  kTrieEntries,      // u32[]: word << kCostBits | reading cost, cheapest word first
  kInitialKeys,      // u32[2(K+1)]: per initials key {key code, first entry}, by code
  kInitialEntries,   // u32[]: word << kCostBits | 0, cheapest word first
  kUnigrams,         // u32[2(V+1)]: {cost | back-off << 16 (signed), first bigram}
  kBigrams,          // u32[]: word << kCostBits | cost, per first word sorted by word
  kContextBits,      // u64[]: bit b set when bigram b is a trigram history
  kContextRanks,     // u32[]: set bits of kContextBits before each 64-bit block
  kContexts,         // u32[Q+1]: first trigram of each history
  kContextBackoffs,  // i16[Q]: back-off of each history (signed cost)
  kTrigrams,         // u32[]: word << kCostBits | cost, per history sorted by word
  kSectionCount
};

inline constexpr std::uint32_t kHeaderBytes = 16 + 8 * kSectionCount;

inline constexpr int kCostBits = 12;
inline constexpr std::uint32_t kCostMask = (1u << kCostBits) - 1;
inline constexpr std::uint32_t kMaxWords = 1u << (32 - kCostBits);
inline constexpr int kEdgeNodeBits = 23;
inline constexpr std::uint32_t kEdgeNodeMask = (1u << kEdgeNodeBits) - 1;

// Initials keys: up to kMaxInitials letters, letter i (a = 1 .. z = 26) times 27^i.
inline constexpr int kMaxInitials = 6;

// Syllables a word of the trie may have.
inline constexpr int kMaxWordSyllables = 8;

}  // namespace dazi::model
