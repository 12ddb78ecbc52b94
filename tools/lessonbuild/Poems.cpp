#include "tools/lessonbuild/Poems.h"

#include <nlohmann/json.hpp>

namespace dazi::lessonbuild {
namespace {

constexpr int kPoemsPerLesson = 6;

// The kinds taken, their names in the data (traditional) and in the lesson titles.
struct Kind {
  const char* data;
  const char* title;
};
constexpr Kind kKinds[] = {{"五言絕句", "五言绝句"}, {"七言絕句", "七言绝句"}};

const char* const kNumbers[] = {"一", "二", "三",   "四",   "五",   "六",   "七",  "八",
                                "九", "十", "十一", "十二", "十三", "十四", "十五"};

// What marks a note the brackets missed.
constexpr std::string_view kNoteMarks[] = {"一作", "通：", "(", ")", "（", "）"};

std::string Trimmed(std::string text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.back())) text.pop_back();
  std::size_t start = 0;
  while (start < text.size() && blank(text[start])) ++start;
  return text.substr(start);
}

}  // namespace

std::vector<std::string> WithoutNotes(const std::vector<std::string>& lines) {
  std::vector<std::string> out;
  int depth = 0;  // brackets open, carried from line to line
  for (const std::string& line : lines) {
    std::string kept;
    for (std::size_t at = 0; at < line.size();) {
      const std::string_view rest = std::string_view(line).substr(at);
      std::size_t length = 1;
      if (rest.starts_with("(") || rest.starts_with("（")) {
        length = rest[0] == '(' ? 1 : std::string_view("（").size();
        ++depth;
      } else if (rest.starts_with(")") || rest.starts_with("）")) {
        length = rest[0] == ')' ? 1 : std::string_view("）").size();
        if (depth > 0) --depth;
      } else if (depth == 0) {
        kept += line[at];
      }
      at += length;
    }
    kept = Trimmed(std::move(kept));
    if (!kept.empty()) out.push_back(std::move(kept));
  }
  return out;
}

std::string MakePoemLessons(std::string_view json, const Simplify& simplify,
                            std::vector<lessons::Lesson>* out, std::vector<std::string>* leftOut,
                            int* taken) {
  const nlohmann::json data = nlohmann::json::parse(json, nullptr, false);
  if (data.is_discarded() || !data.contains("content") || !data["content"].is_array())
    return "the poems are not the expected JSON";
  *taken = 0;
  int lessonNumber = 0;
  for (const Kind& kind : kKinds) {
    std::vector<std::vector<std::string>> poems;
    for (const auto& section : data["content"]) {
      if (section.value("type", "") != kind.data || !section.contains("content")) continue;
      for (const auto& poem : section["content"]) {
        const std::string name = poem.value("chapter", "") + " " + poem.value("author", "");
        std::vector<std::string> source;
        bool readable = poem.contains("paragraphs") && poem["paragraphs"].is_array();
        if (readable)
          for (const auto& paragraph : poem["paragraphs"]) {
            readable = readable && paragraph.is_string();
            if (readable) source.push_back(paragraph.get<std::string>());
          }
        std::vector<std::string> lines(1);
        std::string why = readable ? "" : "not the expected JSON";
        if (why.empty() && !simplify(name, &lines[0])) why = "the title cannot be typed";
        for (const std::string& line : WithoutNotes(source)) {
          if (!why.empty()) break;
          for (const std::string_view mark : kNoteMarks)
            if (line.find(mark) != std::string::npos) why = "a note is left: " + line;
          if (why.empty() && !simplify(line, &lines.emplace_back()))
            why = "cannot be typed: " + line;
        }
        if (why.empty() && lines.size() < 2) why = "no lines";
        if (why.empty())
          poems.push_back(std::move(lines));
        else
          leftOut->push_back("《" + poem.value("chapter", "") + "》 " + poem.value("author", "") +
                             ": " + why);
      }
    }
    const std::size_t groups = (poems.size() + kPoemsPerLesson - 1) / kPoemsPerLesson;
    for (std::size_t g = 0; g < groups; ++g) {
      if (g >= std::size(kNumbers)) {
        for (std::size_t p = g * kPoemsPerLesson; p < poems.size(); ++p)
          leftOut->push_back("《" + poems[p][0] + "》: more lessons than numbered");
        break;
      }
      lessons::Lesson lesson;
      lesson.id =
          "poem-" + std::string(lessonNumber < 9 ? "0" : "") + std::to_string(lessonNumber + 1);
      ++lessonNumber;
      lesson.title = std::string("唐诗三百首 ") + kind.title + " " + kNumbers[g];
      lesson.group = "古诗";
      for (std::size_t p = g * kPoemsPerLesson; p < poems.size() && p < (g + 1) * kPoemsPerLesson;
           ++p) {
        lesson.lines.insert(lesson.lines.end(), poems[p].begin(), poems[p].end());
        ++*taken;
      }
      out->push_back(std::move(lesson));
    }
  }
  return {};
}

}  // namespace dazi::lessonbuild
