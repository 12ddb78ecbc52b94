#include "tools/dictbuild/Validator.h"

#include <array>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "engine/dict/DictStream.h"
#include "engine/pinyin/SyllableTable.h"

namespace dazi::dictbuild {
namespace {

constexpr std::size_t kMaxProblems = 25;
constexpr int kMaxRank = 2500;
constexpr int kPoolWordLimit = 8001 - 1000;
constexpr std::uint32_t kMaxWordChars = 33;
constexpr int kPhraseKeysPerLetter = 501;
constexpr std::uint32_t kPhraseBlockLimit = 1201;
constexpr std::uint32_t kAbbrevBlockLimit = 1001;
constexpr std::uint32_t kMaxPhraseChars = 15;
constexpr int kStrokeListLimit = 5001;
constexpr std::uint32_t kMultiCodeLimit = 3000;

// Class index 0 simplified, 1 traditional, 2 variant; attribute bits 15, 14, 13.
constexpr std::uint32_t kClassAttr[3] = {0x8000, 0x4000, 0x2000};

class Checker {
 public:
  explicit Checker(const std::string& dir) : dir_(dir) {}

  std::vector<std::string> Run() {
    if (!OpenAll()) return problems_;
    if (CheckZc() && CheckPy() && CheckPys()) {
      CheckReadingsAgree();
      CheckPools();
    }
    CheckLm();
    CheckCpy();
    CheckZy();
    return problems_;
  }

  // Syllable index and class bits of every character, for the defaults check.
  bool LoadForDefaults() { return OpenAll() && CheckZc() && CheckPy() && CheckPys(); }
  bool HasReading(std::uint32_t n, int syllable) const {
    if (n == 0 || n > readings_.size()) return false;
    for (std::uint32_t s : readings_[n - 1])
      if (SyllableOfSpelling(s) == syllable) return true;
    return false;
  }
  std::uint32_t ClassBits(std::uint32_t n) const {
    return n && n <= classBits_.size() ? classBits_[n - 1] : 0;
  }
  std::uint32_t CharCount() const { return c_; }
  std::vector<std::string>& Problems() { return problems_; }

 private:
  bool Problem(const std::string& what) {
    if (problems_.size() < kMaxProblems) problems_.push_back(what);
    return false;
  }

  bool OpenAll() {
    const char* names[] = {"srf_pub.zc", "srf_pub.py",  "srf_pub.pys",
                           "srf_pub.lm", "srf_pub.cpy", "srf_pub.zy"};
    DictStream* streams[] = {&zc_, &py_, &pys_, &lm_, &cpy_, &zy_};
    bool ok = true;
    for (int i = 0; i < 6; ++i) {
      std::string error;
      if (!streams[i]->Open(dir_ + "/" + names[i], &error))
        ok = Problem(std::string(names[i]) + ": cannot open (" + error + ")");
    }
    return ok;
  }

  // srf_pub.zc: header, character table, word lists.
  bool CheckZc() {
    if (zc_.Size() < 10) return Problem("srf_pub.zc: shorter than its header");
    c_ = zc_.ReadU16(4);
    w_ = zc_.ReadU16(6);
    if (c_ == 0) return Problem("srf_pub.zc: no characters");
    if (w_ > c_)
      return Problem("srf_pub.zc: WordIndexCount " + std::to_string(w_) + " exceeds CharCount");
    const std::size_t listsStart = 10 + 2 * std::size_t{c_} + 3 * std::size_t{w_} + 16;
    if (zc_.Size() < listsStart) return Problem("srf_pub.zc: truncated before the word lists");
    std::set<std::uint32_t> codes;
    for (std::uint32_t n = 1; n <= c_; ++n) {
      std::uint32_t lead = zc_.ReadU8(8 + 2 * n), trail = zc_.ReadU8(9 + 2 * n);
      if (lead < 0x81 || lead > 0xFE || trail < 0x40 || trail == 0x7F || trail > 0xFE)
        Problem("srf_pub.zc: character " + std::to_string(n) + " is not a GBK code");
      if (!codes.insert(lead << 8 | trail).second)
        Problem("srf_pub.zc: character " + std::to_string(n) + " appears twice");
    }
    wordsOf_.assign(w_ + 1, {0, 0});
    for (std::uint32_t n = 1; n <= w_; ++n) {
      std::size_t pos = zc_.ReadU24(7 + 2 * std::size_t{c_} + 3 * n);
      if (pos == 0) {
        Problem("srf_pub.zc: character " + std::to_string(n) +
                " is below WordIndexCount but starts no word");
        continue;
      }
      if (pos < listsStart || pos >= zc_.Size()) {
        Problem("srf_pub.zc: word list of character " + std::to_string(n) +
                " lies outside the file");
        continue;
      }
      int lastGroup = 0;
      std::uint32_t count = 0;
      while (pos + 2 <= zc_.Size()) {
        std::uint32_t head = zc_.ReadU8(pos), attr = zc_.ReadU8(pos + 1);
        std::uint32_t len = head & 0x3F;
        if (pos + 2 + 2 * std::size_t{len} > zc_.Size()) {
          Problem("srf_pub.zc: word record of character " + std::to_string(n) + " is cut off");
          break;
        }
        if (len == 0 || zc_.ReadU16(pos + 2) != n) break;
        ++count;
        if (len < 2 || len > kMaxWordChars)
          Problem("srf_pub.zc: a word of character " + std::to_string(n) + " has " +
                  std::to_string(len) + " characters");
        if ((head & 0xC0) == 0)
          Problem("srf_pub.zc: a word of character " + std::to_string(n) + " belongs to no class");
        for (std::uint32_t k = 0; k < len; ++k) {
          std::uint32_t ch = zc_.ReadU16(pos + 2 + 2 * k);
          if (ch == 0 || ch > c_)
            Problem("srf_pub.zc: a word of character " + std::to_string(n) + " names character " +
                    std::to_string(ch));
        }
        int group = static_cast<int>(attr >> 4);
        if (group < lastGroup)
          Problem("srf_pub.zc: words of character " + std::to_string(n) +
                  " are not in preference order");
        lastGroup = group;
        if (head & 0x80) ++wordsOf_[n][0];
        if (head & 0x40) ++wordsOf_[n][1];
        pos += 2 + 2 * std::size_t{len};
      }
      if (count == 0)
        Problem("srf_pub.zc: the word list of character " + std::to_string(n) + " is empty");
      totalWords_ += count;
    }
    return problems_.empty();
  }

  int SyllableOfSpelling(std::uint32_t s) const {
    return s >= 1 && s <= spellingSyllables_.size() ? spellingSyllables_[s - 1] : -1;
  }

  // srf_pub.py: spellings, letter ranges, ranks and classes.
  bool CheckPy() {
    const std::size_t before = problems_.size();
    s_ = py_.ReadU16(0);
    if (s_ == 0 || s_ > 0xFFF)
      return Problem("srf_pub.py: spelling count " + std::to_string(s_) + " out of range");
    if (py_.Size() < 2 + 14 * std::size_t{s_} + 104)
      return Problem("srf_pub.py: truncated before the character lists");
    std::set<std::string> seen;
    for (std::uint32_t s = 1; s <= s_; ++s) {
      std::string text = py_.ReadBytes(9 * s - 7, 9);
      while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.pop_back();
      spellingTexts_.push_back(text);
      int syllable =
          text.size() >= 2 ? FindSyllable(text.data(), static_cast<int>(text.size()) - 1) : -1;
      if (syllable < 0 || std::string("hspdz").find(text.back()) == std::string::npos)
        Problem("srf_pub.py: spelling " + std::to_string(s) + " \"" + text +
                "\" is not a syllable and a stroke letter");
      if (!seen.insert(text).second) Problem("srf_pub.py: spelling \"" + text + "\" appears twice");
      spellingSyllables_.push_back(syllable);
    }
    for (std::uint32_t letter = 1; letter <= 26; ++letter) {
      std::uint32_t first = py_.ReadU16(14 * s_ + 4 * letter - 2),
                    last = py_.ReadU16(14 * s_ + 4 * letter);
      for (std::uint32_t s = 1; s <= s_; ++s) {
        bool inRange = s >= first && s <= last;
        bool ofLetter = !spellingTexts_[s - 1].empty() &&
                        spellingTexts_[s - 1][0] == static_cast<char>('a' + letter - 1);
        if (inRange != ofLetter) {
          Problem("srf_pub.py: the range of letter " +
                  std::string(1, static_cast<char>('a' + letter - 1)) +
                  " does not cover exactly its spellings");
          break;
        }
      }
    }
    entriesOf_.assign(s_ + 1, {});
    classBits_.assign(c_, 0);
    for (std::uint32_t s = 1; s <= s_; ++s) {
      std::uint32_t count = py_.ReadU16(9 * s_ + 5 * s - 3);
      std::size_t pos = py_.ReadU24(9 * s_ + 5 * s - 1);
      if (pos + 4 * std::size_t{count} > py_.Size()) {
        Problem("srf_pub.py: the list of spelling " + spellingTexts_[s - 1] +
                " lies outside the file");
        continue;
      }
      for (std::uint32_t i = 0; i < count; ++i) {
        std::uint32_t n = py_.ReadU16(pos + 4 * i), attr = py_.ReadU16(pos + 4 * i + 2);
        if (n == 0 || n > c_) {
          Problem("srf_pub.py: spelling " + spellingTexts_[s - 1] + " names character " +
                  std::to_string(n));
          continue;
        }
        entriesOf_[s].push_back({n, attr});
      }
    }
    // Ranks: one per character and initial; unique among the characters of each class.
    for (int letter = 0; letter < 26; ++letter) {
      std::map<std::uint32_t, std::uint32_t> rankOf;
      std::array<std::map<std::uint32_t, std::uint32_t>, 3> holder;
      for (std::uint32_t s = 1; s <= s_; ++s) {
        if (spellingTexts_[s - 1].empty() || spellingTexts_[s - 1][0] != 'a' + letter) continue;
        for (auto [n, attr] : entriesOf_[s]) {
          std::uint32_t rank = attr & 0xFFF, classes = attr & 0xE000;
          if (rank == 0 || rank > kMaxRank)
            Problem("srf_pub.py: character " + std::to_string(n) + " has rank " +
                    std::to_string(rank));
          if (classes == 0)
            Problem("srf_pub.py: character " + std::to_string(n) + " belongs to no class");
          if (classBits_[n - 1] != 0 && classBits_[n - 1] != classes)
            Problem("srf_pub.py: character " + std::to_string(n) +
                    " changes class between spellings");
          classBits_[n - 1] = classes;
          auto [it, added] = rankOf.emplace(n, rank);
          if (!added) {
            if (it->second != rank)
              Problem("srf_pub.py: character " + std::to_string(n) +
                      " has two ranks under one initial");
            continue;
          }
          for (int k = 0; k < 3; ++k) {
            if (!(classes & kClassAttr[k])) continue;
            auto [h, fresh] = holder[static_cast<std::size_t>(k)].emplace(rank, n);
            if (!fresh)
              Problem("srf_pub.py: characters " + std::to_string(h->second) + " and " +
                      std::to_string(n) + " share rank " + std::to_string(rank) + " in one class");
          }
        }
      }
    }
    return problems_.size() == before;
  }

  std::string ReadingProblem(std::uint32_t value, std::uint32_t n) {
    std::uint32_t s = value & 0xFFF, len = value >> 12;
    if (s == 0 || s > s_)
      return "character " + std::to_string(n) + " reads spelling " + std::to_string(s);
    if (len != spellingTexts_[s - 1].size())
      return "character " + std::to_string(n) + " gives a wrong spelling length";
    return {};
  }

  // srf_pub.pys: plain readings and polyphone records.
  bool CheckPys() {
    const std::size_t before = problems_.size();
    if (pys_.Size() < 2 * std::size_t{c_})
      return Problem("srf_pub.pys: shorter than its character table");
    readings_.assign(c_, {});
    for (std::uint32_t n = 1; n <= c_; ++n) {
      std::uint32_t value = pys_.ReadU16(2 * (n - 1));
      if (value == 0) continue;
      if (value <= 0x9FFF) {
        if (auto p = ReadingProblem(value, n); !p.empty())
          Problem("srf_pub.pys: " + p);
        else
          readings_[n - 1].push_back(value & 0xFFF);
        continue;
      }
      std::size_t at = 2 * std::size_t{c_} + 10 * std::size_t{value & 0xFFF};
      if (at + 10 > pys_.Size()) {
        Problem("srf_pub.pys: the polyphone record of character " + std::to_string(n) +
                " lies outside the file");
        continue;
      }
      for (std::uint32_t j = 0; j < 5; ++j) {
        std::uint32_t r = pys_.ReadU16(at + 2 * j);
        if (r == 0) break;
        if (auto p = ReadingProblem(r, n); !p.empty())
          Problem("srf_pub.pys: " + p);
        else
          readings_[n - 1].push_back(r & 0xFFF);
      }
      if (readings_[n - 1].size() < 2)
        Problem("srf_pub.pys: polyphone record of character " + std::to_string(n) +
                " holds under two readings");
      std::set<std::uint32_t> distinct(readings_[n - 1].begin(), readings_[n - 1].end());
      if (distinct.size() != readings_[n - 1].size())
        Problem("srf_pub.pys: character " + std::to_string(n) + " repeats a reading");
    }
    return problems_.size() == before;
  }

  // Every reading lists the character under its spelling (no character lost to a rank),
  // every listing is a reading, and the priority bit marks exactly the main reading.
  void CheckReadingsAgree() {
    std::vector<std::set<std::uint32_t>> listed(c_);
    for (std::uint32_t s = 1; s <= s_; ++s) {
      for (auto [n, attr] : entriesOf_[s]) {
        const auto& r = readings_[n - 1];
        bool isReading = false;
        for (std::uint32_t x : r) isReading = isReading || x == s;
        if (!isReading)
          Problem("srf_pub.py: character " + std::to_string(n) + " is listed under " +
                  spellingTexts_[s - 1] + ", which is not its reading");
        bool main = !r.empty() && r[0] == s;
        if (main != ((attr & 0x1000) != 0))
          Problem("srf_pub.py: the priority bit of character " + std::to_string(n) + " under " +
                  spellingTexts_[s - 1] + " does not mark its main reading");
        listed[n - 1].insert(s);
      }
    }
    for (std::uint32_t n = 1; n <= c_; ++n)
      for (std::uint32_t s : readings_[n - 1])
        if (!listed[n - 1].count(s))
          Problem("srf_pub.py: character " + std::to_string(n) +
                  " is missing from the list of its reading " + spellingTexts_[s - 1]);
  }

  // The one-letter word pool of each initial and class leaves room for user words.
  void CheckPools() {
    for (int letter = 0; letter < 26; ++letter) {
      for (int k = 0; k < 2; ++k) {
        std::set<std::uint32_t> starts;
        for (std::uint32_t s = 1; s <= s_; ++s) {
          if (spellingTexts_[s - 1].empty() || spellingTexts_[s - 1][0] != 'a' + letter) continue;
          for (auto [n, attr] : entriesOf_[s])
            if ((attr & kClassAttr[k]) && n <= w_) starts.insert(n);
        }
        long words = 0;
        for (std::uint32_t n : starts) words += wordsOf_[n][static_cast<std::size_t>(k)];
        if (words > kPoolWordLimit)
          Problem("srf_pub.zc: the " + std::string(k == 0 ? "simplified" : "traditional") +
                  " word pool of initial " + std::string(1, static_cast<char>('a' + letter)) +
                  " holds " + std::to_string(words) + " words, over " +
                  std::to_string(kPoolWordLimit));
      }
    }
  }

  static bool ValidCode(std::uint32_t code) {
    bool ended = false;
    for (int i = 7; i >= 0; --i) {
      std::uint32_t d = (code >> (3 * i)) & 7;
      if (d > 6) return false;
      if (d == 0)
        ended = true;
      else if (ended)
        return false;
    }
    return (code >> 21) != 0;
  }

  std::uint32_t CodeOf(std::uint32_t n, std::uint32_t r) {
    std::uint32_t stored = lm_.ReadU24(3 * (n - 1));
    if (stored >= kMultiCodeLimit) return stored;
    if (stored == 0) return 0;
    return lm_.ReadU24(3 * std::size_t{c_} + 30 + 15 * std::size_t{stored} + 3 * r);
  }

  // srf_pub.lm: codes and the first-stroke lists.
  void CheckLm() {
    if (lm_.Size() < 3 * std::size_t{c_} + 30) {
      Problem("srf_pub.lm: shorter than its code table");
      return;
    }
    for (std::uint32_t n = 1; n <= c_; ++n) {
      std::uint32_t stored = lm_.ReadU24(3 * (n - 1));
      if (stored >= kMultiCodeLimit && !ValidCode(stored))
        Problem("srf_pub.lm: character " + std::to_string(n) + " has a malformed code");
      if (stored > 0 && stored < kMultiCodeLimit &&
          3 * std::size_t{c_} + 45 + 15 * std::size_t{stored} > lm_.Size())
        Problem("srf_pub.lm: the code record of character " + std::to_string(n) +
                " lies outside the file");
    }
    for (std::uint32_t d = 1; d <= 6; ++d) {
      std::size_t pos = lm_.ReadU24(3 * std::size_t{c_} + 5 * (d - 1));
      std::uint32_t count = lm_.ReadU16(3 * std::size_t{c_} + 5 * (d - 1) + 3);
      if (pos + 3 * std::size_t{count} > lm_.Size()) {
        Problem("srf_pub.lm: first-stroke list " + std::to_string(d) + " lies outside the file");
        continue;
      }
      int perClass[3] = {};
      std::set<std::uint32_t> seen;
      for (std::uint32_t i = 0; i < count; ++i) {
        std::uint32_t n = lm_.ReadU16(pos + 3 * i), bits = lm_.ReadU8(pos + 3 * i + 2);
        std::uint32_t cls = bits & 7, r = bits >> 3;
        if (n == 0 || n > c_ || cls == 0 || r > 4) {
          Problem("srf_pub.lm: entry " + std::to_string(i) + " of first-stroke list " +
                  std::to_string(d) + " is malformed");
          continue;
        }
        if (!seen.insert(n << 3 | r).second)
          Problem("srf_pub.lm: character " + std::to_string(n) +
                  " appears twice in first-stroke list " + std::to_string(d));
        if ((CodeOf(n, r) >> 21) != d)
          Problem("srf_pub.lm: character " + std::to_string(n) + " is in first-stroke list " +
                  std::to_string(d) + " but its code starts otherwise");
        for (int k = 0; k < 3; ++k)
          if (cls & (1u << k)) ++perClass[k];
      }
      for (int k = 0; k < 3; ++k)
        if (perClass[k] > kStrokeListLimit)
          Problem("srf_pub.lm: first-stroke list " + std::to_string(d) + " holds " +
                  std::to_string(perClass[k]) + " entries of one class");
    }
  }

  bool CharsInRange(std::size_t pos, std::uint32_t count) {
    for (std::uint32_t k = 0; k < count; ++k) {
      std::uint32_t ch = cpy_.ReadU16(pos + 2 * k);
      if (ch == 0 || ch > c_) return false;
    }
    return true;
  }

  static bool LowerLetters(const std::string& s) {
    for (char ch : s)
      if (ch < 'a' || ch > 'z') return false;
    return true;
  }

  // srf_pub.cpy: phrase keys and blocks, initials blocks.
  void CheckCpy() {
    if (cpy_.Size() < 3382) {
      Problem("srf_pub.cpy: shorter than its index");
      return;
    }
    std::uint32_t keys = cpy_.ReadU16(3380);
    if (cpy_.Size() < 3382 + 9 * std::size_t{keys}) {
      Problem("srf_pub.cpy: the phrase-key table is cut off");
      return;
    }
    std::set<std::string> seen;
    std::map<char, int> perLetter;
    for (std::uint32_t k = 0; k < keys; ++k) {
      const std::size_t at = 3382 + 9 * std::size_t{k};
      std::string key = cpy_.ReadBytes(at, 4);
      std::uint32_t count = cpy_.ReadU16(at + 4);
      std::size_t pos = cpy_.ReadU24(at + 6);
      if (!LowerLetters(key) || key.size() != 4) {
        Problem("srf_pub.cpy: phrase key " + std::to_string(k) + " is not four letters");
        continue;
      }
      if (!seen.insert(key).second) Problem("srf_pub.cpy: phrase key " + key + " appears twice");
      if (++perLetter[key[0]] == kPhraseKeysPerLetter + 1)
        Problem("srf_pub.cpy: more than 501 phrase keys begin with " + key.substr(0, 1));
      if (count == 0 || count > kPhraseBlockLimit)
        Problem("srf_pub.cpy: the block of " + key + " holds " + std::to_string(count) +
                " records");
      for (std::uint32_t i = 0; i < count && i < kPhraseBlockLimit + 1; ++i) {
        if (pos + 3 > cpy_.Size()) {
          Problem("srf_pub.cpy: the block of " + key + " is cut off");
          break;
        }
        std::uint32_t attr = cpy_.ReadU8(pos), flags = cpy_.ReadU8(pos + 1),
                      len = cpy_.ReadU8(pos + 2);
        std::uint32_t n = flags & 0x0F, first = attr >> 4;
        if (pos + 3 + 2 * std::size_t{n} + len > cpy_.Size()) {
          Problem("srf_pub.cpy: the block of " + key + " is cut off");
          break;
        }
        std::string pinyin = cpy_.ReadBytes(pos + 3 + 2 * std::size_t{n}, len);
        if (n == 0 || n > kMaxPhraseChars || (flags & 0xC0) == 0 || !CharsInRange(pos + 3, n))
          Problem("srf_pub.cpy: a record of " + key + " has bad characters or flags");
        if (pinyin.compare(0, 4, key) != 0 || !LowerLetters(pinyin))
          Problem("srf_pub.cpy: record \"" + pinyin + "\" does not belong to key " + key);
        if (n == 2 && (first == 0 || first > len))
          Problem("srf_pub.cpy: record \"" + pinyin + "\" has a bad first-syllable length");
        pos += 3 + 2 * std::size_t{n} + len;
      }
    }
    for (std::uint32_t pair = 0; pair < 676; ++pair) {
      std::uint32_t count = cpy_.ReadU16(5 * pair);
      std::size_t pos = cpy_.ReadU24(5 * pair + 2);
      if (count == 0) continue;
      std::string letters{static_cast<char>('a' + pair / 26), static_cast<char>('a' + pair % 26)};
      if (count > kAbbrevBlockLimit)
        Problem("srf_pub.cpy: the initials block " + letters + " holds " + std::to_string(count) +
                " records");
      for (std::uint32_t i = 0; i < count && i < kAbbrevBlockLimit + 1; ++i) {
        std::uint32_t flags = cpy_.ReadU8(pos), n = flags & 0x0F;
        if (pos + 1 + 3 * std::size_t{n} > cpy_.Size()) {
          Problem("srf_pub.cpy: the initials block " + letters + " is cut off");
          break;
        }
        std::string initials = cpy_.ReadBytes(pos + 1 + 2 * std::size_t{n}, n);
        if (n < 2 || (flags & 0xC0) == 0 || !CharsInRange(pos + 1, n) || !LowerLetters(initials) ||
            initials.compare(0, 2, letters) != 0)
          Problem("srf_pub.cpy: a record of the initials block " + letters + " is malformed");
        pos += 1 + 3 * std::size_t{n};
      }
    }
  }

  bool CountedTextInside(std::size_t pos, std::size_t unit) {
    return pos < zy_.Size() && pos + 1 + unit * zy_.ReadU8(pos) <= zy_.Size();
  }

  // srf_pub.zy: texts, glosses and gloss numbers.
  void CheckZy() {
    const std::size_t tables =
        6 * std::size_t{c_} + 3 * std::size_t{w_} + 3 * std::size_t{totalWords_};
    if (zy_.Size() < tables) {
      Problem("srf_pub.zy: shorter than its tables");
      return;
    }
    for (std::uint32_t n = 1; n <= c_; ++n) {
      if (!CountedTextInside(zy_.ReadU24(3 * (n - 1)), 2))
        Problem("srf_pub.zy: the dictionary text of character " + std::to_string(n) +
                " lies outside the file");
      if (!CountedTextInside(zy_.ReadU24(3 * std::size_t{c_} + 3 * (n - 1)), 1))
        Problem("srf_pub.zy: the gloss of character " + std::to_string(n) +
                " lies outside the file");
    }
    std::uint32_t next = 1;
    for (std::uint32_t n = 1; n <= w_ && n < wordsOf_.size(); ++n) {
      std::uint32_t g = zy_.ReadU24(6 * std::size_t{c_} + 3 * (n - 1));
      std::uint32_t words = 0;
      std::size_t pos = zc_.ReadU24(7 + 2 * std::size_t{c_} + 3 * n);
      while (pos != 0 && pos + 4 <= zc_.Size() && (zc_.ReadU8(pos) & 0x3F) != 0 &&
             zc_.ReadU16(pos + 2) == n) {
        ++words;
        pos += 2 + 2 * std::size_t{zc_.ReadU8(pos) & 0x3F};
      }
      if (words == 0) continue;
      if (g != next)
        Problem("srf_pub.zy: gloss number of character " + std::to_string(n) + " is " +
                std::to_string(g) + ", expected " + std::to_string(next));
      for (std::uint32_t k = 0; k < words; ++k, ++next)
        if (!CountedTextInside(
                zy_.ReadU24(6 * std::size_t{c_} + 3 * std::size_t{w_} + 3 * std::size_t{next - 1}),
                1))
          Problem("srf_pub.zy: word gloss " + std::to_string(next) + " lies outside the file");
    }
  }

  std::string dir_;
  DictStream zc_, py_, pys_, lm_, cpy_, zy_;
  std::uint32_t c_ = 0, w_ = 0, s_ = 0, totalWords_ = 0;
  std::vector<std::array<std::uint32_t, 2>> wordsOf_;  // per first character: S and T words
  std::vector<std::string> spellingTexts_;
  std::vector<int> spellingSyllables_;
  std::vector<std::vector<std::pair<std::uint32_t, std::uint32_t>>> entriesOf_;  // per spelling
  std::vector<std::uint32_t> classBits_;              // per character, attribute bits
  std::vector<std::vector<std::uint32_t>> readings_;  // per character, spelling numbers
  std::vector<std::string> problems_;
};

// "{12, 34},  // yao ..." rows of a SyllableDefaults.inc text.
bool ParseDefaults(const std::string& text, std::vector<std::array<int, 2>>* rows) {
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] != '{') continue;
    std::array<int, 2> row{};
    if (std::sscanf(line.c_str(), "{%d, %d}", &row[0], &row[1]) != 2) return false;
    rows->push_back(row);
  }
  return rows->size() == kSyllableCount;
}

}  // namespace

std::vector<std::string> CheckDictionaries(const std::string& dir) {
  return Checker(dir).Run();
}

std::vector<std::string> CheckDefaultsFile(const std::string& dir, const std::string& path) {
  std::vector<std::array<int, 2>> rows;
  if (path.empty()) {
    for (int s = 0; s < kSyllableCount; ++s)
      rows.push_back({SyllableDefaultChars[s][0], SyllableDefaultChars[s][1]});
  } else {
    std::ifstream in(path, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in || !ParseDefaults(text, &rows))
      return {path + ": not 405 rows of two character numbers"};
  }
  Checker checker(dir);
  if (!checker.LoadForDefaults()) return checker.Problems();
  std::vector<std::string> problems;
  for (int s = 0; s < kSyllableCount && problems.size() < kMaxProblems; ++s) {
    for (int k = 0; k < 2; ++k) {
      const int n = rows[static_cast<std::size_t>(s)][static_cast<std::size_t>(k)];
      if (n == 0) continue;
      const auto number = static_cast<std::uint32_t>(n);
      if (n < 0 || number > checker.CharCount() || !checker.HasReading(number, s) ||
          !(checker.ClassBits(number) & kClassAttr[k]))
        problems.push_back(std::string("default character of ") + SyllableTable[s] + " (" +
                           (k == 0 ? "simplified" : "traditional") + ") is " + std::to_string(n) +
                           ", not a character of that class and reading");
    }
  }
  return problems;
}

}  // namespace dazi::dictbuild
