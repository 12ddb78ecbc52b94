#include "engine/model/ModelFile.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>

namespace dazi::model {
namespace {

constexpr std::uint32_t kElementBytes[kSectionCount] = {4, 2, 4, 4, 4, 4, 4, 4, 4, 8, 4, 4, 2, 4};

std::uint32_t LoadU32(const unsigned char* p) {
  std::uint32_t v;
  std::memcpy(&v, p, 4);
  return v;
}

}  // namespace

ModelFile::~ModelFile() {
  Close();
}

bool ModelFile::Open(const std::string& path, std::string* error) {
  Close();
  auto fail = [&](const std::string& why) {
    if (error) *error = why;
    Close();
    return false;
  };
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return fail(std::strerror(errno));
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) ||
      static_cast<std::size_t>(st.st_size) < kHeaderBytes) {
    ::close(fd);
    return fail("not a sentence model file");
  }
  const auto size = static_cast<std::size_t>(st.st_size);
  void* map = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
  ::close(fd);  // the mapping stays valid without the descriptor
  if (map == MAP_FAILED) return fail(std::strerror(errno));
  data_ = static_cast<const unsigned char*>(map);
  size_ = size;

  if (std::memcmp(data_, kModelMagic, 4) != 0 || LoadU32(data_ + 4) != kModelVersion ||
      LoadU32(data_ + 8) != kSectionCount)
    return fail("not a sentence model file of this version");
  for (int s = 0; s < kSectionCount; ++s) {
    offsets_[s] = LoadU32(data_ + 16 + 8 * s);
    counts_[s] = LoadU32(data_ + 20 + 8 * s);
    const std::uint64_t end =
        std::uint64_t{offsets_[s]} + std::uint64_t{counts_[s]} * kElementBytes[s];
    if (offsets_[s] < kHeaderBytes || offsets_[s] % 8 != 0 || end > size_)
      return fail("sentence model section out of the file");
  }
  if (counts_[kWordChars] == 0 || counts_[kTrieNodes] < 2 || counts_[kInitialKeys] < 2 ||
      counts_[kContexts] == 0)
    return fail("sentence model without words");
  words_ = counts_[kWordChars] - 1;
  nodes_ = counts_[kTrieNodes] / 2 - 1;
  initialKeys_ = counts_[kInitialKeys] / 2 - 1;
  contexts_ = std::min(counts_[kContexts] - 1, counts_[kContextBackoffs]);
  if (counts_[kUnigrams] != 2 * (words_ + 1) || counts_[kContextRanks] != counts_[kContextBits] + 1)
    return fail("sentence model tables do not match");
  return true;
}

void ModelFile::Close() {
  if (data_) ::munmap(const_cast<unsigned char*>(data_), size_);
  data_ = nullptr;
  size_ = 0;
  words_ = nodes_ = initialKeys_ = contexts_ = 0;
  std::fill(std::begin(counts_), std::end(counts_), 0u);
}

std::uint32_t ModelFile::U32(int section, std::uint32_t i) const {
  if (i >= counts_[section]) return 0;
  return LoadU32(data_ + offsets_[section] + 4 * std::size_t{i});
}

std::uint64_t ModelFile::U64(int section, std::uint32_t i) const {
  if (i >= counts_[section]) return 0;
  std::uint64_t v;
  std::memcpy(&v, data_ + offsets_[section] + 8 * std::size_t{i}, 8);
  return v;
}

std::uint16_t ModelFile::U16(int section, std::uint32_t i) const {
  if (i >= counts_[section]) return 0;
  std::uint16_t v;
  std::memcpy(&v, data_ + offsets_[section] + 2 * std::size_t{i}, 2);
  return v;
}

Range ModelFile::PairRange(int section, std::uint32_t i, int field, std::uint32_t limit) const {
  const auto f = static_cast<std::uint32_t>(field);
  std::uint32_t end = std::min(U32(section, 2 * i + 2 + f), limit);
  return {std::min(U32(section, 2 * i + f), end), end};
}

std::uint32_t ModelFile::Find(int section, Range r, std::uint32_t word) const {
  std::uint32_t lo = r.begin, hi = r.end;
  while (lo < hi) {
    const std::uint32_t mid = lo + (hi - lo) / 2;
    if ((U32(section, mid) >> kCostBits) < word)
      lo = mid + 1;
    else
      hi = mid;
  }
  return lo < r.end && (U32(section, lo) >> kCostBits) == word ? lo : kNone;
}

int ModelFile::WordChars(std::uint32_t word, std::int32_t* out, int max) const {
  if (word >= words_) return 0;
  const std::uint32_t end = std::min(U32(kWordChars, word + 1), counts_[kChars]);
  const std::uint32_t begin = std::min(U32(kWordChars, word), end);
  int n = 0;
  for (std::uint32_t i = begin; i < end && n < max; ++i) out[n++] = U16(kChars, i);
  return n;
}

Range ModelFile::Edges(std::uint32_t node) const {
  if (node >= nodes_) return {};
  return PairRange(kTrieNodes, node, 0, counts_[kTrieEdges]);
}

void ModelFile::Edge(std::uint32_t i, int* syllable, std::uint32_t* child) const {
  const std::uint32_t e = U32(kTrieEdges, i);
  *syllable = static_cast<int>(e >> kEdgeNodeBits);
  *child = e & kEdgeNodeMask;
}

std::uint32_t ModelFile::Child(std::uint32_t node, int syllable) const {
  const Range r = Edges(node);
  std::uint32_t lo = r.begin, hi = r.end;
  const auto want = static_cast<std::uint32_t>(syllable);
  while (lo < hi) {
    const std::uint32_t mid = lo + (hi - lo) / 2;
    if ((U32(kTrieEdges, mid) >> kEdgeNodeBits) < want)
      lo = mid + 1;
    else
      hi = mid;
  }
  if (lo >= r.end) return kNone;
  const std::uint32_t e = U32(kTrieEdges, lo);
  return (e >> kEdgeNodeBits) == want ? e & kEdgeNodeMask : kNone;
}

Range ModelFile::Entries(std::uint32_t node) const {
  if (node >= nodes_) return {};
  return PairRange(kTrieNodes, node, 1, counts_[kTrieEntries]);
}

WordEntry ModelFile::TrieEntry(std::uint32_t i) const {
  const std::uint32_t e = U32(kTrieEntries, i);
  const std::uint32_t word = e >> kCostBits;
  return word < words_ ? WordEntry{word, e & kCostMask} : WordEntry{};
}

Range ModelFile::InitialsEntries(std::string_view letters) const {
  if (letters.empty() || letters.size() > kMaxInitials) return {};
  std::uint32_t code = 0, scale = 1;
  for (char c : letters) {
    if (c < 'a' || c > 'z') return {};
    code += static_cast<std::uint32_t>(c - 'a' + 1) * scale;
    scale *= 27;
  }
  std::uint32_t lo = 0, hi = initialKeys_;
  while (lo < hi) {
    const std::uint32_t mid = lo + (hi - lo) / 2;
    if (U32(kInitialKeys, 2 * mid) < code)
      lo = mid + 1;
    else
      hi = mid;
  }
  if (lo >= initialKeys_ || U32(kInitialKeys, 2 * lo) != code) return {};
  return PairRange(kInitialKeys, lo, 1, counts_[kInitialEntries]);
}

WordEntry ModelFile::InitialsEntry(std::uint32_t i) const {
  const std::uint32_t e = U32(kInitialEntries, i);
  const std::uint32_t word = e >> kCostBits;
  return word < words_ ? WordEntry{word, e & kCostMask} : WordEntry{};
}

std::int32_t ModelFile::UnigramCost(std::uint32_t word) const {
  return static_cast<std::int32_t>(U32(kUnigrams, 2 * word) & 0xFFFF);
}

std::uint32_t ModelFile::ContextOf(std::uint32_t bigram) const {
  const std::uint32_t block = bigram / 64, bit = bigram % 64;
  const std::uint64_t bits = U64(kContextBits, block);
  if (((bits >> bit) & 1) == 0) return kNone;
  const std::uint64_t below = bits & ((std::uint64_t{1} << bit) - 1);
  const std::uint32_t c =
      U32(kContextRanks, block) + static_cast<std::uint32_t>(std::popcount(below));
  return c < contexts_ ? c : kNone;
}

std::int32_t ModelFile::Score(LmState* state, std::uint32_t word) const {
  std::int32_t cost = 0;
  bool trigram = false;
  if (state->context != kNone) {
    const std::uint32_t c = state->context;
    const Range r{std::min(U32(kContexts, c), U32(kContexts, c + 1)),
                  std::min(U32(kContexts, c + 1), counts_[kTrigrams])};
    if (const std::uint32_t t = Find(kTrigrams, r, word); t != kNone) {
      cost = static_cast<std::int32_t>(U32(kTrigrams, t) & kCostMask);
      trigram = true;
    } else {
      cost = static_cast<std::int16_t>(U16(kContextBackoffs, c));
    }
  }
  std::uint32_t bigram = kNone;
  if (state->last != kNone) {
    const Range r = PairRange(kUnigrams, state->last, 1, counts_[kBigrams]);
    bigram = Find(kBigrams, r, word);
    if (!trigram) {
      if (bigram != kNone)
        cost += static_cast<std::int32_t>(U32(kBigrams, bigram) & kCostMask);
      else
        cost +=
            static_cast<std::int16_t>(U32(kUnigrams, 2 * state->last) >> 16) + UnigramCost(word);
    }
  } else if (!trigram) {
    cost += UnigramCost(word);
  }
  state->last = word;
  state->context = bigram != kNone ? ContextOf(bigram) : kNone;
  return cost;
}

}  // namespace dazi::model
