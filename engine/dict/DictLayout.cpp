#include "engine/dict/DictLayout.h"

namespace dazi {

ZcWordRecord ReadZcWordRecord(const DictStream& zc, std::size_t pos) {
  const std::uint32_t head = zc.ReadU8(pos);
  const std::uint32_t second = zc.ReadU8(pos + 1);
  ZcWordRecord word;
  word.length = head & kWordLengthMask;
  word.classes = head & kRecordClassMask;
  word.pattern = second & kWordPatternMask;
  word.group = second >> kWordGroupShift;
  word.codesPos = pos + kZcWordHeadSize;
  word.next = word.codesPos + 2 * std::size_t{word.length};
  return word;
}

bool ZcWordStartsWith(const DictStream& zc, const ZcWordRecord& word, std::uint32_t n) {
  return word.length != 0 && zc.ReadU16(word.codesPos) == n;
}

PyEntry ReadPyEntry(const DictStream& py, std::size_t pos) {
  return {py.ReadU16(pos), py.ReadU16(pos + 2)};
}

PyListHead ReadPyListHead(const DictStream& py, std::size_t spellings, std::size_t s) {
  const std::size_t at = PyListHeadPos(spellings, s);
  return {py.ReadU16(at), py.ReadU24(at + 2)};
}

PyLetterRange ReadPyLetterRange(const DictStream& py, std::size_t spellings, std::size_t letter) {
  const std::size_t at = PyLetterRangePos(spellings, letter);
  return {py.ReadU16(at), py.ReadU16(at + 2)};
}

std::uint32_t ReadLmCode(const DictStream& lm, std::size_t c, std::size_t n, std::size_t r) {
  const std::uint32_t stored = lm.ReadU24(LmCodePos(n));
  if (stored >= kMultiCodeLimit) return stored;
  return lm.ReadU24(LmVariantPos(c, stored, r));
}

LmListHead ReadLmListHead(const DictStream& lm, std::size_t c, std::size_t d) {
  const std::size_t at = LmFirstStrokeHeadPos(c, d);
  return {lm.ReadU24(at), lm.ReadU16(at + 3)};
}

LmListEntry ReadLmListEntry(const DictStream& lm, std::size_t pos) {
  const std::uint32_t flags = lm.ReadU8(pos + 2);
  return {lm.ReadU16(pos), flags & kStrokeClassMask, flags >> kStrokeVariantShift};
}

CpyPhraseRecord ReadCpyPhraseRecord(const DictStream& cpy, std::size_t pos) {
  CpyPhraseRecord phrase;
  phrase.attr = cpy.ReadU8(pos);
  phrase.flags = cpy.ReadU8(pos + 1);
  phrase.pinyinLength = cpy.ReadU8(pos + 2);
  phrase.length = phrase.flags & kCpyLengthMask;
  phrase.codesPos = pos + kCpyPhraseHeadSize;
  phrase.pinyinPos = phrase.codesPos + 2 * std::size_t{phrase.length};
  phrase.next = phrase.pinyinPos + phrase.pinyinLength;
  return phrase;
}

CpyInitialsRecord ReadCpyInitialsRecord(const DictStream& cpy, std::size_t pos) {
  CpyInitialsRecord initials;
  initials.flags = cpy.ReadU8(pos);
  initials.length = initials.flags & kCpyLengthMask;
  initials.codesPos = pos + 1;
  initials.initialsPos = initials.codesPos + 2 * std::size_t{initials.length};
  initials.next = initials.initialsPos + initials.length;
  return initials;
}

std::string ReadZyText(const DictStream& zy, std::size_t pointerPos, std::size_t unit) {
  const std::size_t pos = zy.ReadU24(pointerPos);
  if (pos == 0) return {};
  return zy.ReadBytes(pos + 1, zy.ReadU8(pos) * unit);
}

bool ZyTextInside(const DictStream& zy, std::size_t pos, std::size_t unit) {
  return pos < zy.Size() && pos + 1 + unit * zy.ReadU8(pos) <= zy.Size();
}

std::optional<std::string> EncodeUserWord(std::span<const std::int32_t> codes) {
  if (codes.empty() || codes.size() > kUserWordMaxLength) return std::nullopt;
  std::string record(1, static_cast<char>(codes.size()));
  for (const std::int32_t code : codes) {
    if (code < 0 || static_cast<std::uint32_t>(code) > kMaxCharNumber) return std::nullopt;
    record += static_cast<char>(code & 0xFF);
    record += static_cast<char>((code >> 8) & 0xFF);
  }
  return record;
}

std::optional<std::vector<std::uint32_t>> DecodeUserWord(std::string_view bytes, std::size_t* pos) {
  if (*pos >= bytes.size()) return std::nullopt;
  const std::size_t length = static_cast<unsigned char>(bytes[*pos]);
  if (length == 0) return std::nullopt;
  const std::size_t next = *pos + 1 + 2 * length;
  if (next > bytes.size()) return std::nullopt;
  std::vector<std::uint32_t> codes(length);
  for (std::size_t j = 0; j < length; ++j) {
    const std::size_t at = *pos + 1 + 2 * j;
    codes[j] = static_cast<unsigned char>(bytes[at]) |
               static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 1])) << 8;
  }
  *pos = next;
  return codes;
}

}  // namespace dazi
