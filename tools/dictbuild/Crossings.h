// Geometry of the 叉 stroke class and of hooks, from the median lines and outlines.
#pragma once

#include <vector>

#include "tools/dictbuild/Medians.h"

namespace dazi::dictbuild {

// Two strokes cross when their median lines meet at a point from which both strokes go on
// past the other's outline, on both sides, by a real arm (20 units and a tenth of the
// stroke's length). Strokes that only touch at an end or a joint do not cross.
bool StrokesCross(const StrokeShape& a, const StrokeShape& b);

// crosses[i][j] for every pair of strokes of a character.
std::vector<std::vector<bool>> CrossingMatrix(const CharShape& shape);

// Splits the strokes [begin, end) into runs typed as one stroke each: a run of two or more
// strokes is a maximal run of consecutive strokes whose crossings within the run join them
// all (a 叉); a stroke crossing nothing stands alone. Returns the first stroke of each run
// and, as the last element, end.
std::vector<int> CrossingRuns(const std::vector<std::vector<bool>>& crosses, int begin, int end);

// True when a downward stroke turns back up at its end: the hook of 竖钩 and 弯钩, which
// the stroke data writes as a plain vertical.
bool EndsInHook(const std::vector<Point>& median);

}  // namespace dazi::dictbuild
