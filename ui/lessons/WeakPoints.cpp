#include "ui/lessons/WeakPoints.h"

#include <algorithm>

namespace dazi::lessons {
namespace {

constexpr int kWordsPerCharacter = 3;
constexpr int kCharactersPerLine = 10;
constexpr int kWordsPerLine = 6;

struct Weakness {
  std::string character;
  double wrongShare = 0;
  double extraKeys = 0;  // keys per time seen above the mean
};

}  // namespace

std::vector<std::string> WeakCharacters(const std::vector<CharTally>& stats) {
  long seen = 0, keys = 0;
  for (const CharTally& t : stats) {
    seen += t.seen;
    keys += t.keys;
  }
  if (seen == 0) return {};
  const double mean = static_cast<double>(keys) / static_cast<double>(seen);
  std::vector<Weakness> weak;
  for (const CharTally& t : stats) {
    if (t.seen <= 0) continue;
    const double share = static_cast<double>(t.wrong) / t.seen;
    const double extra = static_cast<double>(t.keys) / t.seen - mean;
    if (share > 0 || extra > 0) weak.push_back({t.character, share, std::max(extra, 0.0)});
  }
  std::stable_sort(weak.begin(), weak.end(), [](const Weakness& a, const Weakness& b) {
    if (a.wrongShare != b.wrongShare) return a.wrongShare > b.wrongShare;
    return a.extraKeys > b.extraKeys;
  });
  std::vector<std::string> characters;
  for (const Weakness& w : weak) {
    if (static_cast<int>(characters.size()) == kWeakCharacters) break;
    characters.push_back(w.character);
  }
  return characters;
}

std::optional<Lesson> MakeWeakPointsLesson(const std::vector<CharTally>& stats,
                                           const std::vector<std::string>& words) {
  const std::vector<std::string> weak = WeakCharacters(stats);
  if (weak.empty()) return std::nullopt;
  Lesson lesson;
  lesson.id = kWeakPointsId;
  lesson.title = kWeakPointsTitle;
  lesson.group = kWeakPointsTitle;
  std::string line;
  int count = 0;
  auto add = [&](const std::string& piece, int perLine) {
    line += piece;
    if (++count == perLine) {
      lesson.lines.push_back(std::move(line));
      line.clear();
      count = 0;
    }
  };
  auto flush = [&] {
    if (!line.empty()) lesson.lines.push_back(std::move(line));
    line.clear();
    count = 0;
  };
  for (const std::string& ch : weak) add(ch, kCharactersPerLine);
  flush();
  std::vector<std::string> chosen;
  for (const std::string& ch : weak) {
    int taken = 0;
    for (const std::string& word : words) {
      if (taken == kWordsPerCharacter) break;
      if (word.size() <= ch.size() || word.find(ch) == std::string::npos) continue;
      if (std::find(chosen.begin(), chosen.end(), word) != chosen.end()) continue;
      chosen.push_back(word);
      ++taken;
    }
  }
  for (std::size_t i = 0; i < chosen.size(); ++i)
    add(chosen[i] + (count + 1 == kWordsPerLine || i + 1 == chosen.size() ? "" : " "),
        kWordsPerLine);
  flush();
  return lesson;
}

}  // namespace dazi::lessons
