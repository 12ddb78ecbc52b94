#include "engine/user/UserLexicon.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "engine/core/CandidateKinds.h"
#include "engine/core/EngineGeneration.h"
#include "engine/core/Gbk.h"
#include "engine/core/Unit_Data.h"
#include "engine/dict/DictFiles.h"
#include "engine/user/AtomicFile.h"

namespace dazi {
namespace {

constexpr std::uint32_t kPolyphoneThreshold = 0x9FFF;

// The syllable letters of a reading value: the spelling text without its stroke letter.
std::string SyllableOfReading(std::uint32_t reading) {
  const std::uint32_t spelling = reading & 0xFFF;
  const std::uint32_t length = reading >> 12;
  if (spelling == 0 || spelling > SrfState.PinyinSyllables.size() || length == 0) return {};
  const std::string& text = SrfState.PinyinSyllables[spelling - 1];
  return text.substr(0, length - 1);
}

struct WordReadings {
  std::string pinyin, pinyinAlt, initials;
};

void AddCharacterReadings(std::uint32_t charNo, WordReadings* out) {
  const DictStream& pys = Dict.pys;
  const std::uint32_t reading = pys.ReadU16(2 * static_cast<std::size_t>(charNo) - 2);
  if (reading > kPolyphoneThreshold) {
    const std::size_t record = 2 * static_cast<std::size_t>(SrfState.CharCount) +
                               10 * static_cast<std::size_t>(reading & 0xFFF);
    const std::string main = SyllableOfReading(pys.ReadU16(record));
    out->pinyinAlt += SyllableOfReading(pys.ReadU16(record + 2));
    out->pinyin += main;
    if (!main.empty()) out->initials += main[0];
  } else if ((reading & 0xFFF) != 0) {
    const std::string syllable = SyllableOfReading(reading);
    out->pinyin += syllable;
    out->pinyinAlt += syllable;
    if (!syllable.empty()) out->initials += syllable[0];
  }
}

// Where the next record goes: on the terminating 0 byte after the last whole record. A
// file that lacks the 0 byte gets the record after its last whole record, so no record is
// cut; a damaged partial record at the end (unreadable anyway) is overwritten.
std::streamoff EndOfRecords(const std::string& bytes) {
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    const auto length = static_cast<unsigned char>(bytes[pos]);
    if (length == 0) return static_cast<std::streamoff>(pos);
    const std::size_t next = pos + 1 + 2 * static_cast<std::size_t>(length);
    if (next > bytes.size()) break;
    pos = next;
  }
  return static_cast<std::streamoff>(pos);
}

}  // namespace

bool EnsureUserFiles() {
  std::error_code ec;
  bool ok = true;
  if (!std::filesystem::exists(kUserLexiconFile, ec))
    ok = WriteFileAtomically(kUserLexiconFile, std::string(1, '\0')) && ok;
  if (!std::filesystem::exists(kUserCorpusFile, ec))
    ok = WriteFileAtomically(kUserCorpusFile, GbkFromUtf8("我的词语") + "\r\n") && ok;
  return ok;
}

void LoadUserLexicon() {
  AdvanceEngineGeneration();  // the user word tables are replaced
  SrfState.UserWordCount = 0;
  DictStream file;
  if (!file.Open(kUserLexiconFile)) return;
  std::size_t pos = 0;
  while (pos < file.Size()) {
    const std::uint32_t length = file.ReadU8(pos);
    if (length == 0) break;
    const std::size_t recordEnd = pos + 1 + 2 * static_cast<std::size_t>(length);
    if (recordEnd > file.Size()) break;  // a truncated last record is not a word
    const int w = SrfState.UserWordCount;
    // Words the tables cannot hold are skipped whole; the rest of the file still loads.
    if (w < kUserWordCapacity && length <= kUserWordCodeCapacity) {
      WordReadings readings;
      for (std::uint32_t j = 0; j < length; ++j) {
        const std::uint32_t charNo = file.ReadU16(pos + 1 + 2 * j);
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
    pos = recordEnd;
  }
}

bool AppendUserWord(const std::string& path) {
  std::fstream file(path, std::ios::binary | std::ios::in | std::ios::out);
  if (!file) return false;
  const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  const std::streamoff at = EndOfRecords(bytes);
  std::string record(1, static_cast<char>(SrfState.CollectedCodeCount));
  for (int i = 0; i < SrfState.CollectedCodeCount; ++i) {
    const int32 code = SrfState.CollectedCodes[i];
    record += static_cast<char>(code & 0xFF);
    record += static_cast<char>((code >> 8) & 0xFF);
  }
  record += '\0';
  file.clear();
  file.seekp(at);
  file.write(record.data(), static_cast<std::streamsize>(record.size()));
  file.flush();
  return static_cast<bool>(file);
}

bool AppendCorpusLine(const std::string& path, const std::string& text) {
  std::string contents;
  {
    std::ifstream in(path, std::ios::binary);
    if (in) contents.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  // Lines end in CR LF; a last line without its ending gets one before the new line.
  if (!contents.empty() && contents.back() != '\n') contents += "\r\n";
  contents += '\t';
  contents += text;
  contents += "\r\n";
  return WriteFileAtomically(path, contents);
}

}  // namespace dazi
