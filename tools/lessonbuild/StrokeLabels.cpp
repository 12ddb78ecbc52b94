#include "tools/lessonbuild/StrokeLabels.h"

#include <algorithm>

#include "tools/dictbuild/Crossings.h"

namespace dazi::lessonbuild {
namespace {

constexpr std::size_t kShortCode = 3;  // codes this short are typed again from the start

// What one stroke may be typed as, besides being part of a 叉. Repaired: also a 竖 as 点,
// where the stroke data writes a 点 as 竖 and the dictionary's codes mend it (字's 宀).
bool Accepts(char letter, bool hook, char key, bool repaired) {
  switch (letter) {
    case 'h':
      return key == '1';
    case 's':
      return key == '2' || (hook && key == '5') || (repaired && key == '4');
    case 'p':
      return key == '3';
    case 'n':
      return key == '4';
    case 'z':
      return key == '5';
    default:
      return false;
  }
}

struct Strokes {
  const std::string& letters;
  bool repaired = false;
  std::vector<bool> hooks;
  std::vector<int> runEnd;  // for a stroke of a 叉, the end of its run; else its own index + 1
};

// Lays code[from..to) on strokes [0, n) in writing order: a 叉 digit on the first stroke of
// two or more of one crossing run (the whole run where the rest still fits), any other digit
// on a stroke of its class.
bool Lay(const Strokes& s, const std::string& code, std::size_t from, std::size_t to,
         std::vector<StrokeLabel>* out) {
  const int n = static_cast<int>(s.letters.size());
  const std::size_t digits = to - from;
  // fits[k][p]: digits k.. can be laid on strokes p..
  std::vector<std::vector<char>> fits(digits + 1, std::vector<char>(n + 1, 0));
  for (int p = 0; p <= n; ++p) fits[digits][static_cast<std::size_t>(p)] = 1;
  auto next = [&](std::size_t k, int q) {  // the stroke after digit k at q, or -1
    const char key = code[from + k];
    if (key == '6') {
      const int end = s.runEnd[static_cast<std::size_t>(q)];
      for (int j = end; j >= q + 2; --j)
        if (fits[k + 1][static_cast<std::size_t>(j)]) return j;
      return -1;
    }
    if (!Accepts(s.letters[static_cast<std::size_t>(q)], s.hooks[static_cast<std::size_t>(q)], key,
                 s.repaired))
      return -1;
    return fits[k + 1][static_cast<std::size_t>(q) + 1] ? q + 1 : -1;
  };
  for (std::size_t k = digits; k-- > 0;)
    for (int p = n - 1; p >= 0; --p)
      fits[k][static_cast<std::size_t>(p)] =
          fits[k][static_cast<std::size_t>(p) + 1] || next(k, p) >= 0;
  if (!fits[0][0]) return false;
  // The first digit on the first stroke that serves (a character's code starts with its first
  // strokes); each later one on the last stroke that leaves the rest a place, since the
  // strokes the rules leave out mostly end a part (扌's 提 in 打, the top's fifth stroke on).
  int p = 0;
  for (std::size_t k = 0; k < digits; ++k) {
    int q = p;
    if (k == 0) {
      while (next(k, q) < 0) ++q;
    } else {
      for (int last = n - 1; last >= p; --last)
        if (next(k, last) >= 0) {
          q = last;
          break;
        }
    }
    out->push_back({code[from + k], q});
    p = next(k, q);
  }
  return true;
}

}  // namespace

std::vector<StrokeLabel> LabelStrokes(const std::string& code, std::size_t ruleLength,
                                      const std::string& letters,
                                      const dictbuild::CharShape& shape) {
  const std::size_t n = letters.size();
  if (code.empty() || n == 0 || shape.size() != n) return {};
  Strokes s{letters, false, std::vector<bool>(n), std::vector<int>(n)};
  for (std::size_t i = 0; i < n; ++i) {
    s.hooks[i] = dictbuild::EndsInHook(shape[i].median);
    s.runEnd[i] = static_cast<int>(i) + 1;
  }
  const std::vector<int> runs =
      dictbuild::CrossingRuns(dictbuild::CrossingMatrix(shape), 0, static_cast<int>(n));
  for (std::size_t r = 0; r + 1 < runs.size(); ++r)
    for (int i = runs[r]; i < runs[r + 1]; ++i) s.runEnd[static_cast<std::size_t>(i)] = runs[r + 1];

  // A short code is followed by the first plain strokes again; where the rules' own length is
  // not known, a code of up to five digits may be one.
  std::vector<std::size_t> heads;
  if (ruleLength > 0 && ruleLength <= kShortCode && ruleLength < code.size())
    heads.push_back(ruleLength);
  heads.push_back(code.size());
  if (ruleLength == 0)
    for (std::size_t head = 1; head <= kShortCode && head < code.size(); ++head)
      if (code.size() - head <= 2) heads.push_back(head);
  // Where the strict reading fails, the code was mended from a part's own strokes: a 竖 of
  // the data may stand for 点, and two strokes the whole character's lines do not show
  // crossing may cross in the part (字's 子).
  for (const bool repaired : {false, true}) {
    s.repaired = repaired;
    if (repaired)
      for (std::size_t i = 0; i + 1 < n; ++i)
        s.runEnd[i] = std::max(s.runEnd[i], static_cast<int>(i) + 2);
    for (const std::size_t head : heads) {
      std::vector<StrokeLabel> labels;
      if (!Lay(s, code, 0, head, &labels)) continue;
      bool again = true;
      for (std::size_t t = head; t < code.size() && again; ++t) {
        const std::size_t stroke = std::min(t - head, n - 1);
        again = code[t] != '6' && Accepts(letters[stroke], s.hooks[stroke], code[t], repaired);
        labels.push_back({code[t], static_cast<int>(stroke)});
      }
      if (again) return labels;
    }
  }
  return {};
}

}  // namespace dazi::lessonbuild
