// Lessons of classical poems from the chinese-poetry data (唐诗三百首), in simplified
// characters, without the editors' notes on other readings.
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

// The poem's lines without the notes in brackets ("(明年 一作：年年)", "（名成 一作：名高）"),
// also where a note runs over several lines; lines left empty are dropped.
std::vector<std::string> WithoutNotes(const std::vector<std::string>& lines);

// The quatrains of tangshisanbaishou.json's text, a few poems to a lesson, each poem its title
// and poet on one line and then its lines. A poem that cannot be typed, or keeps a note, is
// left out and named in *leftOut with the reason; *taken counts those in the lessons. Empty
// error on success.
std::string MakePoemLessons(std::string_view json, const Simplify& simplify,
                            std::vector<lessons::Lesson>* out, std::vector<std::string>* leftOut,
                            int* taken);

}  // namespace dazi::lessonbuild
