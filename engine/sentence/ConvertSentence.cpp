// Whole-sentence conversion: segments a run of pinyin letters into user words, initials
// abbreviations, phrases of the word file and single syllables, and builds DefaultSentence.
//
// The walk follows the documented step order exactly; two things make it fast without
// changing a result. The phrase blocks come parsed from PhraseBlockCache with an index by
// pinyin, and the user lexicon is searched through UserWordIndex. The phrase list of SrfState
// is written once at the end with the block loaded last, as the step-by-step loads leave it.
#include "engine/sentence/ConvertSentence.h"

#include <algorithm>
#include <memory>

#include "engine/core/MethodClass.h"
#include "engine/dict/DictFiles.h"
#include "engine/dict/DictLayout.h"
#include "engine/pinyin/SyllableTable.h"
#include "engine/sentence/DefaultSyllableChar.h"
#include "engine/sentence/PhraseBlocks.h"
#include "engine/sentence/internal/PhraseBlockCache.h"
#include "engine/sentence/internal/SentenceInternals.h"
#include "engine/sentence/internal/UserWordIndex.h"

namespace dazi {

namespace {

using sentence::AppendSentenceCodes;
using sentence::PhraseBlock;

// What the walk needs of a phrase entry, copied out before another block is loaded.
struct FoundPhrase {
  int32 attr = 0;
  int32 length = 0;
  int32 codes[kPhraseCodeCapacity]{};
};

class SentenceWalk {
 public:
  explicit SentenceWalk(std::string_view text) : text_(text) {}

  void Run() {
    SrfState.SentenceCodeCount = 0;
    LoadBlock(text_);
    SetPosition(0);
    while (pos_ < text_.size() && n_ != 0) Step();
    // The phrase list ends as the last successful load left it.
    if (loaded_) sentence::CopyPhraseBlockToState(*list_);
  }

 private:
  void SetPosition(std::size_t pos) {
    pos_ = std::min(pos, text_.size());
    rest_ = text_.substr(pos_);
    n_ = rest_.size();
    initialsTried_ = false;
  }

  void Advance(std::size_t m) {
    SetPosition(pos_ + m);
    if (n_ >= 4) LoadBlock(rest_);
  }

  void LoadBlock(std::string_view s) {
    if (s.size() < 4) return;
    if (auto loaded = sentence::PhraseBlockFor(s)) {
      list_ = std::move(loaded);
      loaded_ = true;
    }
  }

  // FindPhrase on the phrase list in effect: the block loaded last in this walk, or the
  // list SrfState held before it while nothing has been loaded.
  bool FindInList(std::string_view s, FoundPhrase* found) {
    if (!list_) list_ = sentence::PhraseBlockFromState();
    const int32 w = list_->Find(s);
    if (w < 0) return false;
    const sentence::PhraseEntry& e = list_->entries[static_cast<std::size_t>(w)];
    found->attr = e.attr;
    found->length = e.length;
    std::copy(e.codes, e.codes + e.length, found->codes);
    return true;
  }

  void Step() {
    // A run of initials gives the same answer for every trial length at one position, so
    // it is tried once per position.
    if (n_ >= 2 && !initialsTried_) {
      initialsTried_ = true;
      if (TryInitialsRun()) return;
    }
    if (n_ <= 3) {
      Advance(static_cast<std::size_t>(AppendSyllableChar(rest_)));
      return;
    }
    const std::string_view prefix = rest_.substr(0, n_);
    if (const int32 u = sentence::IndexedUserWord(prefix); u >= 0) {
      AppendUserWord(u);
      Advance(n_);
      return;
    }
    if (n_ <= 5) {
      SrfState.WordSplitActive = 0;  // the trial appends and takes back a syllable
      if (static_cast<std::size_t>(LongestSyllable(rest_)) == n_) {
        Advance(static_cast<std::size_t>(AppendSyllableChar(rest_)));
        return;
      }
    }
    FoundPhrase w;
    if (!FindInList(prefix, &w)) {
      --n_;
      return;
    }
    TakePhrase(w);
  }

  bool TryInitialsRun() {
    const int32 k = CountLeadingInitials(rest_);
    if (k < 2) return false;
    const std::string initials(rest_.substr(0, static_cast<std::size_t>(k)));
    if (const int32 u = sentence::IndexedUserWordByInitials(initials); u >= 0) {
      AppendUserWord(u);
      Advance(static_cast<std::size_t>(k));
      return true;
    }
    if (LoadAbbrevBlock(initials) > 0) {
      const int32 b = FindAbbrev(initials);
      if (b >= 0) {
        AppendSentenceCodes(SrfState.AbbrevCodes[b], SrfState.AbbrevLengths[b]);
        Advance(static_cast<std::size_t>(SrfState.AbbrevLengths[b]));
        return true;
      }
    }
    return false;
  }

  void AppendUserWord(int32 u) {
    AppendSentenceCodes(SrfState.UserWordCodes[u],
                        std::clamp<int32>(SrfState.UserWordLengths[u], 0, kUserWordCodeCapacity));
  }

  // The two-character rules for the phrase w spelled by the first n letters of the rest.
  void TakePhrase(const FoundPhrase& w) {
    // The first syllable's letter count comes with the data; keep it inside the word so a
    // bad record cannot stall or overrun the walk.
    const std::size_t f = std::clamp<std::size_t>(
        static_cast<std::size_t>(PhraseFirstSyllableLetters(w.attr)), 1, n_);
    const int32 level = PhraseLevel(w.attr);
    const bool twoChars = w.length == 2;
    const bool textFollows = pos_ + n_ < text_.size();
    const std::string_view after = rest_.substr(n_);

    // "ng" after the word: its second syllable plus "ng" is one syllable (…ba + ng = bang).
    if (twoChars && textFollows && after.starts_with("ng") &&
        IsOneSyllable(rest_.substr(f, n_ + 2 - f))) {
      TakeFirstSyllable(f);
      return;
    }
    // One letter after the word: its second syllable plus that letter is one syllable and
    // the letters after the word begin no syllable of their own.
    if (twoChars && textFollows && IsOneSyllable(rest_.substr(f, n_ + 1 - f)) &&
        SyllableBeginsWith(after.substr(0, 2)) < 2) {
      TakeFirstSyllable(f);
      return;
    }
    const int32 before = SrfState.SentenceCodeCount;
    AppendSentenceCodes(w.codes, w.length);

    // Overlap: a word of level 1 or more gives way to a longer word, or to a two-character
    // word of a lower level, that begins at its second syllable and reaches beyond it.
    if (twoChars && level > 0 && text_.size() - pos_ - f > 3 && textFollows) {
      const std::string_view second = rest_.substr(f);
      LoadBlock(second);
      FoundPhrase v;
      for (std::size_t m = second.size(); m >= n_ - f + 1; --m) {
        if (!FindInList(second.substr(0, m), &v)) continue;
        if (v.length > 2 || (v.length == 2 && PhraseLevel(v.attr) < level)) {
          SrfState.SentenceCodeCount = before;
          TakeFirstSyllable(f);
          return;
        }
        break;
      }
    }
    Advance(n_);
  }

  static bool IsOneSyllable(std::string_view s) {
    return static_cast<std::size_t>(LongestSyllable(s)) == s.size();
  }

  void TakeFirstSyllable(std::size_t f) {
    Advance(static_cast<std::size_t>(AppendSyllableChar(rest_.substr(0, f))));
  }

  std::string_view text_;
  std::size_t pos_ = 0;
  std::string_view rest_;
  std::size_t n_ = 0;
  bool initialsTried_ = false;
  std::shared_ptr<const PhraseBlock> list_;  // null until loaded or first searched
  bool loaded_ = false;
};

// The variant class has no word-file entries and no default characters of its own: the
// sentence is built syllable by syllable with the simplified defaults.
void ConvertBySyllables(std::string_view text) {
  SrfState.SentenceCodeCount = 0;
  std::size_t pos = 0;
  while (pos < text.size()) pos += static_cast<std::size_t>(AppendSyllableChar(text.substr(pos)));
}

}  // namespace

void ConvertSentence(const std::string& pinyin) {
  const std::string text = pinyin;  // the caller may pass a field that the walk rewrites
  if (ClassOf(SrfState.MethodClass) == CharClass::Variant) {
    ConvertBySyllables(text);
  } else {
    SentenceWalk(text).Run();
  }
  std::string sentence;
  for (int32 i = 0; i < SrfState.SentenceCodeCount; ++i)
    sentence += CharText(SrfState.SentenceCodes[i]);
  SrfState.DefaultSentence = sentence;
}

}  // namespace dazi
