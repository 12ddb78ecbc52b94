#include "tools/dictbuild/OpenGram.h"

#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>

#include "engine/pinyin/SyllableTable.h"

namespace dazi::dictbuild {
namespace {

constexpr int kOrder = 3;
constexpr std::size_t kProbTable = 24;
constexpr std::size_t kProbEntries = 65536;
constexpr std::size_t kBackoffEntries = 16384;
constexpr std::size_t kBackoffTable = kProbTable + 4 * kProbEntries;
constexpr std::size_t kFirstNode = kBackoffTable + 4 * kBackoffEntries;
// Moves the history back to the root and costs nothing (a sentence boundary).
constexpr std::uint32_t kRootWord = 69;
constexpr int kMaxTrieDepth = 32;

std::uint32_t U32(const std::string& b, std::size_t pos) {
  std::uint32_t v = 0;
  std::memcpy(&v, b.data() + pos, 4);  // the files are little-endian, as is this machine
  return v;
}

float F32(const std::string& b, std::size_t pos) {
  float v = 0;
  std::memcpy(&v, b.data() + pos, 4);
  return v;
}

bool ReadFile(const std::string& path, std::string* out) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  out->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return true;
}

const char* const kInitials[] = {"",  "b", "p",  "m",  "f",  "d", "t", "n", "l", "g", "k", "h", "j",
                                 "q", "x", "zh", "ch", "sh", "r", "z", "c", "s", "y", "w", "hm"};
const char* const kFinals[] = {"",    "a",   "o",    "e",   "ai", "ei", "ao", "ou",   "an",
                               "en",  "ang", "eng",  "er",  "i",  "ia", "ie", "iao",  "iu",
                               "ian", "in",  "iang", "ing", "u",  "ua", "uo", "uai",  "ui",
                               "uan", "un",  "uang", "ong", "v",  "ve", "ue", "iong", "ng"};

}  // namespace

int OpenGramSyllable(std::uint32_t id) {
  const std::uint32_t initial = id >> 12;
  const std::uint32_t final = (id >> 4) & 0xFF;
  if (final == 0 || final >= std::size(kFinals) || initial >= std::size(kInitials)) return -1;
  std::string s = std::string(kInitials[initial]) + kFinals[final];
  // dazi writes ü as v after l and n only, and u after j, q, x and y.
  if (s == "lue" || s == "nue") s[1] = 'v';
  if ((s[0] == 'j' || s[0] == 'q' || s[0] == 'x' || s[0] == 'y') && s.size() > 1 && s[1] == 'v')
    s[1] = 'u';
  return FindSyllable(s.c_str(), static_cast<int>(s.size()));
}

std::string OpenGramModel::Load(const std::string& path) {
  std::string bytes;
  if (!ReadFile(path, &bytes)) return "cannot read " + path;
  return Parse(bytes);
}

std::string OpenGramModel::Parse(const std::string& b) {
  if (b.size() < kFirstNode) return "model file too short";
  if (U32(b, 0) != kOrder) return "not a trigram model";
  const bool negLog = U32(b, 4) != 0;
  std::size_t counts[kOrder + 1];
  std::size_t need = kFirstNode;
  for (int l = 0; l <= kOrder; ++l) {
    counts[l] = U32(b, 8 + 4 * static_cast<std::size_t>(l));
    if (counts[l] == 0 || counts[l] > b.size()) return "bad record count";
    need += counts[l] * (l < kOrder ? 12 : 8);
  }
  if (need > b.size()) return "model file too short for its records";
  auto prob = [&](std::uint32_t i) {
    const float v = F32(b, kProbTable + 4 * static_cast<std::size_t>(i));
    return negLog ? static_cast<float>(std::exp(-v)) : v;
  };
  auto backoff = [&](std::uint32_t i) {
    const float v = F32(b, kBackoffTable + 4 * static_cast<std::size_t>(i));
    return negLog ? static_cast<float>(std::exp(-v)) : v;
  };
  std::size_t pos = kFirstNode;
  for (int l = 0; l <= kOrder; ++l) {
    auto& level = levels_[l];
    level.resize(counts[l]);
    for (std::size_t i = 0; i < counts[l]; ++i) {
      Node& n = level[i];
      if (l < kOrder) {
        const std::uint32_t w0 = U32(b, pos), w1 = U32(b, pos + 4), w2 = U32(b, pos + 8);
        pos += 12;
        n.word = w0 & 0x3FFFF;
        n.backoff = backoff(w0 >> 18);
        n.prob = prob(w1 & 0xFFFF);
        n.child = (w1 >> 16) | ((w2 >> 25) << 16);
        n.backoffIndex = w2 & 0x7FFFFF;
        n.backoffLevel = static_cast<int>((w2 >> 23) & 3);
      } else {
        const std::uint32_t w0 = U32(b, pos), w1 = U32(b, pos + 4);
        pos += 8;
        n.word = w0 & 0x3FFFF;
        n.prob = prob((w0 >> 18) | (((w1 >> 25) & 3) << 14));
        n.backoffIndex = w1 & 0x7FFFFF;
        n.backoffLevel = static_cast<int>((w1 >> 23) & 3);
      }
    }
  }
  // The sentinels close the last record's children; the bigram level's sentinel is left
  // empty in the file, so each one is set to the end of the next level.
  for (int l = 0; l < kOrder; ++l)
    levels_[l].back().child = static_cast<std::uint32_t>(Count(l + 1));
  // Every link must land inside its level, so that the walk cannot leave the tables.
  for (int l = 0; l <= kOrder; ++l) {
    for (std::size_t i = 0; i + 1 < levels_[l].size(); ++i) {
      const Node& n = levels_[l][i];
      if (l < kOrder &&
          (n.child > levels_[l][i + 1].child || levels_[l][i + 1].child > Count(l + 1)))
        return "bad child link";
      if (n.backoffLevel >= l && l > 0) return "back-off link does not shorten the history";
      if (n.backoffIndex >= Count(n.backoffLevel)) return "bad back-off link";
    }
  }
  return {};
}

std::size_t OpenGramModel::Count(int level) const {
  return levels_[level].empty() ? 0 : levels_[level].size() - 1;
}

std::pair<std::size_t, std::size_t> OpenGramModel::Children(int level, std::size_t index) const {
  if (level >= kOrder) return {0, 0};
  return {levels_[level][index].child, levels_[level][index + 1].child};
}

long OpenGramModel::FindChild(int level, std::size_t index, std::uint32_t word) const {
  auto [lo, hi] = Children(level, index);
  const auto& next = levels_[level + 1];
  while (lo < hi) {
    const std::size_t mid = lo + (hi - lo) / 2;
    if (next[mid].word < word)
      lo = mid + 1;
    else
      hi = mid;
  }
  return lo < Children(level, index).second && next[lo].word == word ? static_cast<long>(lo) : -1;
}

double OpenGramModel::Score(State* state, std::uint32_t word) const {
  if (word == kRootWord) {
    *state = {};
    return 1.0;
  }
  double weight = 1.0;
  State at = *state;
  double p = 0;
  for (;;) {
    if (const long k = FindChild(at.level, at.index, word); k >= 0) {
      p = weight * levels_[at.level + 1][static_cast<std::size_t>(k)].prob;
      at = {at.level + 1, static_cast<std::uint32_t>(k)};
      break;
    }
    if (at.level == 0) {
      p = weight * levels_[0][0].prob;
      at = {};
      break;
    }
    weight *= levels_[at.level][at.index].backoff;
    const Node& n = levels_[at.level][at.index];
    at = {n.backoffLevel, n.backoffIndex};
  }
  // A history that no word can follow stands for its shorter history.
  while (at.level > 0) {
    auto [first, last] = Children(at.level, at.index);
    if (at.level < kOrder && first < last) break;
    const Node& n = levels_[at.level][at.index];
    at = {n.backoffLevel, n.backoffIndex};
  }
  *state = at;
  return p;
}

std::string OpenGramLexicon::Load(const std::string& path) {
  std::string bytes;
  if (!ReadFile(path, &bytes)) return "cannot read " + path;
  return Parse(bytes);
}

std::string OpenGramLexicon::Parse(const std::string& b) {
  if (b.size() < 16) return "lexicon file too short";
  const std::uint32_t wordCount = U32(b, 0);
  const std::size_t strings = U32(b, 8);
  if (strings > b.size() || wordCount > b.size()) return "bad lexicon header";
  // The string table: one zero-terminated UCS-4 string per word id.
  words.assign(wordCount, {});
  std::size_t pos = strings;
  for (std::uint32_t id = 0; id < wordCount; ++id) {
    for (;;) {
      if (pos + 4 > b.size()) return "string table cut short";
      const std::uint32_t cp = U32(b, pos);
      pos += 4;
      if (cp == 0) break;
      words[id] += static_cast<char32_t>(cp);
    }
  }
  // The trie, walked along full syllables only (initial-only transfers serve abbreviations).
  struct Frame {
    std::size_t offset;
    std::vector<int> path;
  };
  std::vector<Frame> stack{{12, {}}};
  while (!stack.empty()) {
    Frame f = std::move(stack.back());
    stack.pop_back();
    if (f.offset + 4 > strings) return "trie node outside the trie";
    const std::uint32_t h = U32(b, f.offset);
    const std::size_t wordsHere = h & 0xFFF, transfers = (h >> 12) & 0xFFF;
    const std::size_t wordsAt = f.offset + 4 + 8 * transfers;
    if (wordsAt + 4 * wordsHere > strings) return "trie node cut short";
    for (std::size_t k = 0; k < wordsHere; ++k) {
      const std::uint32_t v = U32(b, wordsAt + 4 * k);
      Spelling s;
      s.word = v & 0xFFFFFF;
      if (s.word >= wordCount) return "trie word id beyond the string table";
      s.syllables = f.path;
      s.charset = static_cast<int>((v >> 24) & 3);
      s.polyphoneCost = static_cast<int>((v >> 26) & 31);
      s.seen = (v >> 31) != 0;
      if (!s.syllables.empty()) spellings.push_back(std::move(s));
    }
    if (f.path.size() >= kMaxTrieDepth) continue;
    // Pushed in reverse so that children are visited in syllable order.
    for (std::size_t k = transfers; k-- > 0;) {
      const std::uint32_t syllableId = U32(b, f.offset + 4 + 8 * k);
      const std::size_t child = U32(b, f.offset + 8 + 8 * k);
      if ((syllableId >> 4 & 0xFF) == 0) continue;
      const int syllable = OpenGramSyllable(syllableId);
      if (syllable < 0) {
        ++droppedTransfers;
        continue;
      }
      Frame next{child, f.path};
      next.path.push_back(syllable);
      stack.push_back(std::move(next));
    }
  }
  return {};
}

}  // namespace dazi::dictbuild
