// The user's own text as a lesson: a .txt file in UTF-8 or GBK (told apart by whether the
// bytes are valid UTF-8), blank lines dropped, long lines cut to lesson lines, and characters
// that cannot be typed (no GBK code, control characters) left out and reported.
#pragma once

#include <optional>
#include <string>

#include "ui/lessons/Lesson.h"

namespace dazi::lessons {

inline constexpr int kUserLineCharacters = 30;
// A text file of more than this is not taken as a lesson (a megabyte is hours of typing).
inline constexpr std::size_t kLargestUserText = 1 << 20;

struct UserText {
  Lesson lesson;
  std::string encoding;  // "UTF-8" or "GBK"
  std::string skipped;   // the characters left out, each once, in order of appearance (UTF-8)
};

// The lesson made of bytes read from a file called name (its stem becomes the title); nullopt
// with the reason in *error when the bytes are neither UTF-8 nor GBK or hold nothing to type.
std::optional<UserText> UserTextFromBytes(std::string_view bytes, const std::string& name,
                                          std::string* error);

// The same for the file at path; *error also names a file that cannot be read.
std::optional<UserText> LoadUserText(const std::string& path, std::string* error);

}  // namespace dazi::lessons
