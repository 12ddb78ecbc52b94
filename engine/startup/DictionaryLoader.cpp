#include "engine/startup/DictionaryLoader.h"

#include <iterator>

#include "engine/core/DataLocation.h"
#include "engine/core/EngineGeneration.h"
#include "engine/core/TextTrim.h"
#include "engine/core/Unit_Data.h"
#include "engine/dict/DictFiles.h"
#include "engine/dict/DictLayout.h"
#include "engine/user/Settings.h"
#include "engine/user/UserLexicon.h"

namespace dazi {
namespace {

bool OpenStream(DictStream& stream, const char* name, LoadResult* result) {
  std::string reason;
  if (stream.Open(DictionaryPath(name), &reason)) return true;
  result->ok = false;
  result->message = std::string("Cannot open file \"") + name + "\": " + reason;
  return false;
}

void AddWarning(LoadResult* result, const std::string& text) {
  if (text.empty()) return;
  if (!result->warning.empty()) result->warning += '\n';
  result->warning += text;
}

void LoadZcHeader() {
  DictStream& zc = Dict.zc;
  SrfState.CharCount = static_cast<int32>(zc.ReadU16(kZcCharCountPos));
  SrfState.WordIndexCount = static_cast<int32>(zc.ReadU16(kZcWordIndexCountPos));
  SrfState.ZcCount3 = static_cast<int32>(zc.ReadU16(kZcCount3Pos));
  zc.Seek(ZcReadingPatternsPos(static_cast<std::size_t>(SrfState.CharCount),
                               static_cast<std::size_t>(SrfState.WordIndexCount)));
  for (int32& pattern : SrfState.ReadingPatterns) pattern = static_cast<int32>(zc.Next(1));
}

void LoadSpellings() {
  DictStream& py = Dict.py;
  SrfState.PinyinSyllableCount = static_cast<int32>(py.ReadU16(kPyCountPos));
  SrfState.PinyinSyllables.assign(static_cast<std::size_t>(SrfState.PinyinSyllableCount), {});
  py.Seek(PySpellingTextPos(1));
  for (std::string& text : SrfState.PinyinSyllables)
    text = TrimBlanks(py.NextBytes(kSpellingTextWidth));
}

}  // namespace

void BuildPrivateCodes() {
  unsigned lead = 0xAA, trail = 0xA1;
  for (std::string& code : SrfState.PrivateCodes) {
    code = {static_cast<char>(lead), static_cast<char>(trail)};
    if (++trail > 0xFE) {
      ++lead;
      trail = 0xA1;
    }
  }
}

static_assert(kCpyLetterPairs == kLetterPairCount, "one initials index entry per table slot");

void LoadPhraseIndex() {
  DictStream& cpy = Dict.cpy;
  cpy.Seek(kCpyKeyCountPos);
  const auto keyCount = cpy.Next(2);
  for (int32& count : SrfState.PhraseKeyCounts) count = 0;
  for (std::uint32_t k = 0; k < keyCount; ++k) {
    std::string key = cpy.NextBytes(kCpyKeyLetters);
    const auto blockSize = static_cast<int32>(cpy.Next(2));
    const auto blockOffset = static_cast<int32>(cpy.Next(3));
    if (key.empty() || key[0] < 'a' || key[0] > 'z') continue;  // no bucket for it
    const int bucket = key[0] - 'a';
    int32& slot = SrfState.PhraseKeyCounts[bucket];
    if (slot >= kPhraseKeyCapacity) continue;  // a full bucket keeps its first keys
    SrfState.PhraseKeys[bucket][slot] = key;
    SrfState.PhraseBlockSizes[bucket][slot] = blockSize;
    SrfState.PhraseBlockOffsets[bucket][slot] = blockOffset;
    ++slot;
  }
  cpy.Seek(CpyInitialsIndexPos(0));
  for (int i = 0; i < kLetterPairCount; ++i) {
    SrfState.AbbrevBlockSizes[i] = static_cast<int32>(cpy.Next(2));
    SrfState.AbbrevBlockOffsets[i] = static_cast<int32>(cpy.Next(3));
  }
}

void ReleaseCharTableForEditor() {
  Dict.zc.Close();
}

bool ReopenCharTableAfterEditor(std::string* error) {
  Dict.zc.Close();
  const bool reopened = Dict.zc.Open(DictionaryPath(kZcFile), error);
  LoadUserLexicon();
  return reopened;
}

LoadResult LoadDictionaries() {
  LoadResult result;
  AdvanceEngineGeneration();  // the streams and tables below are replaced
  std::string settingsProblem;
  ApplySettingsByte(LoadSettingsByte(&settingsProblem));
  AddWarning(&result, settingsProblem);

  DictStream* const streams[] = {&Dict.zc, &Dict.py, &Dict.pys, &Dict.lm, &Dict.cpy, &Dict.zy};
  for (std::size_t i = 0; i < std::size(streams); ++i)
    if (!OpenStream(*streams[i], kDictionaryFileNames[i], &result)) return result;

  LoadZcHeader();
  LoadSpellings();
  AddWarning(&result, EnsureUserFiles());
  LoadUserLexicon();
  BuildPrivateCodes();
  LoadPhraseIndex();
  SrfState.CandidatesPerPage = 10;
  SrfState.MethodClass = 0;
  return result;
}

}  // namespace dazi
