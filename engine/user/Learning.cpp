#include "engine/user/Learning.h"

#include "engine/core/CandidateKinds.h"
#include "engine/core/DataLocation.h"
#include "engine/core/Gbk.h"
#include "engine/dict/DictFiles.h"
#include "engine/user/AtomicFile.h"
#include "engine/user/FileRead.h"
#include "engine/user/UserFilesLock.h"
#include "engine/user/UserLexicon.h"

namespace dazi {
namespace {

constexpr int kShortestPhrase = 2;  // character numbers
constexpr int kLongestPhrase = 17;

int FindLearnedPhrase() {
  const TLumiskCand& s = SrfState;
  for (int i = 0; i < s.LearnCount; ++i) {
    if (s.LearnLengths[i] != s.CollectedCodeCount) continue;
    bool same = true;
    for (int j = 0; j < s.CollectedCodeCount && same; ++j)
      same = s.LearnCodes[i][j] == s.CollectedCodes[j];
    if (same) return i;
  }
  return -1;
}

// The word's text from the character table: the same characters as its srf_pub.usr record,
// so the editor, which rebuilds srf_pub.usr from srf_pub.dat, keeps it. (The collected text
// can hold symbols that have no character number.)
std::string TextOfCodes(const int32* codes, int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += CharText(codes[i]);
  return text;
}

std::string NotSaved(const std::string& text, const std::string& why) {
  return "词语“" + Utf8FromGbk(text) + "”未能保存: " + why;
}

}  // namespace

std::string SaveUserWord(const int32* codes, int count) {
  const std::string text = TextOfCodes(codes, count);
  const UserFilesLock lock;
  if (!lock.Held()) return NotSaved(text, lock.Error());
  const FileContents corpus = ReadWholeFile(UserFilePath(kUserCorpusFile));
  const FileContents lexicon = ReadWholeFile(UserFilePath(kUserLexiconFile));
  for (const auto* file : {&corpus, &lexicon}) {
    if (file->status != ReadStatus::Unreadable) continue;
    const char* name = file == &corpus ? kUserCorpusFile : kUserLexiconFile;
    return NotSaved(text, std::string("无法读取文件 ") + name + " (" + file->error + ")");
  }
  const std::string oldCorpus =
      corpus.status == ReadStatus::Read ? corpus.bytes : GbkFromUtf8("我的词语") + kCorpusLineEnd;
  const std::string oldLexicon =
      lexicon.status == ReadStatus::Read ? lexicon.bytes : std::string(1, kUserLexiconEnd);
  // Another program, or an earlier run, may have saved the same word already.
  const bool inCorpus = CorpusHasEntry(oldCorpus, text);
  const bool inLexicon = LexiconHasRecord(oldLexicon, codes, count);
  std::string error;
  if (!inCorpus &&
      !WriteFileAtomically(UserFilePath(kUserCorpusFile), CorpusWithLine(oldCorpus, text), &error))
    return NotSaved(text, std::string("无法写入文件 ") + kUserCorpusFile + " (" + error + ")");
  const std::optional<std::string> newLexicon = LexiconWithRecord(oldLexicon, codes, count);
  if (!newLexicon) error = "not a storable word";
  if (inLexicon ||
      (newLexicon && WriteFileAtomically(UserFilePath(kUserLexiconFile), *newLexicon, &error)))
    return {};
  std::string message =
      NotSaved(text, std::string("无法写入文件 ") + kUserLexiconFile + " (" + error + ")");
  // Put srf_pub.dat back; if even that fails, the editor's next rebuild of srf_pub.usr from
  // srf_pub.dat brings the two together again.
  const bool restored =
      inCorpus || (corpus.status == ReadStatus::Read &&
                   WriteFileAtomically(UserFilePath(kUserCorpusFile), corpus.bytes));
  if (!restored) message += std::string("; ") + kUserCorpusFile + " 已含此词, 下次造词时加入";
  return message;
}

void ClearCollectedPhrase() {
  SrfState.CollectedCodeCount = 0;
  SrfState.CollectedWordCount = 0;
  SrfState.CollectedText.clear();
}

void CollectChoice(const std::string& text, const int32* codes, int count, int32 kind) {
  TLumiskCand& s = SrfState;
  if (count < 0) count = 0;
  if (s.CollectedCodeCount + count <= kCollectedCapacity) {
    s.CollectedText += text;
    for (int i = 0; i < count; ++i) s.CollectedCodes[s.CollectedCodeCount++] = codes[i];
  }
  if (kind == kCharacterKind || kind == kDictionaryWordKind) ++s.CollectedWordCount;
  if (kind == kUserWordKind) ClearCollectedPhrase();
}

std::string LearnPhrase() {
  TLumiskCand& s = SrfState;
  if (s.LearnCount >= kLearnLimit) return {};
  if (s.CollectedCodeCount < kShortestPhrase || s.CollectedCodeCount > kLongestPhrase) return {};
  const int found = FindLearnedPhrase();
  if (found >= 0) {
    if (s.LearnSaved[found]) return {};
    std::string failure = SaveUserWord(s.CollectedCodes, s.CollectedCodeCount);
    if (failure.empty()) s.LearnSaved[found] = 1;
    ClearCollectedPhrase();
    return failure;
  }
  if (s.CollectedWordCount <= 1) return {};
  const int n = s.LearnCount++;
  for (int j = 0; j < s.CollectedCodeCount; ++j) s.LearnCodes[n][j] = s.CollectedCodes[j];
  s.LearnLengths[n] = s.CollectedCodeCount;
  s.LearnKinds[n] = kLearnedWordKind;
  s.LearnSaved[n] = 0;
  ClearCollectedPhrase();
  return {};
}

std::string LearnPhraseAtMark() {
  std::string failure = LearnPhrase();
  ClearCollectedPhrase();
  return failure;
}

}  // namespace dazi
