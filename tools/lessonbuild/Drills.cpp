#include "tools/lessonbuild/Drills.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <map>

namespace dazi::lessonbuild {
namespace {

using lessons::Lesson;
using lessons::LessonMethod;

constexpr int kCharacterGroup = 100;  // characters of one graded lesson
constexpr int kCharacterGroups = 10;  // up to the 1000 most frequent
constexpr int kWordGroup = 100;
constexpr int kTwoCharacterGroups = 5;
constexpr int kThreeCharacterGroups = 3;
constexpr int kStrokeDrill = 100;
constexpr int kComponentDrill = 20;
constexpr int kCharactersPerLine = 10;
constexpr int kWordsPerLine = 10;

// Lines of perLine items parted by blanks.
std::vector<std::string> Lines(const std::vector<std::string>& items, int perLine) {
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i % static_cast<std::size_t>(perLine) == 0)
      lines.emplace_back();
    else
      lines.back() += ' ';
    lines.back() += items[i];
  }
  return lines;
}

std::string Padded(int value, int width) {
  std::string text = std::to_string(value);
  return std::string(static_cast<std::size_t>(std::max(0, width - static_cast<int>(text.size()))),
                     '0') +
         text;
}

Lesson Make(std::string id, std::string title, std::string group, LessonMethod method,
            const std::vector<std::string>& items, int perLine) {
  Lesson lesson;
  lesson.id = std::move(id);
  lesson.title = std::move(title);
  lesson.group = std::move(group);
  lesson.method = method;
  lesson.lines = Lines(items, perLine);
  return lesson;
}

void AddCharacterGroups(const std::vector<DrillChar>& chars, std::vector<Lesson>* out) {
  for (int g = 0; g < kCharacterGroups; ++g) {
    const std::size_t first = static_cast<std::size_t>(g * kCharacterGroup);
    if (first >= chars.size()) break;
    std::vector<std::string> items;
    for (std::size_t i = first; i < chars.size() && i < first + kCharacterGroup; ++i)
      items.push_back(chars[i].utf8);
    const int from = g * kCharacterGroup + 1;
    const int to = from + static_cast<int>(items.size()) - 1;
    out->push_back(Make("chars-" + Padded(from, 4),
                        "常用字 " + std::to_string(from) + "-" + std::to_string(to), "常用字",
                        LessonMethod::Any, items, kCharactersPerLine));
  }
}

void AddWordGroups(const std::vector<DrillWord>& words, int length, int groups,
                   std::vector<Lesson>* out) {
  std::vector<std::string> all;
  for (const DrillWord& w : words)
    if (w.characters == length) all.push_back(w.utf8);
  const std::string name = length == 2 ? "二字词" : "三字词";
  for (int g = 0; g < groups; ++g) {
    const std::size_t first = static_cast<std::size_t>(g * kWordGroup);
    if (first >= all.size()) break;
    const std::vector<std::string> items(
        all.begin() + static_cast<long>(first),
        all.begin() + static_cast<long>(std::min(all.size(), first + kWordGroup)));
    const int from = g * kWordGroup + 1;
    const int to = from + static_cast<int>(items.size()) - 1;
    out->push_back(Make("words-" + std::to_string(length) + "-" + Padded(g + 1, 2),
                        name + " " + std::to_string(from) + "-" + std::to_string(to), "常用词",
                        LessonMethod::Any, items, kWordsPerLine));
  }
}

void AddStrokeDrills(const std::vector<DrillChar>& chars, std::vector<Lesson>* out) {
  // By the first key typed, which is not always the first stroke written (是 时 明 打 start
  // with 1 through a short component).
  static const std::array<const char*, 6> kNames{"横", "竖", "撇", "点", "折", "叉"};
  for (int key = 1; key <= 6; ++key) {
    std::vector<std::string> items;
    for (const DrillChar& c : chars) {
      if (static_cast<int>(items.size()) == kStrokeDrill) break;
      if (!c.strokes.empty() && c.strokes[0] == static_cast<char>('0' + key))
        items.push_back(c.utf8);
    }
    if (items.empty()) continue;
    out->push_back(Make("kx-first-" + std::to_string(key),
                        "首键为" + std::to_string(key) + "（" +
                            kNames[static_cast<std::size_t>(key - 1)] + "）的字",
                        "ＫＸ笔画", LessonMethod::Keypad, items, kCharactersPerLine));
  }
  std::vector<std::string> crossing;
  for (const DrillChar& c : chars) {
    if (static_cast<int>(crossing.size()) == kStrokeDrill) break;
    if (c.strokes.find('6') != std::string::npos) crossing.push_back(c.utf8);
  }
  out->push_back(Make("kx-crossing", "叉笔画（6）", "ＫＸ笔画", LessonMethod::Keypad, crossing,
                      kCharactersPerLine));
  // The four short components, each with the characters whose codes type it shortened.
  std::vector<std::string> components;
  for (const std::string_view part : {"疒", "口", "日", "扌"}) {
    int taken = 0;
    for (const DrillChar& c : chars) {
      if (taken == kComponentDrill) break;
      if (c.shortParts.find(part) == std::string::npos ||
          std::find(components.begin(), components.end(), c.utf8) != components.end())
        continue;
      components.push_back(c.utf8);
      ++taken;
    }
  }
  out->push_back(Make("kx-components", "四个简化部件：疒 口 日 扌", "ＫＸ笔画",
                      LessonMethod::Keypad, components, kCharactersPerLine));
}

void AddPinyinDrills(const std::vector<DrillChar>& chars, const std::vector<DrillWord>& words,
                     std::vector<Lesson>* out) {
  // The syllables with the most frequent characters: where the first-stroke letter saves paging.
  constexpr std::size_t kPool = 1500;
  constexpr std::size_t kSyllables = 12;
  constexpr std::size_t kPerSyllable = 8;
  std::map<std::string, std::vector<std::string>> bySyllable;
  for (std::size_t i = 0; i < chars.size() && i < kPool; ++i)
    if (!chars[i].syllable.empty()) bySyllable[chars[i].syllable].push_back(chars[i].utf8);
  std::vector<std::pair<std::string, std::vector<std::string>>> crowded(bySyllable.begin(),
                                                                        bySyllable.end());
  std::stable_sort(crowded.begin(), crowded.end(),
                   [](const auto& a, const auto& b) { return a.second.size() > b.second.size(); });
  Lesson letters;
  letters.id = "py-stroke-letters";
  letters.title = "首笔字母 h s p d z";
  letters.group = "拼音技巧";
  letters.method = LessonMethod::Pinyin;
  for (std::size_t s = 0; s < crowded.size() && s < kSyllables; ++s) {
    std::vector<std::string>& list = crowded[s].second;
    if (list.size() > kPerSyllable) list.resize(kPerSyllable);
    std::string line;
    for (const std::string& ch : list) line += (line.empty() ? "" : " ") + ch;
    letters.lines.push_back(line);
  }
  if (!letters.lines.empty()) out->push_back(std::move(letters));
  std::vector<std::string> idioms;
  for (const DrillWord& w : words) {
    if (idioms.size() == static_cast<std::size_t>(kWordGroup)) break;
    if (w.characters == 4) idioms.push_back(w.utf8);
  }
  out->push_back(
      Make("py-initials", "简拼：四字词只打声母", "拼音技巧", LessonMethod::Pinyin, idioms, 5));
}

}  // namespace

std::vector<Lesson> MakeDrills(const std::vector<DrillChar>& chars,
                               const std::vector<DrillWord>& words) {
  std::vector<Lesson> out;
  AddCharacterGroups(chars, &out);
  AddWordGroups(words, 2, kTwoCharacterGroups, &out);
  AddWordGroups(words, 3, kThreeCharacterGroups, &out);
  AddStrokeDrills(chars, &out);
  AddPinyinDrills(chars, words, &out);
  return out;
}

}  // namespace dazi::lessonbuild
