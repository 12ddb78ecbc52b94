#include "tools/dictbuild/Validator.h"

#include <array>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>

#include "engine/dict/DictLayout.h"
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
constexpr int kStrokeListLimit = 5001;

// Class index 0 simplified, 1 traditional, 2 variant.
constexpr std::uint32_t kClassAttr[3] = {kAttrSimplified, kAttrTraditional, kAttrVariant};

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
  bool Problem(const char* file, const std::string& what) {
    if (problems_.size() < kMaxProblems) problems_.push_back(std::string(file) + ": " + what);
    return false;
  }

  bool OpenAll() {
    DictStream* streams[] = {&zc_, &py_, &pys_, &lm_, &cpy_, &zy_};
    bool ok = true;
    for (std::size_t i = 0; i < std::size(streams); ++i) {
      const char* name = kDictionaryFileNames[i];
      std::string error;
      if (!streams[i]->Open(dir_ + "/" + name, &error))
        ok = Problem(name, "cannot open (" + error + ")");
    }
    return ok;
  }

  // srf_pub.zc: header, character table, word lists.
  bool CheckZc() {
    if (zc_.Size() < kZcHeaderSize) return Problem(kZcFile, "shorter than its header");
    c_ = zc_.ReadU16(kZcCharCountPos);
    w_ = zc_.ReadU16(kZcWordIndexCountPos);
    if (c_ == 0) return Problem(kZcFile, "no characters");
    if (w_ > c_)
      return Problem(kZcFile, "WordIndexCount " + std::to_string(w_) + " exceeds CharCount");
    const std::size_t listsStart = ZcWordListsPos(c_, w_);
    if (zc_.Size() < listsStart) return Problem(kZcFile, "truncated before the word lists");
    std::set<std::uint32_t> codes;
    for (std::uint32_t n = 1; n <= c_; ++n) {
      std::uint32_t lead = zc_.ReadU8(ZcCharPos(n)), trail = zc_.ReadU8(ZcCharPos(n) + 1);
      if (lead < 0x81 || lead > 0xFE || trail < 0x40 || trail == 0x7F || trail > 0xFE)
        Problem(kZcFile, "character " + std::to_string(n) + " is not a GBK code");
      if (!codes.insert(lead << 8 | trail).second)
        Problem(kZcFile, "character " + std::to_string(n) + " appears twice");
    }
    wordsOf_.assign(w_ + 1, {0, 0});
    for (std::uint32_t n = 1; n <= w_; ++n) {
      std::size_t pos = zc_.ReadU24(ZcWordListPointerPos(c_, n));
      if (pos == 0) {
        Problem(kZcFile,
                "character " + std::to_string(n) + " is below WordIndexCount but starts no word");
        continue;
      }
      if (pos < listsStart || pos >= zc_.Size()) {
        Problem(kZcFile, "word list of character " + std::to_string(n) + " lies outside the file");
        continue;
      }
      int lastGroup = 0;
      std::uint32_t count = 0;
      while (pos + kZcWordHeadSize <= zc_.Size()) {
        const ZcWordRecord word = ReadZcWordRecord(zc_, pos);
        const std::uint32_t len = word.length;
        if (word.next > zc_.Size()) {
          Problem(kZcFile, "word record of character " + std::to_string(n) + " is cut off");
          break;
        }
        if (!ZcWordStartsWith(zc_, word, n)) break;
        ++count;
        if (len < 2 || len > kMaxWordChars)
          Problem(kZcFile, "a word of character " + std::to_string(n) + " has " +
                               std::to_string(len) + " characters");
        if (word.classes == 0)
          Problem(kZcFile, "a word of character " + std::to_string(n) + " belongs to no class");
        for (std::uint32_t k = 0; k < len; ++k) {
          std::uint32_t ch = zc_.ReadU16(word.codesPos + 2 * k);
          if (ch == 0 || ch > c_)
            Problem(kZcFile, "a word of character " + std::to_string(n) + " names character " +
                                 std::to_string(ch));
        }
        int group = static_cast<int>(word.group);
        if (group < lastGroup)
          Problem(kZcFile,
                  "words of character " + std::to_string(n) + " are not in preference order");
        lastGroup = group;
        if (word.classes & kRecordSimplified) ++wordsOf_[n][0];
        if (word.classes & kRecordTraditional) ++wordsOf_[n][1];
        pos = word.next;
      }
      if (count == 0)
        Problem(kZcFile, "the word list of character " + std::to_string(n) + " is empty");
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
    s_ = py_.ReadU16(kPyCountPos);
    if (s_ == 0 || s_ > kMaxSpellingCount)
      return Problem(kPyFile, "spelling count " + std::to_string(s_) + " out of range");
    if (py_.Size() < PyListsPos(s_))
      return Problem(kPyFile, "truncated before the character lists");
    std::set<std::string> seen;
    for (std::uint32_t s = 1; s <= s_; ++s) {
      std::string text = py_.ReadBytes(PySpellingTextPos(s), kSpellingTextWidth);
      while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.pop_back();
      spellingTexts_.push_back(text);
      int syllable =
          text.size() >= 2 ? FindSyllable(text.data(), static_cast<int>(text.size()) - 1) : -1;
      if (syllable < 0 || std::string("hspdz").find(text.back()) == std::string::npos)
        Problem(kPyFile, "spelling " + std::to_string(s) + " \"" + text +
                             "\" is not a syllable and a stroke letter");
      if (!seen.insert(text).second) Problem(kPyFile, "spelling \"" + text + "\" appears twice");
      spellingSyllables_.push_back(syllable);
    }
    for (std::uint32_t letter = 1; letter <= kPyLetterCount; ++letter) {
      const PyLetterRange range = ReadPyLetterRange(py_, s_, letter);
      for (std::uint32_t s = 1; s <= s_; ++s) {
        bool inRange = s >= range.first && s <= range.last;
        bool ofLetter = !spellingTexts_[s - 1].empty() &&
                        spellingTexts_[s - 1][0] == static_cast<char>('a' + letter - 1);
        if (inRange != ofLetter) {
          Problem(kPyFile, "the range of letter " +
                               std::string(1, static_cast<char>('a' + letter - 1)) +
                               " does not cover exactly its spellings");
          break;
        }
      }
    }
    entriesOf_.assign(s_ + 1, {});
    classBits_.assign(c_, 0);
    for (std::uint32_t s = 1; s <= s_; ++s) {
      const PyListHead list = ReadPyListHead(py_, s_, s);
      if (list.pos + kPyEntrySize * list.count > py_.Size()) {
        Problem(kPyFile,
                "the list of spelling " + spellingTexts_[s - 1] + " lies outside the file");
        continue;
      }
      for (std::uint32_t i = 0; i < list.count; ++i) {
        const auto [n, attr] = ReadPyEntry(py_, list.pos + kPyEntrySize * i);
        if (n == 0 || n > c_) {
          Problem(kPyFile,
                  "spelling " + spellingTexts_[s - 1] + " names character " + std::to_string(n));
          continue;
        }
        entriesOf_[s].push_back({n, attr});
      }
    }
    // Ranks: one per character, initial and class; unique among the characters of each class.
    // A character may be listed once per class; a class may leave out some of its readings.
    for (std::uint32_t s = 1; s <= s_; ++s) {
      std::map<std::uint32_t, std::uint32_t> classesOf;
      for (auto [n, attr] : entriesOf_[s]) {
        std::uint32_t& classes = classesOf[n];
        if (classes & attr & kAttrClassMask)
          Problem(kPyFile, "character " + std::to_string(n) +
                               " is listed twice in one class under " + spellingTexts_[s - 1]);
        classes |= attr & kAttrClassMask;
      }
      for (auto [n, classes] : classesOf) classBits_[n - 1] |= classes;
    }
    for (int letter = 0; letter < 26; ++letter) {
      std::array<std::map<std::uint32_t, std::uint32_t>, 3> rankOf, holder;
      for (std::uint32_t s = 1; s <= s_; ++s) {
        if (spellingTexts_[s - 1].empty() || spellingTexts_[s - 1][0] != 'a' + letter) continue;
        for (auto [n, attr] : entriesOf_[s]) {
          std::uint32_t rank = attr & kAttrRankMask, classes = attr & kAttrClassMask;
          if (rank == 0 || rank > kMaxRank)
            Problem(kPyFile,
                    "character " + std::to_string(n) + " has rank " + std::to_string(rank));
          if (classes == 0)
            Problem(kPyFile, "character " + std::to_string(n) + " belongs to no class");
          for (std::size_t k = 0; k < 3; ++k) {
            if (!(classes & kClassAttr[k])) continue;
            auto [it, added] = rankOf[k].emplace(n, rank);
            if (!added) {
              if (it->second != rank)
                Problem(kPyFile, "character " + std::to_string(n) +
                                     " has two ranks in one class under one initial");
              continue;
            }
            auto [h, fresh] = holder[k].emplace(rank, n);
            if (!fresh)
              Problem(kPyFile, "characters " + std::to_string(h->second) + " and " +
                                   std::to_string(n) + " share rank " + std::to_string(rank) +
                                   " in one class");
          }
        }
      }
    }
    return problems_.size() == before;
  }

  std::string ReadingProblem(std::uint32_t value, std::uint32_t n) {
    const Reading reading = DecodeReading(value);
    const std::uint32_t s = reading.number;
    if (s == 0 || s > s_)
      return "character " + std::to_string(n) + " reads spelling " + std::to_string(s);
    if (reading.letters != spellingTexts_[s - 1].size())
      return "character " + std::to_string(n) + " gives a wrong spelling length";
    return {};
  }

  // srf_pub.pys: plain readings and polyphone records.
  bool CheckPys() {
    const std::size_t before = problems_.size();
    if (pys_.Size() < PysPolyphonePos(c_, 0, 0))
      return Problem(kPysFile, "shorter than its character table");
    readings_.assign(c_, {});
    for (std::uint32_t n = 1; n <= c_; ++n) {
      std::uint32_t value = pys_.ReadU16(PysReadingPos(n));
      if (value == 0) continue;
      const Reading reading = DecodeReading(value);
      if (!reading.polyphone) {
        if (auto p = ReadingProblem(value, n); !p.empty())
          Problem(kPysFile, p);
        else
          readings_[n - 1].push_back(reading.number);
        continue;
      }
      if (PysPolyphonePos(c_, reading.number + 1, 0) > pys_.Size()) {
        Problem(kPysFile, "the polyphone record of character " + std::to_string(n) +
                              " lies outside the file");
        continue;
      }
      for (std::size_t j = 0; j < kPolyphoneReadings; ++j) {
        std::uint32_t r = pys_.ReadU16(PysPolyphonePos(c_, reading.number, j));
        if (r == 0) break;
        if (auto p = ReadingProblem(r, n); !p.empty())
          Problem(kPysFile, p);
        else
          readings_[n - 1].push_back(DecodeReading(r).number);
      }
      if (readings_[n - 1].size() < 2)
        Problem(kPysFile,
                "polyphone record of character " + std::to_string(n) + " holds under two readings");
      std::set<std::uint32_t> distinct(readings_[n - 1].begin(), readings_[n - 1].end());
      if (distinct.size() != readings_[n - 1].size())
        Problem(kPysFile, "character " + std::to_string(n) + " repeats a reading");
    }
    return problems_.size() == before;
  }

  // Every reading lists the character under its spelling (no character lost to a rank),
  // every listing is a reading, and a reading with the priority bit (in everyday use) has a
  // main reading with it (readings are stored most used first).
  void CheckReadingsAgree() {
    std::vector<std::set<std::uint32_t>> listed(c_);
    std::array<std::vector<std::set<std::uint32_t>>, 3> listedIn, priorityIn;
    for (auto& l : listedIn) l.assign(c_, {});
    for (auto& l : priorityIn) l.assign(c_, {});
    for (std::uint32_t s = 1; s <= s_; ++s) {
      for (auto [n, attr] : entriesOf_[s]) {
        const auto& r = readings_[n - 1];
        bool isReading = false;
        for (std::uint32_t x : r) isReading = isReading || x == s;
        if (!isReading)
          Problem(kPyFile, "character " + std::to_string(n) + " is listed under " +
                               spellingTexts_[s - 1] + ", which is not its reading");
        listed[n - 1].insert(s);
        for (std::size_t k = 0; k < 3; ++k) {
          if (!(attr & kClassAttr[k])) continue;
          listedIn[k][n - 1].insert(s);
          if (attr & kAttrPriority) priorityIn[k][n - 1].insert(s);
        }
      }
    }
    for (std::uint32_t s = 1; s <= s_; ++s) {
      for (auto [n, attr] : entriesOf_[s]) {
        if (!(attr & kAttrPriority)) continue;
        for (std::size_t k = 0; k < 3; ++k) {
          if (!(attr & kClassAttr[k])) continue;
          // The class's main reading is its most used one: it needs the bit too.
          std::uint32_t main = 0;
          for (std::uint32_t x : readings_[n - 1])
            if (main == 0 && listedIn[k][n - 1].count(x)) main = x;
          if (main != s && !priorityIn[k][n - 1].count(main))
            Problem(kPyFile, "the priority bit of character " + std::to_string(n) + " under " +
                                 spellingTexts_[s - 1] + " while its main reading has none");
        }
      }
    }
    for (std::uint32_t n = 1; n <= c_; ++n)
      for (std::uint32_t s : readings_[n - 1])
        if (!listed[n - 1].count(s))
          Problem(kPyFile, "character " + std::to_string(n) +
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
          Problem(kZcFile, "the " + std::string(k == 0 ? "simplified" : "traditional") +
                               " word pool of initial " +
                               std::string(1, static_cast<char>('a' + letter)) + " holds " +
                               std::to_string(words) + " words, over " +
                               std::to_string(kPoolWordLimit));
      }
    }
  }

  static bool ValidCode(std::uint32_t code) {
    bool ended = false;
    for (int i = kStrokeDigits - 1; i >= 0; --i) {
      std::uint32_t d = (code >> (kStrokeDigitBits * i)) & kStrokeDigitMask;
      if (d > 6) return false;
      if (d == 0)
        ended = true;
      else if (ended)
        return false;
    }
    return FirstStrokeOf(code) != 0;
  }

  std::uint32_t CodeOf(std::uint32_t n, std::uint32_t r) {
    if (lm_.ReadU24(LmCodePos(n)) == 0) return 0;
    return ReadLmCode(lm_, c_, n, r);
  }

  // srf_pub.lm: codes and the first-stroke lists.
  void CheckLm() {
    if (lm_.Size() < LmVariantPos(c_, 0, 0)) {
      Problem(kLmFile, "shorter than its code table");
      return;
    }
    for (std::uint32_t n = 1; n <= c_; ++n) {
      std::uint32_t stored = lm_.ReadU24(LmCodePos(n));
      if (stored >= kMultiCodeLimit && !ValidCode(stored))
        Problem(kLmFile, "character " + std::to_string(n) + " has a malformed code");
      if (stored > 0 && stored < kMultiCodeLimit && LmVariantPos(c_, stored + 1, 0) > lm_.Size())
        Problem(kLmFile,
                "the code record of character " + std::to_string(n) + " lies outside the file");
    }
    for (std::uint32_t d = 1; d <= kFirstStrokeLists; ++d) {
      const auto [pos, count] = ReadLmListHead(lm_, c_, d);
      if (pos + kLmEntrySize * count > lm_.Size()) {
        Problem(kLmFile, "first-stroke list " + std::to_string(d) + " lies outside the file");
        continue;
      }
      int perClass[3] = {};
      std::set<std::uint32_t> seen[3];  // per class: a character stands once in its order
      for (std::uint32_t i = 0; i < count; ++i) {
        const auto [n, cls, r] = ReadLmListEntry(lm_, pos + kLmEntrySize * i);
        if (n == 0 || n > c_ || cls == 0 || r >= kCodeVariants) {
          Problem(kLmFile, "entry " + std::to_string(i) + " of first-stroke list " +
                               std::to_string(d) + " is malformed");
          continue;
        }
        for (int k = 0; k < 3; ++k)
          if ((cls & (1u << k)) && !seen[k].insert(n << 3 | r).second)
            Problem(kLmFile, "character " + std::to_string(n) +
                                 " appears twice in first-stroke list " + std::to_string(d));
        if (FirstStrokeOf(CodeOf(n, r)) != d)
          Problem(kLmFile, "character " + std::to_string(n) + " is in first-stroke list " +
                               std::to_string(d) + " but its code starts otherwise");
        for (int k = 0; k < 3; ++k)
          if (cls & (1u << k)) ++perClass[k];
      }
      for (int k = 0; k < 3; ++k)
        if (perClass[k] > kStrokeListLimit)
          Problem(kLmFile, "first-stroke list " + std::to_string(d) + " holds " +
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
    if (cpy_.Size() < kCpyKeysPos) {
      Problem(kCpyFile, "shorter than its index");
      return;
    }
    std::uint32_t keys = cpy_.ReadU16(kCpyKeyCountPos);
    if (cpy_.Size() < CpyKeyPos(keys)) {
      Problem(kCpyFile, "the phrase-key table is cut off");
      return;
    }
    std::set<std::string> seen;
    std::map<char, int> perLetter;
    for (std::uint32_t k = 0; k < keys; ++k) {
      const std::size_t at = CpyKeyPos(k);
      std::string key = cpy_.ReadBytes(at, kCpyKeyLetters);
      std::uint32_t count = cpy_.ReadU16(at + kCpyKeyLetters);
      std::size_t pos = cpy_.ReadU24(at + kCpyKeyLetters + 2);
      if (!LowerLetters(key) || key.size() != kCpyKeyLetters) {
        Problem(kCpyFile, "phrase key " + std::to_string(k) + " is not four letters");
        continue;
      }
      if (!seen.insert(key).second) Problem(kCpyFile, "phrase key " + key + " appears twice");
      if (++perLetter[key[0]] == kPhraseKeysPerLetter + 1)
        Problem(kCpyFile, "more than 501 phrase keys begin with " + key.substr(0, 1));
      if (count == 0 || count > kPhraseBlockLimit)
        Problem(kCpyFile, "the block of " + key + " holds " + std::to_string(count) + " records");
      for (std::uint32_t i = 0; i < count && i < kPhraseBlockLimit + 1; ++i) {
        if (pos + kCpyPhraseHeadSize > cpy_.Size()) {
          Problem(kCpyFile, "the block of " + key + " is cut off");
          break;
        }
        const CpyPhraseRecord phrase = ReadCpyPhraseRecord(cpy_, pos);
        const std::uint32_t n = phrase.length, flags = phrase.flags;
        const auto first =
            static_cast<std::size_t>(PhraseFirstSyllableLetters(static_cast<int>(phrase.attr)));
        const std::size_t len = phrase.pinyinLength;
        if (phrase.next > cpy_.Size()) {
          Problem(kCpyFile, "the block of " + key + " is cut off");
          break;
        }
        std::string pinyin = cpy_.ReadBytes(phrase.pinyinPos, len);
        if (n == 0 || n > kCpyMaxLength || (flags & kRecordClassMask) == 0 ||
            !CharsInRange(phrase.codesPos, n))
          Problem(kCpyFile, "a record of " + key + " has bad characters or flags");
        if (pinyin.compare(0, kCpyKeyLetters, key) != 0 || !LowerLetters(pinyin))
          Problem(kCpyFile, "record \"" + pinyin + "\" does not belong to key " + key);
        if (n == 2 && (first == 0 || first > len))
          Problem(kCpyFile, "record \"" + pinyin + "\" has a bad first-syllable length");
        pos = phrase.next;
      }
    }
    for (std::uint32_t pair = 0; pair < kCpyLetterPairs; ++pair) {
      std::uint32_t count = cpy_.ReadU16(CpyInitialsIndexPos(pair));
      std::size_t pos = cpy_.ReadU24(CpyInitialsIndexPos(pair) + 2);
      if (count == 0) continue;
      std::string letters{static_cast<char>('a' + pair / 26), static_cast<char>('a' + pair % 26)};
      if (count > kAbbrevBlockLimit)
        Problem(kCpyFile,
                "the initials block " + letters + " holds " + std::to_string(count) + " records");
      for (std::uint32_t i = 0; i < count && i < kAbbrevBlockLimit + 1; ++i) {
        const CpyInitialsRecord record = ReadCpyInitialsRecord(cpy_, pos);
        const std::uint32_t n = record.length;
        if (record.next > cpy_.Size()) {
          Problem(kCpyFile, "the initials block " + letters + " is cut off");
          break;
        }
        std::string initials = cpy_.ReadBytes(record.initialsPos, n);
        if (n < 2 || (record.flags & kRecordClassMask) == 0 || !CharsInRange(record.codesPos, n) ||
            !LowerLetters(initials) || initials.compare(0, 2, letters) != 0)
          Problem(kCpyFile, "a record of the initials block " + letters + " is malformed");
        pos = record.next;
      }
    }
  }

  // srf_pub.zy: texts, glosses and gloss numbers.
  void CheckZy() {
    if (zy_.Size() < ZyTextsPos(c_, w_, totalWords_)) {
      Problem(kZyFile, "shorter than its tables");
      return;
    }
    for (std::uint32_t n = 1; n <= c_; ++n) {
      if (!ZyTextInside(zy_, zy_.ReadU24(ZyDictTextPointerPos(n)), kDictTextUnit))
        Problem(kZyFile,
                "the dictionary text of character " + std::to_string(n) + " lies outside the file");
      if (!ZyTextInside(zy_, zy_.ReadU24(ZyCharGlossPointerPos(c_, n)), kGlossUnit))
        Problem(kZyFile, "the gloss of character " + std::to_string(n) + " lies outside the file");
    }
    std::uint32_t next = 1;
    for (std::uint32_t n = 1; n <= w_ && n < wordsOf_.size(); ++n) {
      std::uint32_t g = zy_.ReadU24(ZyFirstGlossNumberPos(c_, n));
      std::uint32_t words = 0;
      std::size_t pos = zc_.ReadU24(ZcWordListPointerPos(c_, n));
      while (pos != 0 && pos + kZcWordHeadSize + 2 <= zc_.Size()) {
        const ZcWordRecord word = ReadZcWordRecord(zc_, pos);
        if (!ZcWordStartsWith(zc_, word, n)) break;
        ++words;
        pos = word.next;
      }
      if (words == 0) continue;
      if (g != next)
        Problem(kZyFile, "gloss number of character " + std::to_string(n) + " is " +
                             std::to_string(g) + ", expected " + std::to_string(next));
      for (std::uint32_t k = 0; k < words; ++k, ++next)
        if (!ZyTextInside(zy_, zy_.ReadU24(ZyWordGlossPointerPos(c_, w_, next)), kGlossUnit))
          Problem(kZyFile, "word gloss " + std::to_string(next) + " lies outside the file");
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
