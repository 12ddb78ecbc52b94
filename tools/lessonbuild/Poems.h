// Lessons of classical poems from the chinese-poetry data (唐诗三百首), in simplified
// characters.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/lessons/Lesson.h"

namespace dazi::lessonbuild {

// Maps traditional text to simplified; returns false for text that has a character the
// practice area cannot write.
using Simplify = std::function<bool(std::string_view traditional, std::string* simplified)>;

// The quatrains of tangshisanbaishou.json's text, a few poems to a lesson, each poem its title
// and poet on one line and then its lines. Empty error on success.
std::string MakePoemLessons(std::string_view json, const Simplify& simplify,
                            std::vector<lessons::Lesson>* out);

}  // namespace dazi::lessonbuild
