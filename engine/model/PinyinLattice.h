// How a run of pinyin letters can be cut, letter by letter: the syllables that begin at each
// letter (every one, not only the longest, so that xian is also xi'an), the runs of initials
// (letters at which no syllable of two or more letters begins, as the rule-based conversion
// reads them), and the syllables an unfinished last syllable may become. Breaks (an
// apostrophe or space in the typed text) end a syllable.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dazi::model {

struct SyllableMatch {
  int syllable = 0;  // SyllableTable index
  int length = 0;
};

class PinyinLattice {
 public:
  // letters: a-z only. breaks[i] true: a syllable may not run across the start of letter i
  // (breaks may be shorter than letters; missing entries are false).
  void SetText(std::string_view letters, const std::vector<bool>& breaks = {});

  std::size_t Size() const { return letters_.size(); }
  std::string_view Letters() const { return letters_; }

  // The syllables that begin at pos and end within the text, longest first.
  const std::vector<SyllableMatch>& SyllablesAt(std::size_t pos) const { return syllables_[pos]; }

  // Whether a run of two or more initials begins at pos (the letters from pos on at which no
  // syllable of two or more letters begins); such a run reads as the initials of words.
  bool InInitialsRun(std::size_t pos) const { return runLength_[pos] >= 2; }
  // The end of the run of initials that begins at pos.
  std::size_t InitialsRunEnd(std::size_t pos) const { return pos + runLength_[pos]; }
  // Whether no syllable at all begins at pos: the letter can only stand for an initial.
  bool BeginsNoSyllable(std::size_t pos) const { return syllables_[pos].empty(); }

  // The syllables the letters from pos to the end begin, when those letters are no whole
  // syllable but the start of one (an unfinished last syllable); else empty.
  const std::vector<int>& UnfinishedSyllables(std::size_t pos) const;

 private:
  bool CrossesBreak(std::size_t pos, std::size_t length) const;
  std::vector<int> FindUnfinished(std::size_t pos) const;

  std::string letters_;
  std::vector<bool> breaks_;
  std::vector<std::vector<SyllableMatch>> syllables_;
  std::vector<std::size_t> runLength_;
  std::vector<std::vector<int>> unfinished_;  // for the last few positions only
};

}  // namespace dazi::model
