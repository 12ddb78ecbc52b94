// Parsed phrase blocks of srf_pub.cpy, kept for reuse. The whole-sentence conversion tries
// every prefix of the rest of the input against the block at each position and again in its
// overlap check; parsing a block of up to 1201 records each time would dominate. The parsed
// blocks are kept in SentenceCaches, which reopening or replacing the dictionary empties.
#pragma once

#include <bitset>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "engine/core/Unit_Data.h"

namespace dazi::sentence {

struct PhraseEntry {
  int32 attr = 0;    // high nibble: letters of the first syllable; low nibble: level
  int32 length = 0;  // character count
  std::string pinyin;
  int32 codes[15]{};
};

struct StringHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};

// The retained entries of one block for one class.
struct PhraseBlock {
  std::size_t offset = 0;  // file position of the block
  int32 records = 0;       // records in the block, retained or not
  int32 methodClass = 0;
  std::vector<PhraseEntry> entries;  // at most the capacity of the phrase list
  std::unordered_map<std::string, int32, StringHash, std::equal_to<>> firstByPinyin;
  std::bitset<256> pinyinLengths;

  // Index of the first entry whose pinyin is s, or -1.
  int32 Find(std::string_view s) const;
};

// The block of the first four letters of s for the active class; null when s is shorter,
// its key is not in the index, or the key's block is empty (LoadPhraseBlock's -1 and 0).
std::shared_ptr<const PhraseBlock> PhraseBlockFor(std::string_view s);

// The phrase list SrfState holds now, indexed like a block.
std::shared_ptr<const PhraseBlock> PhraseBlockFromState();

// Writes a block into the phrase list of SrfState, as LoadPhraseBlock leaves it.
void CopyPhraseBlockToState(const PhraseBlock& block);

}  // namespace dazi::sentence
