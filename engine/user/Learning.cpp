#include "engine/user/Learning.h"

#include <algorithm>

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

// Makes the word the newest in srf_pub.lrn. That file only orders which learned words give
// way in a full lexicon; the word itself is safe in both user files, so a failure here only
// makes it count as one the user made, and is not worth a notice.
void RecordLearningOrder(const std::string& lexicon, const int32* codes, int count) {
  const std::string path = UserFilePath(kLearnedWordsFile);
  const FileContents learned = ReadWholeFile(path);
  if (learned.status == ReadStatus::Unreadable) return;  // never replaced unread
  WriteFileAtomically(path, LearnedWithRecord(learned.bytes, lexicon, codes, count));
}

bool IsLoadedUserWord(const int32* codes, int count) {
  const TLumiskCand& s = SrfState;
  for (int u = 0; u < std::min(s.UserWordCount, kUserWordCapacity); ++u)
    if (s.UserWordLengths[u] == count && std::equal(codes, codes + count, s.UserWordCodes[u]))
      return true;
  return false;
}

void ForgetLearnedPhrase(int i) {
  TLumiskCand& s = SrfState;
  for (int k = i; k + 1 < s.LearnCount; ++k) {
    std::copy_n(s.LearnCodes[k + 1], kLearnCodeCapacity, s.LearnCodes[k]);
    s.LearnLengths[k] = s.LearnLengths[k + 1];
    s.LearnKinds[k] = s.LearnKinds[k + 1];
    s.LearnSaved[k] = s.LearnSaved[k + 1];
  }
  --s.LearnCount;
}

// A full learned list gives way to the new phrase: the phrase remembered longest ago (typed
// once, never again since) is forgotten. The typist is told the first time.
std::string MakeRoomToRemember() {
  TLumiskCand& s = SrfState;
  if (s.LearnCount < kLearnLimit) return {};
  ForgetLearnedPhrase(0);
  if (s.LearnFullTold) return {};
  s.LearnFullTold = 1;
  return "本次已记住 " + std::to_string(kLearnLimit) +
         " 个只输入过一次的短语, 从现在起最早记住的将被忘记 (再输入两次的短语仍会保存)。";
}

// After a save the user lexicon is read again, so the word is typed and both sentence
// engines build sentences from it at once. In a full lexicon the oldest learned words give
// way; the typist is told the first time.
std::string OfferSavedWord() {
  const int leftOut = LoadUserLexicon();
  TLumiskCand& s = SrfState;
  if (leftOut == 0 || s.LexiconFullTold) return {};
  s.LexiconFullTold = 1;
  return "用户词库已满 (最多提示 " + std::to_string(kUserWordCapacity) + " 个词语): 新词已保存, " +
         std::to_string(leftOut) +
         " 个最早的词语 (先是学到的) 不再提示, 但仍保存在用户语料中; 可在造词中删去不用的词语。";
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
      (newLexicon && WriteFileAtomically(UserFilePath(kUserLexiconFile), *newLexicon, &error))) {
    RecordLearningOrder(inLexicon ? oldLexicon : *newLexicon, codes, count);
    return {};
  }
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
  } else {
    // What does not fit is still in the text: the phrase is marked overlong (full), so that
    // it is never learned without it.
    s.CollectedCodeCount = kCollectedCapacity;
  }
  if (kind == kCharacterKind || kind == kDictionaryWordKind) ++s.CollectedWordCount;
  if (kind == kUserWordKind) ClearCollectedPhrase();
}

void CollectSentence(const std::string& text, const int32* codes, int count) {
  // The sentence's numbers must spell what was written; otherwise the phrase would not be
  // the text, so it ends unlearned.
  if (count < 0 || TextOfCodes(codes, count) != text) return ClearCollectedPhrase();
  CollectChoice(text, codes, count, kDictionaryWordKind);
}

std::string LearnPhrase() {
  TLumiskCand& s = SrfState;
  if (s.CollectedCodeCount < kShortestPhrase || s.CollectedCodeCount > kLongestPhrase) return {};
  // Already a word of the user's (saved before, or made in the editor): nothing to learn.
  if (IsLoadedUserWord(s.CollectedCodes, s.CollectedCodeCount)) return {};
  const int found = FindLearnedPhrase();
  if (found >= 0) {
    std::string message = SaveUserWord(s.CollectedCodes, s.CollectedCodeCount);
    ClearCollectedPhrase();
    if (!message.empty()) return message;  // stays remembered: the next completion tries again
    // Saved: from now on a user word, offered as such and no longer as a learned one.
    ForgetLearnedPhrase(found);
    return OfferSavedWord();
  }
  if (s.CollectedWordCount <= 1) return {};
  std::string message = MakeRoomToRemember();
  const int n = s.LearnCount++;
  std::copy_n(s.CollectedCodes, s.CollectedCodeCount, s.LearnCodes[n]);
  s.LearnLengths[n] = s.CollectedCodeCount;
  s.LearnKinds[n] = kLearnedWordKind;
  s.LearnSaved[n] = 0;
  ClearCollectedPhrase();
  return message;
}

std::string LearnPhraseAtMark() {
  std::string failure = LearnPhrase();
  ClearCollectedPhrase();
  return failure;
}

}  // namespace dazi
