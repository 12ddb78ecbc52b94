#include "engine/model/PinyinLattice.h"

#include <algorithm>
#include <cstring>

#include "engine/pinyin/SyllableTable.h"

namespace dazi::model {

bool PinyinLattice::CrossesBreak(std::size_t pos, std::size_t length) const {
  for (std::size_t i = pos + 1; i < pos + length; ++i)
    if (breaks_[i]) return true;
  return false;
}

void PinyinLattice::SetText(std::string_view letters, const std::vector<bool>& breaks) {
  letters_.assign(letters);
  const std::size_t n = letters_.size();
  breaks_.assign(n + 1, false);
  std::copy_n(breaks.begin(), std::min(breaks.size(), n + 1), breaks_.begin());
  syllables_.assign(n, {});
  for (std::size_t pos = 0; pos < n; ++pos) {
    const char c = letters_[pos];
    if (c < 'a' || c > 'z') continue;
    const int* range = SyllableRanges[c - 'a'];
    // The group lists every syllable before its proper prefixes: longest first.
    for (int s = range[0]; s <= range[1]; ++s) {
      const std::size_t length = std::strlen(SyllableTable[s]);
      if (pos + length <= n && letters_.compare(pos, length, SyllableTable[s]) == 0 &&
          !CrossesBreak(pos, length))
        syllables_[pos].push_back({s, static_cast<int>(length)});
    }
  }
  // Runs of initials: letters where no syllable of two or more letters begins, counted from
  // each letter on as the rules count them from where their walk stands.
  runLength_.assign(n + 1, 0);
  for (std::size_t pos = n; pos-- > 0;) {
    const bool initial = syllables_[pos].empty() || syllables_[pos].front().length < 2;
    runLength_[pos] = !initial ? 0 : breaks_[pos + 1] ? 1 : runLength_[pos + 1] + 1;
  }
  // An unfinished syllable is shorter than the longest syllable (6 letters).
  unfinished_.assign(std::min<std::size_t>(n, 5), {});
  for (std::size_t k = 0; k < unfinished_.size(); ++k) unfinished_[k] = FindUnfinished(n - 1 - k);
}

const std::vector<int>& PinyinLattice::UnfinishedSyllables(std::size_t pos) const {
  static const std::vector<int> kNone;
  const std::size_t n = letters_.size();
  return pos < n && n - pos <= unfinished_.size() ? unfinished_[n - pos - 1] : kNone;
}

std::vector<int> PinyinLattice::FindUnfinished(std::size_t pos) const {
  std::vector<int> out;
  const std::size_t n = letters_.size();
  if (pos >= n || CrossesBreak(pos, n - pos)) return out;
  const std::string_view tail = std::string_view(letters_).substr(pos);
  const char c = tail[0];
  if (c < 'a' || c > 'z') return out;
  const int* range = SyllableRanges[c - 'a'];
  for (int s = range[0]; s <= range[1]; ++s) {
    const std::string_view syllable = SyllableTable[s];
    if (syllable == tail) return {};
    if (syllable.size() > tail.size() && syllable.starts_with(tail)) out.push_back(s);
  }
  return out;
}

}  // namespace dazi::model
