#include "tools/dictwriter/DictWriter.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>

namespace dazi::dictwriter {
namespace {

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
  void PatchBytes(std::uint32_t pos, const std::string& s) {
    PadTo(pos + static_cast<std::uint32_t>(s.size()));
    bytes_.replace(pos, s.size(), s);
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

// A layout position as a file position; the images never grow past 3-byte positions.
std::uint32_t Pos(std::size_t pos) {
  return static_cast<std::uint32_t>(pos);
}

std::string Outgrown(const char* file) {
  return std::string(file) + " outgrows 3-byte positions";
}

// Points the pointer at pointerPos to a counted text (one count byte of units, then the
// bytes) appended to the image; an empty text points at the shared empty one.
void PutText(ByteImage& image, std::uint32_t pointerPos, const std::string& bytes, std::size_t unit,
             std::uint32_t empty) {
  if (bytes.empty()) {
    image.Patch(pointerPos, empty, 3);
    return;
  }
  image.Patch(pointerPos, image.Size(), 3);
  image.Put(static_cast<std::uint32_t>(bytes.size() / unit), 1);
  image.PutBytes(bytes);
}

std::string BuildZc(const DictionarySource& src, ByteImage& zc, std::uint32_t* wordIndexCount,
                    std::vector<std::vector<const Word*>>* lists) {
  const auto c = static_cast<std::uint32_t>(src.chars.size());
  std::uint32_t w = 0;
  lists->assign(src.chars.size() + 1, {});
  for (const Word& word : src.words) {
    if (word.chars.empty() || word.chars.size() > kWordMaxLength)
      return Fail("a word has 0 or over 63 characters");
    if (word.group > kWordMaxGroup || word.pattern >= kZcReadingPatternCount)
      return Fail("a word's group or pattern is over 15");
    for (std::uint16_t ch : word.chars)
      if (ch == 0 || ch > c) return Fail("a word names a character number outside the table");
    if (word.gloss.size() > kMaxCountedText) return Fail("a word gloss is longer than 255 bytes");
    (*lists)[word.chars[0]].push_back(&word);
    if (word.chars[0] > w) w = word.chars[0];
  }
  *wordIndexCount = w;

  zc.PutBytes(kZcMagic);
  zc.Patch(kZcCharCountPos, c, 2);
  zc.Patch(kZcWordIndexCountPos, w, 2);
  zc.Patch(kZcCount3Pos, src.zcCount3, 2);
  for (const Character& ch : src.chars) {
    if (ch.gbk.size() != 2) return Fail("a character's GBK code is not two bytes");
    zc.PutBytes(ch.gbk);
  }
  zc.PadTo(Pos(ZcReadingPatternsPos(c, w)));
  for (std::uint8_t pattern : src.readingPatterns) zc.Put(pattern, 1);
  for (std::uint32_t n = 1; n <= w; ++n) {
    if ((*lists)[n].empty()) continue;
    zc.Patch(Pos(ZcWordListPointerPos(c, n)), zc.Size(), 3);
    for (const Word* word : (*lists)[n]) {
      zc.Put(EncodeZcWordHead(static_cast<std::uint32_t>(word->chars.size()), word->simplified,
                              word->traditional),
             1);
      zc.Put(EncodeZcWordPatternGroup(word->pattern, word->group), 1);
      for (std::uint16_t ch : word->chars) zc.Put(ch, 2);
    }
  }
  zc.Put(0, 4);  // a record of character 0 ends the last list
  if (zc.Size() > kMaxFilePosition) return Outgrown(kZcFile);
  return {};
}

std::string BuildPy(const DictionarySource& src, ByteImage& py) {
  const auto s = static_cast<std::uint32_t>(src.spellings.size());
  if (s > kMaxSpellingCount) return Fail("more spellings than a 12-bit spelling number can name");
  py.Patch(kPyCountPos, s, 2);
  for (std::uint32_t i = 1; i <= s; ++i) {
    const Spelling& sp = src.spellings[i - 1];
    if (sp.text.empty() || sp.text.size() > kSpellingTextWidth)
      return Fail("spelling text empty or over 9 letters");
    std::string padded = sp.text;
    padded.resize(kSpellingTextWidth, ' ');
    py.PatchBytes(Pos(PySpellingTextPos(i)), padded);
  }
  py.PadTo(Pos(PyListsPos(s)));
  // Letter ranges: first and last spelling number per initial; empty letters get 1..0.
  for (int letter = 1; letter <= static_cast<int>(kPyLetterCount); ++letter) {
    std::uint32_t first = 0, last = 0;
    for (std::uint32_t i = 1; i <= s; ++i) {
      if (src.spellings[i - 1].text[0] != 'a' + letter - 1) continue;
      if (first == 0) first = i;
      if (last != 0 && last != i - 1) return Fail("spellings of one letter are not contiguous");
      last = i;
    }
    if (first == 0) first = 1;
    const std::uint32_t range = Pos(PyLetterRangePos(s, static_cast<std::size_t>(letter)));
    py.Patch(range, first, 2);
    py.Patch(range + 2, last, 2);
  }
  for (std::uint32_t i = 1; i <= s; ++i) {
    const Spelling& sp = src.spellings[i - 1];
    if (sp.entries.size() > 0xFFFF) return Fail("a spelling lists over 65535 characters");
    const std::uint32_t head = Pos(PyListHeadPos(s, i));
    py.Patch(head, static_cast<std::uint32_t>(sp.entries.size()), 2);
    py.Patch(head + 2, py.Size(), 3);
    for (const SpellingEntry& e : sp.entries) {
      py.Put(e.charNo, 2);
      py.Put(e.attribute, 2);
    }
  }
  if (py.Size() > kMaxFilePosition) return Outgrown(kPyFile);
  return {};
}

std::string BuildPys(const DictionarySource& src, ByteImage& pys) {
  const auto c = static_cast<std::uint32_t>(src.chars.size());
  pys.PadTo(Pos(PysPolyphonePos(c, 0, 0)));
  std::uint32_t records = 0;
  for (std::uint32_t n = 1; n <= c; ++n) {
    const auto& readings = src.chars[n - 1].readings;
    if (readings.size() > kPolyphoneReadings)
      return Fail("a character has more than five readings");
    auto encode = [&](std::uint16_t spelling, std::uint32_t* out) -> std::string {
      if (spelling == 0 || spelling > src.spellings.size())
        return Fail("a reading names a spelling number outside the table");
      auto letters = static_cast<std::uint32_t>(src.spellings[spelling - 1].text.size());
      *out = EncodeReading(spelling, letters);
      return {};
    };
    std::uint32_t value = 0;
    if (readings.size() == 1) {
      if (auto err = encode(readings[0], &value); !err.empty()) return err;
    } else if (readings.size() > 1) {
      if (records >= kMaxPolyphoneRecords) return Fail("more than 4096 polyphonic characters");
      const std::uint32_t p = records++;
      value = EncodePolyphone(p);
      for (std::size_t j = 0; j < readings.size(); ++j) {
        std::uint32_t r = 0;
        if (auto err = encode(readings[j], &r); !err.empty()) return err;
        pys.Patch(Pos(PysPolyphonePos(c, p, j)), r, 2);
      }
      pys.PadTo(Pos(PysPolyphonePos(c, p + 1, 0)));
    }
    pys.Patch(Pos(PysReadingPos(n)), value, 2);
  }
  return {};
}

std::string BuildLm(const DictionarySource& src, ByteImage& lm) {
  const auto c = static_cast<std::uint32_t>(src.chars.size());
  // Multi-code records are numbered from 1: a character without any code stores 0, which
  // then reads the all-zero record 0 instead of another character's codes.
  std::uint32_t records = 1;
  lm.PadTo(Pos(LmVariantPos(c, 1, 0)));
  for (std::uint32_t n = 1; n <= c; ++n) {
    const auto& codes = src.chars[n - 1].strokeCodes;
    if (codes.size() > kCodeVariants) return Fail("a character has more than five stroke codes");
    for (std::uint32_t code : codes)
      if (code < kMultiCodeLimit || code > kMaxStrokeCode)
        return Fail("a stroke code is out of range");
    if (codes.size() == 1) {
      lm.Patch(Pos(LmCodePos(n)), codes[0], 3);
    } else if (codes.size() > 1) {
      if (records >= kMultiCodeLimit) return Fail("more than 2999 characters with code variants");
      const std::uint32_t m = records++;
      lm.Patch(Pos(LmCodePos(n)), m, 3);
      for (std::size_t r = 0; r < codes.size(); ++r)
        lm.Patch(Pos(LmVariantPos(c, m, r)), codes[r], 3);
      lm.PadTo(Pos(LmVariantPos(c, m + 1, 0)));
    }
  }
  for (std::uint32_t d = 1; d <= kFirstStrokeLists; ++d) {
    const auto& list = src.strokeLists[d - 1];
    if (list.size() > 0xFFFF) return Fail("a first-stroke list has over 65535 entries");
    const std::uint32_t head = Pos(LmFirstStrokeHeadPos(c, d));
    lm.Patch(head, lm.Size(), 3);
    lm.Patch(head + 3, static_cast<std::uint32_t>(list.size()), 2);
    for (const StrokeListEntry& e : list) {
      if (e.charNo == 0 || e.charNo > c) return Fail("a stroke list names an unknown character");
      if (e.variant >= kCodeVariants || e.classBits > kStrokeClassMask)
        return Fail("a stroke list entry is malformed");
      lm.Put(e.charNo, 2);
      lm.Put(EncodeLmEntryFlags(e.classBits, e.variant), 1);
    }
  }
  if (lm.Size() > kMaxFilePosition) return Outgrown(kLmFile);
  return {};
}

bool IsLowerAscii(const std::string& s) {
  for (char ch : s)
    if (ch < 'a' || ch > 'z') return false;
  return true;
}

std::string BuildCpy(const DictionarySource& src, ByteImage& cpy) {
  const auto c = src.chars.size();
  auto checkChars = [&](const std::vector<std::uint16_t>& chars) {
    if (chars.empty() || chars.size() > kCpyMaxLength) return false;
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
    std::string key = p.pinyin.substr(0, kCpyKeyLetters);
    auto& block = blocks[key];
    if (block.empty()) keys.push_back(key);
    block.push_back(&p);
  }
  std::array<std::vector<const Abbrev*>, kCpyLetterPairs> pairs;
  for (const Abbrev& a : src.abbrevs) {
    if (a.initials.size() < 2 || a.initials.size() != a.chars.size() || !IsLowerAscii(a.initials))
      return Fail("an initials entry needs one lower-case letter per character, at least 2");
    if (!checkChars(a.chars)) return Fail("an initials entry has over 15 characters");
    pairs[CpyLetterPair(a.initials[0], a.initials[1])].push_back(&a);
  }
  if (keys.size() > 0xFFFF) return Fail("more than 65535 phrase keys");

  cpy.Patch(kCpyKeyCountPos, static_cast<std::uint32_t>(keys.size()), 2);
  cpy.PadTo(Pos(CpyKeyPos(keys.size())));
  for (std::size_t k = 0; k < keys.size(); ++k) {
    const auto& block = blocks[keys[k]];
    if (block.size() > 0xFFFF) return Fail("a phrase block has over 65535 records");
    const std::uint32_t at = Pos(CpyKeyPos(k));
    cpy.PatchBytes(at, keys[k]);
    cpy.Patch(at + kCpyKeyLetters, static_cast<std::uint32_t>(block.size()), 2);
    cpy.Patch(at + kCpyKeyLetters + 2, cpy.Size(), 3);
    for (const Phrase* p : block) {
      cpy.Put(EncodePhraseAttr(p->firstSyllableLetters, p->level), 1);
      cpy.Put(EncodeCpyFlags(p->simplified, p->traditional, p->chars.size()), 1);
      cpy.Put(static_cast<std::uint32_t>(p->pinyin.size()), 1);
      for (std::uint16_t ch : p->chars) cpy.Put(ch, 2);
      cpy.PutBytes(p->pinyin);
    }
  }
  for (std::size_t i = 0; i < kCpyLetterPairs; ++i) {
    const auto& block = pairs[i];
    if (block.empty()) continue;
    if (block.size() > 0xFFFF) return Fail("an initials block has over 65535 records");
    const std::uint32_t at = Pos(CpyInitialsIndexPos(i));
    cpy.Patch(at, static_cast<std::uint32_t>(block.size()), 2);
    cpy.Patch(at + 2, cpy.Size(), 3);
    for (const Abbrev* a : block) {
      cpy.Put(EncodeCpyFlags(a->simplified, a->traditional, a->chars.size()), 1);
      for (std::uint16_t ch : a->chars) cpy.Put(ch, 2);
      cpy.PutBytes(a->initials);
    }
  }
  if (cpy.Size() > kMaxFilePosition) return Outgrown(kCpyFile);
  return {};
}

std::string BuildZy(const DictionarySource& src, std::uint32_t w,
                    const std::vector<std::vector<const Word*>>& lists, ByteImage& zy) {
  const auto c = static_cast<std::uint32_t>(src.chars.size());
  std::uint32_t glossCount = 0;
  for (std::uint32_t n = 1; n <= w; ++n) glossCount += static_cast<std::uint32_t>(lists[n].size());
  zy.PadTo(Pos(ZyTextsPos(c, w, glossCount)));
  // Every empty text and gloss points at one shared zero count byte.
  const std::uint32_t empty = zy.Size();
  zy.Put(0, 1);
  for (std::uint32_t n = 1; n <= c; ++n) {
    const Character& ch = src.chars[n - 1];
    if (ch.dictText.size() % kDictTextUnit != 0 ||
        ch.dictText.size() > kMaxCountedText * kDictTextUnit)
      return Fail("a dictionary text is not whole GBK characters or over 255 of them");
    if (ch.gloss.size() > kMaxCountedText)
      return Fail("a character gloss is longer than 255 bytes");
    PutText(zy, Pos(ZyDictTextPointerPos(n)), ch.dictText, kDictTextUnit, empty);
    PutText(zy, Pos(ZyCharGlossPointerPos(c, n)), ch.gloss, kGlossUnit, empty);
  }
  std::uint32_t g = 1;
  for (std::uint32_t n = 1; n <= w; ++n) {
    zy.Patch(Pos(ZyFirstGlossNumberPos(c, n)), lists[n].empty() ? 0 : g, 3);
    for (const Word* word : lists[n]) {
      PutText(zy, Pos(ZyWordGlossPointerPos(c, w, g)), word->gloss, kGlossUnit, empty);
      ++g;
    }
  }
  if (zy.Size() > kMaxFilePosition) return Outgrown(kZyFile);
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
  return WriteAll(dir, {{kZcFile, &f.zc},
                        {kPyFile, &f.py},
                        {kPysFile, &f.pys},
                        {kLmFile, &f.lm},
                        {kCpyFile, &f.cpy},
                        {kZyFile, &f.zy}});
}

}  // namespace dazi::dictwriter
