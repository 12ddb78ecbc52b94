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

}  // namespace

std::string MakePoemLessons(std::string_view json, const Simplify& simplify,
                            std::vector<lessons::Lesson>* out) {
  const nlohmann::json data = nlohmann::json::parse(json, nullptr, false);
  if (data.is_discarded() || !data.contains("content") || !data["content"].is_array())
    return "the poems are not the expected JSON";
  int lessonNumber = 0;
  for (const Kind& kind : kKinds) {
    std::vector<std::vector<std::string>> poems;
    for (const auto& section : data["content"]) {
      if (section.value("type", "") != kind.data || !section.contains("content")) continue;
      for (const auto& poem : section["content"]) {
        std::vector<std::string> lines;
        std::string heading;
        bool typeable =
            simplify(poem.value("chapter", "") + " " + poem.value("author", ""), &heading);
        lines.push_back(heading);
        if (poem.contains("paragraphs") && poem["paragraphs"].is_array()) {
          for (const auto& paragraph : poem["paragraphs"]) {
            std::string line;
            typeable =
                typeable && paragraph.is_string() && simplify(paragraph.get<std::string>(), &line);
            lines.push_back(line);
          }
        }
        if (typeable && lines.size() > 1) poems.push_back(std::move(lines));
      }
    }
    const std::size_t groups = (poems.size() + kPoemsPerLesson - 1) / kPoemsPerLesson;
    for (std::size_t g = 0; g < groups && g < std::size(kNumbers); ++g) {
      lessons::Lesson lesson;
      lesson.id =
          "poem-" + std::string(lessonNumber < 9 ? "0" : "") + std::to_string(lessonNumber + 1);
      ++lessonNumber;
      lesson.title = std::string("唐诗三百首 ") + kind.title + " " + kNumbers[g];
      lesson.group = "古诗";
      for (std::size_t p = g * kPoemsPerLesson; p < poems.size() && p < (g + 1) * kPoemsPerLesson;
           ++p)
        lesson.lines.insert(lesson.lines.end(), poems[p].begin(), poems[p].end());
      out->push_back(std::move(lesson));
    }
  }
  return {};
}

}  // namespace dazi::lessonbuild
