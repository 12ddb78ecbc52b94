#include "tools/dictwriter/DictWriter.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>

namespace dazi::dictwriter {
namespace {

constexpr std::uint32_t kMaxPosition = 0xFFFFFF;  // 3-byte file positions
constexpr std::uint32_t kMultiCodeLimit = 3000;   // stored codes below this are record numbers
constexpr int kMaxPolyphoneRecords = 0x1000;

// A growing little-endian byte image of one file.
class ByteImage {
 public:
  std::uint32_t Size() const { return static_cast<std::uint32_t>(bytes_.size()); }
  void Put(std::uint32_t value, int width) {
    for (int i = 0; i < width; ++i) bytes_.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
  }
  void PutBytes(const std::string& s) { bytes_ += s; }
  void PadTo(std::uint32_t size) {
    if (bytes_.size() < size) bytes_.resize(size, '\0');
  }
  void Patch(std::uint32_t pos, std::uint32_t value, int width) {
    PadTo(pos + static_cast<std::uint32_t>(width));
    for (int i = 0; i < width; ++i)
      bytes_[pos + static_cast<std::uint32_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
  }
  const std::string& Bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

struct Files {
  ByteImage zc, py, pys, lm, cpy, zy;
};

std::string Fail(const std::string& what) {
  return what;
}

// A counted text: one count byte (characters or bytes) followed by the bytes.
void PutCountedText(ByteImage& image, const std::string& bytes, std::uint32_t count) {
  image.Put(count, 1);
  image.PutBytes(bytes);
}

std::string BuildZc(const DictionarySource& src, ByteImage& zc, std::uint32_t* wordIndexCount,
                    std::vector<std::vector<const Word*>>* lists) {
  const auto c = static_cast<std::uint32_t>(src.chars.size());
  std::uint32_t w = 0;
  lists->assign(src.chars.size() + 1, {});
  for (const Word& word : src.words) {
    if (word.chars.empty() || word.chars.size() > 63)
      return Fail("a word has 0 or over 63 characters");
    if (word.group > 15 || word.pattern > 15) return Fail("a word's group or pattern is over 15");
    for (std::uint16_t ch : word.chars)
      if (ch == 0 || ch > c) return Fail("a word names a character number outside the table");
    if (word.gloss.size() > 255) return Fail("a word gloss is longer than 255 bytes");
    (*lists)[word.chars[0]].push_back(&word);
    if (word.chars[0] > w) w = word.chars[0];
  }
  *wordIndexCount = w;

  zc.PutBytes("DZZC");
  zc.Put(c, 2);
  zc.Put(w, 2);
  zc.Put(src.zcCount3, 2);
  for (const Character& ch : src.chars) {
    if (ch.gbk.size() != 2) return Fail("a character's GBK code is not two bytes");
    zc.PutBytes(ch.gbk);
  }
  const std::uint32_t indexPos = zc.Size();
  zc.PadTo(indexPos + 3 * w);
  for (std::uint8_t pattern : src.readingPatterns) zc.Put(pattern, 1);
  for (std::uint32_t n = 1; n <= w; ++n) {
    if ((*lists)[n].empty()) continue;
    zc.Patch(indexPos + 3 * (n - 1), zc.Size(), 3);
    for (const Word* word : (*lists)[n]) {
      std::uint32_t head = static_cast<std::uint32_t>(word->chars.size()) |
                           (word->simplified ? 0x80u : 0u) | (word->traditional ? 0x40u : 0u);
      zc.Put(head, 1);
      zc.Put(static_cast<std::uint32_t>(word->pattern | (word->group << 4)), 1);
      for (std::uint16_t ch : word->chars) zc.Put(ch, 2);
    }
  }
  zc.Put(0, 4);  // a record of character 0 ends the last list
  if (zc.Size() > kMaxPosition) return Fail("srf_pub.zc outgrows 3-byte positions");
  return {};
}

std::string BuildPy(const DictionarySource& src, ByteImage& py) {
  const auto s = static_cast<std::uint32_t>(src.spellings.size());
  if (s > 0xFFF) return Fail("more spellings than a 12-bit spelling number can name");
  py.Put(s, 2);
  for (const Spelling& sp : src.spellings) {
    if (sp.text.empty() || sp.text.size() > 9) return Fail("spelling text empty or over 9 letters");
    std::string padded = sp.text;
    padded.resize(9, ' ');
    py.PutBytes(padded);
  }
  const std::uint32_t tablePos = py.Size();
  py.PadTo(tablePos + 5 * s + 4 * 26);
  // Letter ranges: first and last spelling number per initial; empty letters get 1..0.
  for (int letter = 1; letter <= 26; ++letter) {
    std::uint32_t first = 0, last = 0;
    for (std::uint32_t i = 1; i <= s; ++i) {
      if (src.spellings[i - 1].text[0] != 'a' + letter - 1) continue;
      if (first == 0) first = i;
      if (last != 0 && last != i - 1) return Fail("spellings of one letter are not contiguous");
      last = i;
    }
    if (first == 0) first = 1;
    py.Patch(14 * s + 4 * static_cast<std::uint32_t>(letter) - 2, first, 2);
    py.Patch(14 * s + 4 * static_cast<std::uint32_t>(letter), last, 2);
  }
  for (std::uint32_t i = 1; i <= s; ++i) {
    const Spelling& sp = src.spellings[i - 1];
    if (sp.entries.size() > 0xFFFF) return Fail("a spelling lists over 65535 characters");
    py.Patch(9 * s + 5 * i - 3, static_cast<std::uint32_t>(sp.entries.size()), 2);
    py.Patch(9 * s + 5 * i - 1, py.Size(), 3);
    for (const SpellingEntry& e : sp.entries) {
      py.Put(e.charNo, 2);
      py.Put(e.attribute, 2);
    }
  }
  if (py.Size() > kMaxPosition) return Fail("srf_pub.py outgrows 3-byte positions");
  return {};
}

std::string BuildPys(const DictionarySource& src, ByteImage& pys) {
  const auto c = static_cast<std::uint32_t>(src.chars.size());
  pys.PadTo(2 * c);
  int records = 0;
  for (std::uint32_t n = 1; n <= c; ++n) {
    const auto& readings = src.chars[n - 1].readings;
    if (readings.size() > 5) return Fail("a character has more than five readings");
    auto encode = [&](std::uint16_t spelling, std::uint32_t* out) -> std::string {
      if (spelling == 0 || spelling > src.spellings.size())
        return Fail("a reading names a spelling number outside the table");
      auto letters = static_cast<std::uint32_t>(src.spellings[spelling - 1].text.size());
      *out = (letters << 12) | spelling;
      return {};
    };
    std::uint32_t value = 0;
    if (readings.size() == 1) {
      if (auto err = encode(readings[0], &value); !err.empty()) return err;
    } else if (readings.size() > 1) {
      if (records >= kMaxPolyphoneRecords) return Fail("more than 4096 polyphonic characters");
      const std::uint32_t p = static_cast<std::uint32_t>(records++);
      value = 0xA000 | p;
      for (std::size_t j = 0; j < readings.size(); ++j) {
        std::uint32_t r = 0;
        if (auto err = encode(readings[j], &r); !err.empty()) return err;
        pys.Patch(2 * c + 10 * p + 2 * static_cast<std::uint32_t>(j), r, 2);
      }
      pys.PadTo(2 * c + 10 * (p + 1));
    }
    pys.Patch(2 * (n - 1), value, 2);
  }
  return {};
}

std::string BuildLm(const DictionarySource& src, ByteImage& lm) {
  const auto c = static_cast<std::uint32_t>(src.chars.size());
  // Multi-code records are numbered from 1: a character without any code stores 0, which
  // then reads the all-zero record 0 instead of another character's codes.
  std::uint32_t records = 1;
  lm.PadTo(3 * c + 30 + 15);
  for (std::uint32_t n = 1; n <= c; ++n) {
    const auto& codes = src.chars[n - 1].strokeCodes;
    if (codes.size() > 5) return Fail("a character has more than five stroke codes");
    for (std::uint32_t code : codes)
      if (code < kMultiCodeLimit || code > 0xFFFFFF) return Fail("a stroke code is out of range");
    if (codes.size() == 1) {
      lm.Patch(3 * (n - 1), codes[0], 3);
    } else if (codes.size() > 1) {
      if (records >= kMultiCodeLimit) return Fail("more than 2999 characters with code variants");
      const std::uint32_t m = records++;
      lm.Patch(3 * (n - 1), m, 3);
      for (std::size_t r = 0; r < codes.size(); ++r)
        lm.Patch(3 * c + 30 + 15 * m + 3 * static_cast<std::uint32_t>(r), codes[r], 3);
      lm.PadTo(3 * c + 30 + 15 * (m + 1));
    }
  }
  for (std::uint32_t d = 1; d <= 6; ++d) {
    const auto& list = src.strokeLists[d - 1];
    if (list.size() > 0xFFFF) return Fail("a first-stroke list has over 65535 entries");
    lm.Patch(3 * c + 5 * (d - 1), lm.Size(), 3);
    lm.Patch(3 * c + 5 * (d - 1) + 3, static_cast<std::uint32_t>(list.size()), 2);
    for (const StrokeListEntry& e : list) {
      if (e.charNo == 0 || e.charNo > c) return Fail("a stroke list names an unknown character");
      if (e.variant > 4 || e.classBits > 7) return Fail("a stroke list entry is malformed");
      lm.Put(e.charNo, 2);
      lm.Put(static_cast<std::uint32_t>(e.classBits | (e.variant << 3)), 1);
    }
  }
  if (lm.Size() > kMaxPosition) return Fail("srf_pub.lm outgrows 3-byte positions");
  return {};
}

std::uint32_t FlagsAndCount(bool simplified, bool traditional, std::size_t n) {
  return static_cast<std::uint32_t>(n) | (simplified ? 0x80u : 0u) | (traditional ? 0x40u : 0u);
}

bool IsLowerAscii(const std::string& s) {
  for (char ch : s)
    if (ch < 'a' || ch > 'z') return false;
  return true;
}

std::string BuildCpy(const DictionarySource& src, ByteImage& cpy) {
  const auto c = src.chars.size();
  auto checkChars = [&](const std::vector<std::uint16_t>& chars) {
    if (chars.empty() || chars.size() > 15) return false;
    for (std::uint16_t ch : chars)
      if (ch == 0 || ch > c) return false;
    return true;
  };
  // Phrase blocks keyed by the first four letters, keys in order of first appearance.
  std::vector<std::string> keys;
  std::map<std::string, std::vector<const Phrase*>> blocks;
  for (const Phrase& p : src.phrases) {
    if (p.pinyin.size() < 4 || p.pinyin.size() > 255 || !IsLowerAscii(p.pinyin))
      return Fail("a phrase pinyin is not 4 to 255 lower-case letters");
    if (!checkChars(p.chars)) return Fail("a phrase has 0 or over 15 characters or a bad number");
    if (p.firstSyllableLetters > 15 || p.level > 15) return Fail("a phrase attribute is over 15");
    std::string key = p.pinyin.substr(0, 4);
    auto& block = blocks[key];
    if (block.empty()) keys.push_back(key);
    block.push_back(&p);
  }
  std::array<std::vector<const Abbrev*>, 676> pairs;
  for (const Abbrev& a : src.abbrevs) {
    if (a.initials.size() < 2 || a.initials.size() != a.chars.size() || !IsLowerAscii(a.initials))
      return Fail("an initials entry needs one lower-case letter per character, at least 2");
    if (!checkChars(a.chars)) return Fail("an initials entry has over 15 characters");
    pairs[static_cast<std::size_t>((a.initials[0] - 'a') * 26 + (a.initials[1] - 'a'))].push_back(
        &a);
  }
  if (keys.size() > 0xFFFF) return Fail("more than 65535 phrase keys");

  cpy.PadTo(3380);
  cpy.Put(static_cast<std::uint32_t>(keys.size()), 2);
  const std::uint32_t keyTable = cpy.Size();
  cpy.PadTo(keyTable + 9 * static_cast<std::uint32_t>(keys.size()));
  for (std::size_t k = 0; k < keys.size(); ++k) {
    const auto& block = blocks[keys[k]];
    if (block.size() > 0xFFFF) return Fail("a phrase block has over 65535 records");
    const std::uint32_t at = keyTable + 9 * static_cast<std::uint32_t>(k);
    for (int i = 0; i < 4; ++i)
      cpy.Patch(at + static_cast<std::uint32_t>(i),
                static_cast<unsigned char>(keys[k][static_cast<std::size_t>(i)]), 1);
    cpy.Patch(at + 4, static_cast<std::uint32_t>(block.size()), 2);
    cpy.Patch(at + 6, cpy.Size(), 3);
    for (const Phrase* p : block) {
      cpy.Put(static_cast<std::uint32_t>((p->firstSyllableLetters << 4) | p->level), 1);
      cpy.Put(FlagsAndCount(p->simplified, p->traditional, p->chars.size()), 1);
      cpy.Put(static_cast<std::uint32_t>(p->pinyin.size()), 1);
      for (std::uint16_t ch : p->chars) cpy.Put(ch, 2);
      cpy.PutBytes(p->pinyin);
    }
  }
  for (std::uint32_t i = 0; i < 676; ++i) {
    const auto& block = pairs[i];
    if (block.empty()) continue;
    if (block.size() > 0xFFFF) return Fail("an initials block has over 65535 records");
    cpy.Patch(5 * i, static_cast<std::uint32_t>(block.size()), 2);
    cpy.Patch(5 * i + 2, cpy.Size(), 3);
    for (const Abbrev* a : block) {
      cpy.Put(FlagsAndCount(a->simplified, a->traditional, a->chars.size()), 1);
      for (std::uint16_t ch : a->chars) cpy.Put(ch, 2);
      cpy.PutBytes(a->initials);
    }
  }
  if (cpy.Size() > kMaxPosition) return Fail("srf_pub.cpy outgrows 3-byte positions");
  return {};
}

std::string BuildZy(const DictionarySource& src, std::uint32_t w,
                    const std::vector<std::vector<const Word*>>& lists, ByteImage& zy) {
  const auto c = static_cast<std::uint32_t>(src.chars.size());
  std::uint32_t glossCount = 0;
  for (std::uint32_t n = 1; n <= w; ++n) glossCount += static_cast<std::uint32_t>(lists[n].size());
  zy.PadTo(6 * c + 3 * w + 3 * glossCount);
  // Every empty text and gloss points at one shared zero count byte.
  const std::uint32_t empty = zy.Size();
  zy.Put(0, 1);
  for (std::uint32_t n = 1; n <= c; ++n) {
    const Character& ch = src.chars[n - 1];
    if (ch.dictText.size() % 2 != 0 || ch.dictText.size() > 510)
      return Fail("a dictionary text is not whole GBK characters or over 255 of them");
    if (ch.gloss.size() > 255) return Fail("a character gloss is longer than 255 bytes");
    if (ch.dictText.empty()) {
      zy.Patch(3 * (n - 1), empty, 3);
    } else {
      zy.Patch(3 * (n - 1), zy.Size(), 3);
      PutCountedText(zy, ch.dictText, static_cast<std::uint32_t>(ch.dictText.size() / 2));
    }
    if (ch.gloss.empty()) {
      zy.Patch(3 * c + 3 * (n - 1), empty, 3);
    } else {
      zy.Patch(3 * c + 3 * (n - 1), zy.Size(), 3);
      PutCountedText(zy, ch.gloss, static_cast<std::uint32_t>(ch.gloss.size()));
    }
  }
  std::uint32_t g = 1;
  for (std::uint32_t n = 1; n <= w; ++n) {
    zy.Patch(6 * c + 3 * (n - 1), lists[n].empty() ? 0 : g, 3);
    for (const Word* word : lists[n]) {
      const std::uint32_t slot = 6 * c + 3 * w + 3 * (g - 1);
      if (word->gloss.empty()) {
        zy.Patch(slot, empty, 3);
      } else {
        zy.Patch(slot, zy.Size(), 3);
        PutCountedText(zy, word->gloss, static_cast<std::uint32_t>(word->gloss.size()));
      }
      ++g;
    }
  }
  if (zy.Size() > kMaxPosition) return Fail("srf_pub.zy outgrows 3-byte positions");
  return {};
}

// Writes every file under a temporary name first, then renames them all into place.
std::string WriteAll(const std::string& dir,
                     const std::vector<std::pair<std::string, const ByteImage*>>& files) {
  namespace fs = std::filesystem;
  for (const auto& [name, image] : files) {
    std::ofstream out(fs::path(dir) / (name + ".tmp"), std::ios::binary | std::ios::trunc);
    out.write(image->Bytes().data(), static_cast<std::streamsize>(image->Bytes().size()));
    out.close();
    if (!out) return "cannot write " + (fs::path(dir) / name).string();
  }
  for (const auto& [name, image] : files) {
    std::error_code ec;
    fs::rename(fs::path(dir) / (name + ".tmp"), fs::path(dir) / name, ec);
    if (ec) return "cannot rename into " + (fs::path(dir) / name).string() + ": " + ec.message();
  }
  return {};
}

}  // namespace

std::uint32_t PackStrokeCode(const std::string& digits) {
  std::uint32_t code = 0;
  for (std::size_t i = 0; i < 8; ++i) {
    std::uint32_t d = 0;
    if (i < digits.size() && digits[i] >= '0' && digits[i] <= '7')
      d = static_cast<std::uint32_t>(digits[i] - '0');
    code = (code << 3) | d;
  }
  return code;
}

std::string WriteDictionaries(const DictionarySource& source, const std::string& dir) {
  if (source.chars.empty() || source.chars.size() > 0xFFFF)
    return "the character table must hold 1 to 65535 characters";
  Files f;
  std::uint32_t w = 0;
  std::vector<std::vector<const Word*>> lists;
  if (auto err = BuildZc(source, f.zc, &w, &lists); !err.empty()) return err;
  if (auto err = BuildPy(source, f.py); !err.empty()) return err;
  if (auto err = BuildPys(source, f.pys); !err.empty()) return err;
  if (auto err = BuildLm(source, f.lm); !err.empty()) return err;
  if (auto err = BuildCpy(source, f.cpy); !err.empty()) return err;
  if (auto err = BuildZy(source, w, lists, f.zy); !err.empty()) return err;
  return WriteAll(dir, {{"srf_pub.zc", &f.zc},
                        {"srf_pub.py", &f.py},
                        {"srf_pub.pys", &f.pys},
                        {"srf_pub.lm", &f.lm},
                        {"srf_pub.cpy", &f.cpy},
                        {"srf_pub.zy", &f.zy}});
}

}  // namespace dazi::dictwriter
