#include "tests/dictbuild/OpenGramFiles.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <tuple>

namespace dazi::dictbuild::testing {
namespace {

void Put32(std::string* out, std::uint32_t v) {
  for (int k = 0; k < 4; ++k) out->push_back(static_cast<char>((v >> (8 * k)) & 0xFF));
}

void PutFloat(std::string* out, float f) {
  std::uint32_t bits = 0;
  std::memcpy(&bits, &f, sizeof bits);
  Put32(out, bits);
}

// Distinct values of a table, each at its index.
class Table {
 public:
  explicit Table(std::size_t size) : values_(size, 0.0f) {}
  std::uint32_t IndexOf(float v) {
    for (std::uint32_t k = 0; k < used_; ++k)
      if (values_[k] == v) return k;
    values_[used_] = v;
    return used_++;
  }
  void Write(std::string* out) const {
    for (float v : values_) PutFloat(out, v);
  }

 private:
  std::vector<float> values_;
  std::uint32_t used_ = 0;
};

std::vector<char32_t> CodePoints(const std::string& utf8) {
  std::vector<char32_t> out;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    const int n = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    char32_t cp = n == 1 ? c : c & (0x3F >> (n - 1));
    for (int k = 1; k < n; ++k) cp = cp << 6 | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    out.push_back(cp);
    i += static_cast<std::size_t>(n);
  }
  return out;
}

}  // namespace

std::string TinyModel::Bytes() const {
  Table probabilities(65536), backOffs(16384);
  auto unigrams1 = unigrams;
  auto bigrams1 = bigrams;
  auto trigrams1 = trigrams;
  std::sort(unigrams1.begin(), unigrams1.end(),
            [](const Unigram& a, const Unigram& b) { return a.word < b.word; });
  std::sort(bigrams1.begin(), bigrams1.end(), [](const Bigram& a, const Bigram& b) {
    return std::tie(a.first, a.second) < std::tie(b.first, b.second);
  });
  std::sort(trigrams1.begin(), trigrams1.end(), [](const Trigram& a, const Trigram& b) {
    return std::tie(a.first, a.second, a.third) < std::tie(b.first, b.second, b.third);
  });
  auto unigramIndex = [&](std::uint32_t w) {
    for (std::uint32_t k = 0; k < unigrams1.size(); ++k)
      if (unigrams1[k].word == w) return k;
    return 0u;
  };
  auto bigramIndex = [&](std::uint32_t a, std::uint32_t b, bool* found) {
    for (std::uint32_t k = 0; k < bigrams1.size(); ++k)
      if (bigrams1[k].first == a && bigrams1[k].second == b) {
        *found = true;
        return k;
      }
    *found = false;
    return 0u;
  };
  std::string nodes;
  auto node = [&](std::uint32_t word, float p, float bow, std::uint32_t child, int backLevel,
                  std::uint32_t backIndex) {
    Put32(&nodes, word | backOffs.IndexOf(bow) << 18);
    Put32(&nodes, probabilities.IndexOf(p) | (child & 0xFFFF) << 16);
    Put32(&nodes, backIndex | static_cast<std::uint32_t>(backLevel) << 23 | (child >> 16) << 25);
  };
  const auto nu = static_cast<std::uint32_t>(unigrams1.size());
  const auto nb = static_cast<std::uint32_t>(bigrams1.size());
  const auto nt = static_cast<std::uint32_t>(trigrams1.size());
  node(0, unknown, rootBackOff, 0, 0, 0);
  node(0, 0, 1, nu, 0, 0);
  for (const Unigram& u : unigrams1) {
    std::uint32_t child = 0;
    while (child < nb && bigrams1[child].first < u.word) ++child;
    node(u.word, u.probability, u.backOff, child, 0, 0);
  }
  node(0, 0, 1, nb, 0, 0);
  for (const Bigram& b : bigrams1) {
    std::uint32_t child = 0;
    while (child < nt &&
           std::tie(trigrams1[child].first, trigrams1[child].second) < std::tie(b.first, b.second))
      ++child;
    node(b.second, b.probability, b.backOff, child, 1, unigramIndex(b.second));
  }
  node(0, 0, 1, nt, 0, 0);
  std::string leaves;
  auto leaf = [&](std::uint32_t word, float p, int backLevel, std::uint32_t backIndex) {
    const std::uint32_t k = probabilities.IndexOf(p);
    Put32(&leaves, word | (k & 0x3FFF) << 18);
    Put32(&leaves, backIndex | static_cast<std::uint32_t>(backLevel) << 23 | (k >> 14) << 25);
  };
  for (const Trigram& t : trigrams1) {
    bool found = false;
    const std::uint32_t b = bigramIndex(t.second, t.third, &found);
    if (found)
      leaf(t.third, t.probability, 2, b);
    else
      leaf(t.third, t.probability, 1, unigramIndex(t.third));
  }
  leaf(0, 0, 0, 0);

  std::string out;
  Put32(&out, 3);
  Put32(&out, 0);
  for (std::uint32_t count : {2u, nu + 1, nb + 1, nt + 1}) Put32(&out, count);
  probabilities.Write(&out);
  backOffs.Write(&out);
  return out + nodes + leaves;
}

std::string TinyLexicon::Bytes() const {
  std::vector<std::string> strings;
  std::map<std::string, std::uint32_t> idOf;
  for (const Entry& e : entries)
    if (idOf.emplace(e.utf8, firstId + static_cast<std::uint32_t>(strings.size())).second)
      strings.push_back(e.utf8);

  struct Node {
    std::map<std::uint32_t, std::vector<std::uint32_t>> transfers;  // syllable -> child path
    std::vector<std::uint32_t> words;
  };
  std::map<std::vector<std::uint32_t>, Node> trie;
  trie[{}];
  auto add = [&](const std::vector<std::uint32_t>& path, std::uint32_t value) {
    std::vector<std::uint32_t> at;
    for (std::uint32_t s : path) {
      std::vector<std::uint32_t> next = at;
      next.push_back(s);
      trie[at].transfers[s] = next;
      trie[next];
      at = next;
    }
    trie[at].words.push_back(value);
  };
  for (const Entry& e : entries) {
    const std::uint32_t value =
        idOf[e.utf8] | static_cast<std::uint32_t>(e.cost) << 26 | (e.inModel ? 1u << 31 : 0u);
    add(e.syllableIds, value);
    add({e.syllableIds[0] & 0xFFFFF000u}, value);  // the initial alone
  }
  std::map<std::vector<std::uint32_t>, std::uint32_t> offsetOf;
  std::uint32_t offset = 12;
  for (const auto& [path, n] : trie) {
    offsetOf[path] = offset;
    offset += 4 + 8 * static_cast<std::uint32_t>(n.transfers.size()) +
              4 * static_cast<std::uint32_t>(n.words.size());
  }
  // The root first: the map orders the empty path first.
  std::string body;
  for (const auto& [path, n] : trie) {
    Put32(&body, static_cast<std::uint32_t>(n.words.size()) |
                     static_cast<std::uint32_t>(n.transfers.size()) << 12);
    for (const auto& [syllable, child] : n.transfers) {
      Put32(&body, syllable);
      Put32(&body, offsetOf[child]);
    }
    for (std::uint32_t v : n.words) Put32(&body, v);
  }
  std::string out;
  const std::uint32_t wordCount = firstId + static_cast<std::uint32_t>(strings.size());
  Put32(&out, wordCount);
  Put32(&out, static_cast<std::uint32_t>(trie.size()));
  Put32(&out, offset);
  out += body;
  for (std::uint32_t id = 0; id < wordCount; ++id) {
    if (id >= firstId)
      for (char32_t cp : CodePoints(strings[id - firstId])) Put32(&out, cp);
    Put32(&out, 0);
  }
  return out;
}

}  // namespace dazi::dictbuild::testing
