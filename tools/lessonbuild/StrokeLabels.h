// Which stroke each digit of a character's KX code stands for, so the stroke pictures of the
// results label the strokes with the keys really typed: a 叉 once for the strokes it joins,
// nothing on the strokes the shape rules leave out, and the first strokes again where a
// short code repeats them.
#pragma once

#include <string>
#include <vector>

#include "tools/dictbuild/Medians.h"

namespace dazi::lessonbuild {

struct StrokeLabel {
  char key = 0;    // '1'-'6'
  int stroke = 0;  // index in writing order
};

// code: the character's main code as the dictionary holds it; ruleLength: the digits of it
// the typing rules give before a short code is extended by its first strokes (0 when not
// known); letters: rime's stroke classes (h s p n z), one per stroke of shape. The labels in
// code order, or empty when the code cannot be laid on the strokes.
std::vector<StrokeLabel> LabelStrokes(const std::string& code, std::size_t ruleLength,
                                      const std::string& letters,
                                      const dictbuild::CharShape& shape);

}  // namespace dazi::lessonbuild
