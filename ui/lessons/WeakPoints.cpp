#include "ui/lessons/WeakPoints.h"

#include <algorithm>
#include <unordered_map>

namespace dazi::lessons {
namespace {

constexpr int kWordsPerCharacter = 3;
constexpr int kConfusedPairs = 5;
constexpr int kWordsPerSide = 2;  // of each character of a confused pair
constexpr int kCharactersPerLine = 10;
constexpr int kWordsPerLine = 6;

struct Weakness {
  std::string character;
  double wrongShare = 0;
  double slowness = 0;  // recent pace over the best, when slow
};

// A CJK ideograph of the basic block or extension A (the characters lessons are made of).
bool IsHanzi(const std::string& utf8) {
  if (utf8.size() != 3) return false;
  const auto b = [&](std::size_t i) { return static_cast<unsigned char>(utf8[i]); };
  const char32_t cp =
      static_cast<char32_t>(((b(0) & 0x0F) << 12) | ((b(1) & 0x3F) << 6) | (b(2) & 0x3F));
  return (b(0) & 0xF0) == 0xE0 &&
         ((cp >= 0x4E00 && cp <= 0x9FFF) || (cp >= 0x3400 && cp <= 0x4DBF));
}

double Slowness(const CharPace& pace) {
  if (pace.best <= 0 || pace.recent < pace.best * kSlowerThanBest ||
      pace.recent - pace.best < kSlowerBySeconds)
    return 0;
  return pace.recent / pace.best;
}

// Words holding ch, not yet chosen, up to count of them.
std::vector<std::string> WordsWith(const std::string& ch, const std::vector<std::string>& words,
                                   int count, std::vector<std::string>* chosen) {
  std::vector<std::string> found;
  for (const std::string& word : words) {
    if (static_cast<int>(found.size()) == count) break;
    if (word.size() <= ch.size() || word.find(ch) == std::string::npos) continue;
    if (std::find(chosen->begin(), chosen->end(), word) != chosen->end()) continue;
    chosen->push_back(word);
    found.push_back(word);
  }
  return found;
}

// Items parted by blanks, perLine to a line.
void AddLines(const std::vector<std::string>& items, int perLine, const char* between,
              std::vector<std::string>* lines) {
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i % static_cast<std::size_t>(perLine) == 0)
      lines->emplace_back();
    else
      lines->back() += between;
    lines->back() += items[i];
  }
}

}  // namespace

std::vector<std::string> WeakCharacters(const WeakPointsHistory& history) {
  std::unordered_map<std::string, double> slowness;
  for (const CharPace& p : history.pace) slowness[p.character] = Slowness(p);
  std::vector<Weakness> weak;
  for (const CharTally& t : history.stats) {
    if (t.seen < kSightingsBeforeWeak || !IsHanzi(t.character)) continue;
    const double share = static_cast<double>(t.wrong) / t.seen;
    const auto slow = slowness.find(t.character);
    const double behind = slow == slowness.end() ? 0 : slow->second;
    if (share > 0 || behind > 0) weak.push_back({t.character, share, behind});
  }
  std::stable_sort(weak.begin(), weak.end(), [](const Weakness& a, const Weakness& b) {
    if (a.wrongShare != b.wrongShare) return a.wrongShare > b.wrongShare;
    return a.slowness > b.slowness;
  });
  std::vector<std::string> characters;
  for (const Weakness& w : weak) {
    if (static_cast<int>(characters.size()) == kWeakCharacters) break;
    characters.push_back(w.character);
  }
  return characters;
}

std::optional<Lesson> MakeWeakPointsLesson(const WeakPointsHistory& history,
                                           const std::vector<std::string>& words) {
  const std::vector<std::string> weak = WeakCharacters(history);
  if (weak.empty()) return std::nullopt;
  Lesson lesson;
  lesson.id = kWeakPointsId;
  lesson.title = kWeakPointsTitle;
  lesson.group = kWeakPointsTitle;
  AddLines(weak, kCharactersPerLine, "", &lesson.lines);

  std::vector<std::string> chosen;
  int pairs = 0;
  for (const Confusion& c : history.confusions) {
    if (pairs == kConfusedPairs) break;
    if (!IsHanzi(c.written) || c.written == c.expected ||
        std::find(weak.begin(), weak.end(), c.expected) == weak.end())
      continue;
    const std::vector<std::string> expected = WordsWith(c.expected, words, kWordsPerSide, &chosen);
    const std::vector<std::string> written = WordsWith(c.written, words, kWordsPerSide, &chosen);
    std::vector<std::string> line;
    for (std::size_t i = 0; i < std::max(expected.size(), written.size()); ++i) {
      if (i < expected.size()) line.push_back(expected[i]);
      if (i < written.size()) line.push_back(written[i]);
    }
    if (expected.empty()) line.insert(line.begin(), c.expected);
    if (written.empty()) line.push_back(c.written);
    AddLines(line, static_cast<int>(line.size()), " ", &lesson.lines);
    ++pairs;
  }

  std::vector<std::string> holding;
  for (const std::string& ch : weak)
    for (std::string& word : WordsWith(ch, words, kWordsPerCharacter, &chosen))
      holding.push_back(std::move(word));
  AddLines(holding, kWordsPerLine, " ", &lesson.lines);
  return lesson;
}

}  // namespace dazi::lessons
