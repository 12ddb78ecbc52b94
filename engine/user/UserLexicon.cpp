#include "engine/user/UserLexicon.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <span>
#include <string_view>

#include "engine/core/CandidateKinds.h"
#include "engine/core/EngineGeneration.h"
#include "engine/core/Gbk.h"
#include "engine/core/Unit_Data.h"
#include "engine/dict/DictFiles.h"
#include "engine/dict/DictLayout.h"
#include "engine/user/AtomicFile.h"

namespace dazi {
namespace {

// The syllable letters of a reading value: the spelling text without its stroke letter.
std::string SyllableOfReading(std::uint32_t value) {
  const Reading reading = DecodeReading(value);
  if (reading.number == 0 || reading.number > SrfState.PinyinSyllables.size() ||
      reading.letters == 0)
    return {};
  const std::string& text = SrfState.PinyinSyllables[reading.number - 1];
  return text.substr(0, reading.letters - 1);
}

struct WordReadings {
  std::string pinyin, pinyinAlt, initials;
};

void AddCharacterReadings(std::uint32_t charNo, WordReadings* out) {
  const DictStream& pys = Dict.pys;
  const std::uint32_t value = pys.ReadU16(PysReadingPos(charNo));
  const Reading reading = DecodeReading(value);
  if (reading.polyphone) {
    const auto charCount = static_cast<std::size_t>(SrfState.CharCount);
    const std::string main =
        SyllableOfReading(pys.ReadU16(PysPolyphonePos(charCount, reading.number, 0)));
    out->pinyinAlt += SyllableOfReading(pys.ReadU16(PysPolyphonePos(charCount, reading.number, 1)));
    out->pinyin += main;
    if (!main.empty()) out->initials += main[0];
  } else if (reading.number != 0) {
    const std::string syllable = SyllableOfReading(value);
    out->pinyin += syllable;
    out->pinyinAlt += syllable;
    if (!syllable.empty()) out->initials += syllable[0];
  }
}

// Where the next record goes: on the terminating 0 byte after the last whole record. A
// file that lacks the 0 byte gets the record after its last whole record, so no record is
// cut; a damaged partial record at the end (unreadable anyway) is overwritten.
std::size_t EndOfRecords(std::string_view bytes) {
  std::size_t pos = 0;
  while (DecodeUserWord(bytes, &pos)) {
  }
  return pos;
}

}  // namespace

bool EnsureUserFiles() {
  std::error_code ec;
  bool ok = true;
  if (!std::filesystem::exists(kUserLexiconFile, ec))
    ok = WriteFileAtomically(kUserLexiconFile, std::string(1, kUserLexiconEnd)) && ok;
  if (!std::filesystem::exists(kUserCorpusFile, ec))
    ok = WriteFileAtomically(kUserCorpusFile, GbkFromUtf8("我的词语") + kCorpusLineEnd) && ok;
  return ok;
}

void LoadUserLexicon() {
  AdvanceEngineGeneration();  // the user word tables are replaced
  SrfState.UserWordCount = 0;
  DictStream file;
  if (!file.Open(kUserLexiconFile)) return;
  const std::string bytes = file.ReadBytes(0, file.Size());
  std::size_t pos = 0;
  // Stops at the end byte; a truncated last record is not a word.
  while (const auto codes = DecodeUserWord(bytes, &pos)) {
    const int w = SrfState.UserWordCount;
    const std::size_t length = codes->size();
    // Words the tables cannot hold are skipped whole; the rest of the file still loads.
    if (w < kUserWordCapacity && length <= kUserWordCodeCapacity) {
      WordReadings readings;
      for (std::size_t j = 0; j < length; ++j) {
        const std::uint32_t charNo = (*codes)[j];
        SrfState.UserWordCodes[w][j] = static_cast<int32>(charNo);
        if (charNo != 0 && charNo <= static_cast<std::uint32_t>(SrfState.CharCount))
          AddCharacterReadings(charNo, &readings);
      }
      SrfState.UserWordLengths[w] = static_cast<int32>(length);
      SrfState.UserWordKinds[w] = kUserWordKind;
      SrfState.UserWordPinyin[w] = std::move(readings.pinyin);
      SrfState.UserWordPinyinAlt[w] = std::move(readings.pinyinAlt);
      SrfState.UserWordInitials[w] = std::move(readings.initials);
      ++SrfState.UserWordCount;
    }
  }
}

bool AppendUserWord(const std::string& path) {
  std::string bytes;
  {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;  // the lexicon is extended, never created here
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  const int count = std::clamp(SrfState.CollectedCodeCount, 0, kCollectedCapacity);
  std::optional<std::string> record = EncodeUserWord(
      std::span<const int32>(SrfState.CollectedCodes, static_cast<std::size_t>(count)));
  if (!record) return false;
  *record += kUserLexiconEnd;
  // The record and a new end byte overwrite the old end byte and what follows it; bytes
  // past them are kept. The file is then replaced whole, so a crash leaves the old lexicon.
  const std::size_t at = EndOfRecords(bytes);
  bytes.replace(at, std::min(record->size(), bytes.size() - at), *record);
  return WriteFileAtomically(path, bytes);
}

bool AppendCorpusLine(const std::string& path, const std::string& text) {
  std::string contents;
  {
    std::ifstream in(path, std::ios::binary);
    if (in) contents.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  // Lines end in CR LF; a last line without its ending gets one before the new line.
  if (!contents.empty() && contents.back() != '\n') contents += kCorpusLineEnd;
  contents += kCorpusEntryIndent;
  contents += text;
  contents += kCorpusLineEnd;
  return WriteFileAtomically(path, contents);
}

}  // namespace dazi
