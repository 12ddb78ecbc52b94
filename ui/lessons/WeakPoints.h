// The "弱项练习" lesson: drawn from the history, the Chinese characters (never punctuation)
// written wrong most often and those now typed well below their own best pace, the characters
// written in their place drilled inside words beside them, and words holding the weak ones.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ui/lessons/Lesson.h"
#include "ui/lessons/LessonRun.h"
#include "ui/lessons/WeakPointsRecords.h"

namespace dazi::lessons {

inline constexpr char kWeakPointsId[] = "weak";
inline constexpr char kWeakPointsTitle[] = "弱项练习";
inline constexpr int kWeakCharacters = 20;
// A character is judged only once it has been written this often.
inline constexpr int kSightingsBeforeWeak = 3;
// Slow: the recent pace this many times the best and at least kSlowerBySeconds behind it.
inline constexpr double kSlowerThanBest = 1.5;
inline constexpr double kSlowerBySeconds = 0.3;

// What the history holds for the lesson.
struct WeakPointsHistory {
  std::vector<CharTally> stats;
  std::vector<CharPace> pace;
  std::vector<Confusion> confusions;
};

// The weak characters, weakest first: by share written wrong, then by how far the recent pace
// lies behind the best. Characters seen fewer than kSightingsBeforeWeak times, and anything
// but Chinese characters, are never weak.
std::vector<std::string> WeakCharacters(const WeakPointsHistory& history);

// The lesson: the weak characters; for each confusion of a weak character with another one,
// words (from words, UTF-8) holding either, side by side; then words holding a weak character,
// each character's words up to a few. nullopt when the history has no weak character yet.
std::optional<Lesson> MakeWeakPointsLesson(const WeakPointsHistory& history,
                                           const std::vector<std::string>& words);

}  // namespace dazi::lessons
