#include "engine/user/UserLexicon.h"

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/core/CandidateKinds.h"
#include "engine/core/DataLocation.h"
#include "engine/core/EngineGeneration.h"
#include "engine/core/Gbk.h"
#include "engine/core/Unit_Data.h"
#include "engine/dict/DictFiles.h"
#include "engine/dict/DictLayout.h"
#include "engine/user/AtomicFile.h"
#include "engine/user/FileRead.h"

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

std::optional<std::string> RecordBytes(const int32* codes, int count) {
  return EncodeUserWord(
      std::span<const int32>(codes, static_cast<std::size_t>(std::max(count, 0))));
}

// A new corpus: one category with the words of the lexicon, each written from the character
// table; records with a character the table lacks cannot be written as text and are left out.
std::string CorpusFromLexicon(const std::string& lexicon) {
  std::string corpus = GbkFromUtf8("我的词语") + kCorpusLineEnd;
  std::size_t pos = 0;
  while (const auto codes = DecodeUserWord(lexicon, &pos)) {
    std::string text;
    bool whole = codes->size() >= 2;
    for (const std::uint32_t code : *codes) {
      const std::string ch = CharText(static_cast<int>(code));
      whole = whole && ch.size() == 2;
      text += ch;
    }
    if (whole && !CorpusHasEntry(corpus, text)) corpus = CorpusWithLine(corpus, text);
  }
  return corpus;
}

using Word = std::vector<std::uint32_t>;

Word WordOf(const int32* codes, int count) {
  Word word;
  for (int i = 0; i < count; ++i) word.push_back(static_cast<std::uint32_t>(codes[i]));
  return word;
}

// The records of srf_pub.usr up to its end byte that a table entry can hold; a truncated last
// record is not a word, and longer words are skipped whole.
std::vector<Word> WordsThatFit(std::string_view bytes) {
  std::vector<Word> words;
  std::size_t pos = 0;
  while (auto codes = DecodeUserWord(bytes, &pos))
    if (codes->size() <= static_cast<std::size_t>(kUserWordCodeCapacity))
      words.push_back(std::move(*codes));
  return words;
}

// Which words stay out of the tables when there are more than they hold: the newest stay, so
// the learned words go first, oldest first by their place in srf_pub.lrn (but never the one
// learned last), and then, should that not be enough, the earliest of the others.
std::vector<bool> WordsLeftOut(const std::vector<Word>& words, std::string_view learned) {
  std::vector<bool> out(words.size(), false);
  std::size_t excess = words.size() - std::min(words.size(), std::size_t{kUserWordCapacity});
  std::map<Word, std::size_t> age;  // the word's last place in the learned order
  std::size_t pos = 0;
  for (std::size_t n = 0; auto word = DecodeUserWord(learned, &pos); ++n) age[std::move(*word)] = n;
  std::vector<std::pair<std::size_t, std::size_t>> byAge;  // (age, index in words)
  for (std::size_t i = 0; i < words.size(); ++i)
    if (const auto it = age.find(words[i]); it != age.end()) byAge.emplace_back(it->second, i);
  std::sort(byAge.begin(), byAge.end());
  // The word learned last is the newest of all: it stays.
  const std::size_t newest = byAge.empty() ? 0 : byAge.back().first;
  for (std::size_t k = 0; k < byAge.size() && byAge[k].first != newest && excess > 0; ++k, --excess)
    out[byAge[k].second] = true;
  for (std::size_t i = 0; i < words.size() && excess > 0; ++i)
    if (!out[i]) {
      out[i] = true;
      --excess;
    }
  return out;
}

std::string CannotRead(const char* name, const std::string& reason) {
  return std::string("无法读取文件 ") + name + " (" + reason + ")";
}

}  // namespace

std::string EnsureUserFiles() {
  const FileContents lexicon = ReadWholeFile(UserFilePath(kUserLexiconFile));
  const FileContents corpus = ReadWholeFile(UserFilePath(kUserCorpusFile));
  std::string problem, error;
  auto tell = [&problem](const std::string& text) {
    problem += (problem.empty() ? "" : "\n") + text;
  };
  if (lexicon.status == ReadStatus::Unreadable) tell(CannotRead(kUserLexiconFile, lexicon.error));
  if (corpus.status == ReadStatus::Unreadable) tell(CannotRead(kUserCorpusFile, corpus.error));
  if (lexicon.status == ReadStatus::Missing &&
      !WriteFileAtomically(UserFilePath(kUserLexiconFile), std::string(1, kUserLexiconEnd), &error))
    tell(std::string("无法创建文件 ") + kUserLexiconFile + " (" + error + ")");
  // Without srf_pub.dat the editor would rebuild srf_pub.usr empty: give it the words.
  if (corpus.status == ReadStatus::Missing &&
      !WriteFileAtomically(UserFilePath(kUserCorpusFile), CorpusFromLexicon(lexicon.bytes), &error))
    tell(std::string("无法创建文件 ") + kUserCorpusFile + " (" + error + ")");
  if (!problem.empty()) problem += "\n学到的词语将不能保存。";
  return problem;
}

int LoadUserLexicon() {
  AdvanceEngineGeneration();  // the user word tables are replaced
  SrfState.UserWordCount = 0;
  DictStream file;
  if (!file.Open(UserFilePath(kUserLexiconFile))) return 0;
  const std::vector<Word> words = WordsThatFit(file.ReadBytes(0, file.Size()));
  std::vector<bool> leftOut(words.size(), false);
  if (words.size() > static_cast<std::size_t>(kUserWordCapacity))
    leftOut = WordsLeftOut(words, ReadWholeFile(UserFilePath(kLearnedWordsFile)).bytes);
  int leftOutCount = 0;
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (leftOut[i]) {
      ++leftOutCount;
      continue;
    }
    const int w = SrfState.UserWordCount;
    const Word& codes = words[i];
    WordReadings readings;
    for (std::size_t j = 0; j < codes.size(); ++j) {
      const std::uint32_t charNo = codes[j];
      SrfState.UserWordCodes[w][j] = static_cast<int32>(charNo);
      if (charNo != 0 && charNo <= static_cast<std::uint32_t>(SrfState.CharCount))
        AddCharacterReadings(charNo, &readings);
    }
    SrfState.UserWordLengths[w] = static_cast<int32>(codes.size());
    SrfState.UserWordKinds[w] = kUserWordKind;
    SrfState.UserWordPinyin[w] = std::move(readings.pinyin);
    SrfState.UserWordPinyinAlt[w] = std::move(readings.pinyinAlt);
    SrfState.UserWordInitials[w] = std::move(readings.initials);
    ++SrfState.UserWordCount;
  }
  return leftOutCount;
}

std::string LearnedWithRecord(const std::string& learned, const std::string& lexicon,
                              const int32* codes, int count) {
  std::set<Word> inLexicon;
  std::size_t pos = 0;
  while (auto word = DecodeUserWord(lexicon, &pos)) inLexicon.insert(std::move(*word));
  const Word newest = WordOf(codes, count);
  std::string bytes;
  pos = 0;
  for (std::size_t start = 0; const auto word = DecodeUserWord(learned, &pos); start = pos)
    if (*word != newest && inLexicon.contains(*word)) bytes.append(learned, start, pos - start);
  if (const std::optional<std::string> record = RecordBytes(codes, count)) bytes += *record;
  return bytes + kUserLexiconEnd;
}

std::optional<std::string> LexiconWithRecord(const std::string& lexicon, const int32* codes,
                                             int count) {
  std::optional<std::string> record = RecordBytes(codes, count);
  if (!record) return std::nullopt;
  *record += kUserLexiconEnd;
  // The record and a new end byte overwrite the old end byte and what follows it; bytes
  // past them are kept.
  std::string bytes = lexicon;
  const std::size_t at = EndOfRecords(bytes);
  bytes.replace(at, std::min(record->size(), bytes.size() - at), *record);
  return bytes;
}

bool LexiconHasRecord(const std::string& lexicon, const int32* codes, int count) {
  std::size_t pos = 0;
  while (const auto record = DecodeUserWord(lexicon, &pos)) {
    if (record->size() != static_cast<std::size_t>(count)) continue;
    if (std::equal(record->begin(), record->end(), codes,
                   [](std::uint32_t a, int32 b) { return static_cast<std::int64_t>(a) == b; }))
      return true;
  }
  return false;
}

std::string CorpusWithLine(const std::string& corpus, const std::string& text) {
  std::string contents = corpus;
  // Lines end in CR LF; a last line without its ending gets one before the new line.
  if (!contents.empty() && contents.back() != '\n') contents += kCorpusLineEnd;
  contents += kCorpusEntryIndent;
  contents += text;
  contents += kCorpusLineEnd;
  return contents;
}

bool CorpusHasEntry(const std::string& corpus, const std::string& text) {
  std::size_t pos = 0;
  while (pos < corpus.size()) {
    std::size_t end = corpus.find('\n', pos);
    if (end == std::string::npos) end = corpus.size();
    std::string_view line(corpus.data() + pos, end - pos);
    pos = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line.front() != kCorpusEntryIndent) continue;
    line.remove_prefix(std::min(line.find_first_not_of(kCorpusEntryIndent), line.size()));
    if (line == text) return true;
  }
  return false;
}

bool AppendUserWord(const std::string& path) {
  const FileContents file = ReadWholeFile(path);
  if (file.status != ReadStatus::Read) return false;  // extended, never created here
  const int count = std::clamp(SrfState.CollectedCodeCount, 0, kCollectedCapacity);
  const std::optional<std::string> bytes =
      LexiconWithRecord(file.bytes, SrfState.CollectedCodes, count);
  return bytes && WriteFileAtomically(path, *bytes);
}

bool AppendCorpusLine(const std::string& path, const std::string& text) {
  const FileContents file = ReadWholeFile(path);
  if (file.status == ReadStatus::Unreadable) return false;  // never taken as empty
  return WriteFileAtomically(path, CorpusWithLine(file.bytes, text));
}

}  // namespace dazi
