#include "ui/lessons/CodeHint.h"

#include "ui/lessons/CharacterFacts.h"

namespace dazi::lessons {

bool CodeHint::Ask(const LessonRun& run) {
  const LessonFigures f = run.Figures();
  if (f.done || run.Stopped() || f.position >= f.length) return false;
  if (place_ != f.position) ++used_;
  place_ = f.position;
  return true;
}

std::optional<HintShown> CodeHint::Shown(const LessonRun& run) const {
  if (place_ < 0 || run.Figures().position != place_) return std::nullopt;
  HintShown hint;
  hint.place = place_;
  hint.character = run.TargetChar(place_);
  const CharacterFacts facts = FactsOf(hint.character);
  hint.pinyin = facts.pinyin;
  hint.code = facts.strokes;
  return hint;
}

}  // namespace dazi::lessons
