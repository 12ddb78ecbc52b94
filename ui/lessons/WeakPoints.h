// The "弱项练习" lesson: drawn from the history's character totals, the characters most often
// written wrong and those that cost more keys than the user's mean, with words holding them.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ui/lessons/Lesson.h"
#include "ui/lessons/LessonRun.h"

namespace dazi::lessons {

inline constexpr char kWeakPointsId[] = "weak";
inline constexpr char kWeakPointsTitle[] = "弱项练习";
inline constexpr int kWeakCharacters = 20;

// The weak characters, weakest first: by share written wrong, then by keys per time seen
// above the mean over all characters. Characters with neither are not weak.
std::vector<std::string> WeakCharacters(const std::vector<CharTally>& stats);

// The lesson: the weak characters, then words (from words, UTF-8) that hold one, each
// character's words up to a few. nullopt when the history has no weak character yet.
std::optional<Lesson> MakeWeakPointsLesson(const std::vector<CharTally>& stats,
                                           const std::vector<std::string>& words);

}  // namespace dazi::lessons
