// The one engine record shared by the loader, the three engines and the main window.
// Every list is a fixed-capacity array with its own count; nothing here allocates per
// keystroke except the byte strings (GBK text).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace dazi {

using int32 = std::int32_t;
using byte = std::uint8_t;

// Capacities of the record's tables (the numbers of elements of each array).
inline constexpr int kLookupCapacity = 10001;
inline constexpr int kStrokeStringCapacity = 5001;
inline constexpr int kWordPoolCapacity = 8001;
inline constexpr int kWordCodeCapacity = 41;
inline constexpr int kReadingPatternCount = 16;
inline constexpr int kUserWordCapacity = 4001;
inline constexpr int kUserWordCodeCapacity = 33;
inline constexpr int kAssociationCapacity = 1601;
inline constexpr int kAssocPrefixCapacity = 31;
inline constexpr int kFollowOnCapacity = 601;
inline constexpr int kFollowOnCodeCapacity = 17;
inline constexpr int kChainCapacity = 16;
inline constexpr int kPredictedCapacity = 601;
inline constexpr int kResultCapacity = 10001;
inline constexpr int kPageCapacity = 10;
inline constexpr int kCandidateCodeCapacity = 33;
inline constexpr int kPrivateCodeCount = 100;
inline constexpr int kCollectedCapacity = 33;
inline constexpr int kLearnCapacity = 1001;
inline constexpr int kLearnLimit = 1000;  // phrases remembered per run
inline constexpr int kLearnCodeCapacity = 33;
inline constexpr int kPreviewCount = 24;
inline constexpr int kKeypadLengths = 8;
inline constexpr int kKeypadFirstPage = 4;
inline constexpr int kSentenceCapacity = 101;
inline constexpr int kPhraseCapacity = 1201;
inline constexpr int kPhraseCodeCapacity = 31;
inline constexpr int kLetterCount = 26;
inline constexpr int kPhraseKeyCapacity = 501;
inline constexpr int kLetterPairCount = 676;
inline constexpr int kAbbrevCapacity = 1001;
inline constexpr int kAbbrevCodeCapacity = 17;
inline constexpr int kMaxInputLetters = 99;

struct TLumiskCand {
  // Dictionary header.
  int32 CharCount{};
  int32 WordIndexCount{};
  int32 ZcCount3{};

  // Lookup list (pinyin and keypad lookups).
  int32 LookupCount{};
  int32 LookupList[kLookupCapacity]{};
  int32 LookupVariants[kLookupCapacity]{};
  std::string LookupStrokes[kStrokeStringCapacity]{};

  // Spellings of srf_pub.py.
  std::vector<std::string> PinyinSyllables{};
  int32 PinyinSyllableCount{};

  // Word pool.
  int32 WordPoolCount{};
  int32 WordPoolGroups[kWordPoolCapacity]{};
  int32 WordPoolPatterns[kWordPoolCapacity]{};
  int32 WordPoolLengths[kWordPoolCapacity]{};
  int32 WordPoolSerials[kWordPoolCapacity]{};
  int32 WordPoolKinds[kWordPoolCapacity]{};
  int32 WordPoolCodes[kWordPoolCapacity][kWordCodeCapacity]{};
  int32 WordResultCount{};
  int32 WordResults[kWordPoolCapacity]{};
  int32 WordResultKinds[kWordPoolCapacity]{};
  int32 ReadingPatterns[kReadingPatternCount]{};
  byte FullListBuilt{};

  // User lexicon.
  int32 UserWordCodes[kUserWordCapacity][kUserWordCodeCapacity]{};
  int32 UserWordLengths[kUserWordCapacity]{};
  int32 UserWordKinds[kUserWordCapacity]{};
  std::string UserWordPinyin[kUserWordCapacity]{};
  std::string UserWordPinyinAlt[kUserWordCapacity]{};
  std::string UserWordInitials[kUserWordCapacity]{};
  int32 UserWordCount{};

  // Follow-on words and prediction.
  int32 AssociationList[kAssociationCapacity]{};
  int32 AssociationCount{};
  byte AssociationShown{};
  int32 AssocFirstChar{};
  int32 AssocPrefix[kAssocPrefixCapacity]{};
  int32 AssocPrefixLength{};
  int32 FollowOnRows[kFollowOnCapacity][kFollowOnCodeCapacity]{};
  int32 FollowOnLengths[kFollowOnCapacity]{};
  int32 FollowOnGroups[kFollowOnCapacity]{};
  int32 FollowOnCount{};
  int32 ChainCodes[kChainCapacity]{};
  int32 ChainLength{};
  int32 PredictedChars[kPredictedCapacity]{};
  int32 PredictedCharCount{};

  // Result list and paging.
  int32 PageIndex{};
  int32 ResultCount{};
  int32 ResultIds[kResultCapacity]{};
  int32 ResultKinds[kResultCapacity]{};
  std::string ResultStrokes[kStrokeStringCapacity]{};

  // Candidate page: slot i of every array describes the same candidate.
  int32 CandidateCount{};
  int32 CandidateIds[kPageCapacity]{};
  std::string CandidateTexts[kPageCapacity]{};
  std::string CandidateOutputs[kPageCapacity]{};
  int32 CandidateKinds[kPageCapacity]{};
  std::string CandidateGlosses[kPageCapacity]{};
  std::string CandidateDictTexts[kPageCapacity]{};
  int32 CandidateFirstCodes[kPageCapacity]{};
  int32 CandidateCharCodes[kPageCapacity][kCandidateCodeCapacity]{};
  int32 CandidateCharCounts[kPageCapacity]{};
  int32 CandidatesPerPage{};

  // Typing state.
  int32 QuoteState{};
  std::string PrivateCodes[kPrivateCodeCount]{};
  std::string InputText{};
  std::string RemainingInput{};
  byte WordSplitActive{};
  int32 SelectedIndex{};

  // Switches.
  byte EnglishMode{};
  byte AutoAssociate{};
  byte ShowDictionary{};
  byte ShowEnglish{};
  byte DictPanelOpen{};

  // Learning.
  int32 CollectedCodes[kCollectedCapacity]{};
  int32 CollectedCodeCount{};
  int32 CollectedWordCount{};
  std::string CollectedText{};
  int32 LearnCodes[kLearnCapacity][kLearnCodeCapacity]{};
  int32 LearnLengths[kLearnCapacity]{};
  int32 LearnKinds[kLearnCapacity]{};
  byte LearnSaved[kLearnCapacity]{};
  int32 LearnCount{};
  // Whether the typist was told this run that the learned list, or the user lexicon, is full
  // and its oldest learned words give way.
  byte LearnFullTold{};
  byte LexiconFullTold{};

  // Method: 0-2 pinyin, 3-5 keypad; modulo 3 the class simplified, traditional, variant.
  int32 MethodClass{};

  // Keypad engine.
  int32 KeypadPreviewCounts[6]{};
  std::string KeypadPreviews[kPreviewCount]{};
  int32 FirstPageCounts[kKeypadLengths]{};
  int32 FirstPageChars[kKeypadLengths][kKeypadFirstPage]{};
  std::string FirstPageStrokes[kKeypadLengths][kKeypadFirstPage]{};

  // Whole-sentence engine.
  int32 SentenceCodes[kSentenceCapacity]{};
  std::string DefaultSentence{};
  int32 SentenceCodeCount{};
  int32 PhraseCount{};
  int32 PhraseLengths[kPhraseCapacity]{};
  std::string PhrasePinyin[kPhraseCapacity]{};
  int32 PhraseAttrs[kPhraseCapacity]{};
  int32 PhraseCodes[kPhraseCapacity][kPhraseCodeCapacity]{};
  std::string PhraseKeys[kLetterCount][kPhraseKeyCapacity]{};
  int32 PhraseKeyCounts[kLetterCount]{};
  int32 PhraseBlockSizes[kLetterCount][kPhraseKeyCapacity]{};
  int32 PhraseBlockOffsets[kLetterCount][kPhraseKeyCapacity]{};
  int32 AbbrevBlockSizes[kLetterPairCount]{};
  int32 AbbrevBlockOffsets[kLetterPairCount]{};
  std::string AbbrevInitials[kAbbrevCapacity]{};
  int32 AbbrevCodes[kAbbrevCapacity][kAbbrevCodeCapacity]{};
  int32 AbbrevLengths[kAbbrevCapacity]{};
  int32 AbbrevCount{};
};

// The single engine record, zero-filled at process start.
extern TLumiskCand SrfState;

// Puts SrfState back to its zero-filled start state (tests, reload) and advances the engine
// generation, so the engines' caches are emptied on their next use.
void ResetEngineState();

}  // namespace dazi
