#include "tools/console/ConsoleSession.h"

#include <algorithm>
#include <charconv>
#include <nlohmann/json.hpp>

#include "engine/core/Gbk.h"
#include "engine/core/MethodClass.h"
#include "engine/core/Unit_Data.h"
#include "engine/dict/DictLayout.h"
#include "engine/model/ModelSentence.h"
#include "engine/user/DataFolder.h"
#include "tools/console/Json.h"
#include "ui/controller/DefaultSentence.h"
#include "ui/controller/KeyTokens.h"

namespace dazi::console {
namespace {

// Parses a settings byte 0-255 written in decimal.
bool ParseByte(std::string_view text, int* value) {
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, *value);
  return ec == std::errc() && ptr == end && *value >= 0 && *value <= 255;
}

// :sentence rules|model: the whole-sentence engine, stored as the settings dialog stores it.
std::string ChooseSentenceMethod(std::string_view argument) {
  if (argument != "rules" && argument != "model") return "sentence wants rules or model";
  const SentenceMethod method =
      argument == "model" ? SentenceMethod::kModel : SentenceMethod::kRules;
  if (method == SentenceMethod::kModel && !SentenceModelLoaded())
    return "no sentence model: srf_pub.ngm is missing from the data folder or damaged";
  if (!AcceptSentenceMethod(method)) return "srf_sentence.set could not be written";
  return {};
}

Json LessonReport(const lessons::LessonRun& run) {
  const lessons::LessonFigures f = run.Figures();
  const lessons::Lesson& lesson = run.Source();
  return Json{{"id", lesson.id},
              {"title", lesson.title},
              {"line", lesson.lines[static_cast<std::size_t>(run.CurrentLine())]},
              {"position", f.position},
              {"length", f.length},
              {"right", f.right},
              {"wrong", f.wrong},
              {"keys", f.keys},
              {"backspaces", f.backspaces},
              {"corrected", f.corrected},
              {"seconds", f.seconds},
              {"cpm", f.cpm},
              {"accuracy", f.accuracy},
              {"code_length", f.keysPerCharacter},
              {"keys_per_second", f.keysPerSecond},
              {"minutes", static_cast<int>(f.limitSeconds / 60)},
              {"paused", f.paused},
              {"done", f.done}};
}

// The lesson's hints: how many were asked for, and the one showing, with the pinyin or the KX
// code as the method in use types it.
void AddHint(const lessons::CodeHint& hint, const lessons::LessonRun& run, bool keypad,
             Json* lesson) {
  (*lesson)["hints"] = hint.Used();
  const std::optional<lessons::HintShown> shown = hint.Shown(run);
  if (!shown) return;
  (*lesson)["code_hint"] = keypad
                               ? Json{{"character", shown->character}, {"code", shown->code}}
                               : Json{{"character", shown->character}, {"pinyin", shown->pinyin}};
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\r')) text.remove_suffix(1);
  return text;
}

}  // namespace

std::string ErrorReport(std::string_view message) {
  return JsonLine(Json{{"error", message}});
}

ConsoleSession::ConsoleSession()
    : ConsoleSession(SuppliedFolder() + "/" + lessons::kLessonsFolder) {}

ConsoleSession::ConsoleSession(std::string lessonsFolder)
    : ConsoleSession(std::move(lessonsFolder), lessons::SteadySeconds) {}

ConsoleSession::ConsoleSession(lessons::LessonRun::Clock clock)
    : ConsoleSession(ExecutableFolder() + "/" + lessons::kLessonsFolder, std::move(clock)) {}

ConsoleSession::ConsoleSession(std::string lessonsFolder, lessons::LessonRun::Clock clock)
    : catalogue_(std::move(lessonsFolder)),
      lessons_(controller_, lessons::kHistoryFile, std::move(clock)) {}

std::string ConsoleSession::ListLessons() {
  Json list = Json::array();
  for (const lessons::Lesson& lesson : catalogue_.Lessons()) {
    list.push_back(Json{{"id", lesson.id},
                        {"title", lesson.title},
                        {"group", lesson.group},
                        {"method", lessons::MethodName(lesson.method)}});
    int length = 0;
    for (const std::string& line : lesson.lines) length += lessons::TypedCharacters(line);
    list.back()["length"] = length;
    list.back()["segments"] = lessons::SplitIntoSegments(lesson).size();
  }
  return JsonLine(Json{{"lessons", std::move(list)}});
}

std::string ConsoleSession::RunLessonCommand(std::string_view argument) {
  if (argument.empty()) return "lesson wants a lesson id, a .txt file or end";
  if (argument == "end") {
    if (!lessons_.Running()) return "no lesson is running";
    lessons_.End();
    return {};
  }
  if (argument == "again" || argument == "next-segment" || argument == "next")
    return RunFollowUpCommand(argument);
  // ID --minutes N: a timed test over the lesson's text.
  int minutes = 0;
  if (const std::size_t option = argument.find(" --minutes"); option != std::string_view::npos) {
    const std::string_view value = Trim(argument.substr(option + 10));
    const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), minutes);
    if (ec != std::errc() || end != value.data() + value.size() ||
        !lessons::IsTimedTestLength(minutes))
      return "--minutes wants 1, 3 or 5";
    argument = Trim(argument.substr(0, option));
  }
  std::vector<std::string> notices;
  std::string error;
  std::optional<lessons::Lesson> lesson =
      catalogue_.Resolve(std::string(argument), lessons_.History(), &notices, &error);
  for (const std::string& notice : notices) Notify(notice);
  if (!lesson) return error;
  if (minutes > 0) {  // a timed test runs over the whole text, in one piece
    segments_.reset();
    lessons_.Start(std::move(*lesson), minutes);
    return {};
  }
  segments_.emplace(std::move(*lesson));
  lessons_.Start(segments_->Current());
  return {};
}

std::string ConsoleSession::RunFollowUpCommand(std::string_view argument) {
  if (!segments_) return "no lesson was started";
  if (argument == "next") {
    const std::string next = lessons::NextLessonId(catalogue_.Lessons(), segments_->Whole().id);
    if (next.empty()) return "no lesson follows " + segments_->Whole().id;
    return RunLessonCommand(next);
  }
  if (argument == "next-segment" && !segments_->Advance()) return "the lesson has no next segment";
  lessons_.Start(segments_->Current());
  return {};
}

std::string ConsoleSession::HandleLine(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  lessons_.Tick();  // a timed test's time may have run out since the last line
  if (!line.empty() && line.front() == ':') {
    if (Trim(line) == ":lessons") return ListLessons();
    const std::string error = RunCommand(line);
    return error.empty() ? ReportAndClearNotices() : ErrorReport(error);
  }
  const keys::ParsedKeys parsed = keys::ParseKeys(line);
  if (!parsed.error.empty()) return ErrorReport(parsed.error);
  for (const keys::KeyEvent& key : parsed.keys) {
    lessons_.KeyDown(key.virtualKey);
    if (key.character != keys::kNoCharacter) lessons_.KeyPress(static_cast<char>(key.character));
    lessons_.KeyUp(key.virtualKey);
  }
  return ReportAndClearNotices();
}

void ConsoleSession::Notify(const std::string& message) {
  if (!notice_.empty()) notice_ += '\n';
  notice_ += message;
}

std::string ConsoleSession::ReportAndClearNotices() {
  for (const std::string& message : controller_.TakeNotices()) Notify(message);
  for (const std::string& message : lessons_.TakeNotices()) Notify(message);
  std::string report = Report();
  notice_.clear();
  return report;
}

std::string ConsoleSession::RunCommand(std::string_view line) {
  const std::string_view command = Trim(line);
  const std::size_t space = command.find(' ');
  const std::string_view name = command.substr(0, space);
  const std::string_view argument =
      space == std::string_view::npos ? std::string_view() : Trim(command.substr(space));
  if (name == ":settings") {
    int value = 0;
    if (!ParseByte(argument, &value)) return "settings wants a byte 0-255";
    std::string error;
    if (!controller_.AcceptSettings(static_cast<std::uint8_t>(value), &error))
      return std::string(kSettingsFile) + " could not be written: " + error;
    return {};
  }
  if (name == ":sentence") return ChooseSentenceMethod(argument);
  if (name == ":lesson") return RunLessonCommand(argument);
  if (!argument.empty()) return "command takes no argument: " + std::string(name);
  PracticeController& c = controller_;
  if (name == ":method") {
    c.Label14Click();
  } else if (name == ":pinyin") {
    c.SpeedButtonKXClick(PracticeController::MethodButton::Pinyin);
  } else if (name == ":keypad") {
    c.SpeedButtonKXClick(PracticeController::MethodButton::Keypad);
  } else if (name == ":class") {
    c.Label15Click();
  } else if (name == ":punct") {
    c.Label17Click();
  } else if (name == ":dict") {
    c.SpeedButtonKXZDClick();
  } else if (name == ":clear") {
    c.SpeedButton2Click();
  } else if (name == ":hint") {
    if (!lessons_.Running()) return "no lesson is running";
    if (!lessons_.Hint().Ask(*lessons_.Run())) return "the lesson has no character left to write";
  } else if (name == ":reload") {
    c.BeginWordMaking();
    std::string error;
    if (!c.FinishWordMaking(&error))
      return std::string(kZcFile) + " could not be reopened: " + error;
  } else {
    std::string shown(name);
    for (char& ch : shown)
      if (ch < 0x20 || ch > 0x7E) ch = '?';
    return "unknown command " + shown;
  }
  return {};
}

std::string ConsoleSession::Report() const {
  const TLumiskCand& s = SrfState;
  const ViewState& view = controller_.View();
  Json candidates = Json::array();
  const int shown = s.CandidateCount < 0 ? 0 : std::min(s.CandidateCount, kPageCapacity);
  for (int i = 0; i < shown; ++i) {
    candidates.push_back(Json{{"text", Utf8FromGbk(s.CandidateTexts[i])},
                              {"output", Utf8FromGbk(s.CandidateOutputs[i])},
                              {"gloss", Utf8FromGbk(s.CandidateGlosses[i])},
                              {"kind", s.CandidateKinds[i]}});
  }
  Json previews = Json::array();
  for (const std::string& preview : view.keypad.previews) previews.push_back(Utf8FromGbk(preview));
  Json report = {
      {"input", Utf8FromGbk(s.InputText)},
      {"remaining", Utf8FromGbk(s.RemainingInput)},
      {"method", s.MethodClass},
      {"page", s.PageIndex},
      {"candidates", std::move(candidates)},
      {"default", Utf8FromGbk(view.pinyin.labelDefault)},
      // The hint lies on the pinyin panel: once the panel is hidden (the sentence written or
      // dropped) the hint is no longer shown, although the label itself was not hidden.
      {"hint", view.pinyin.labelDefaultHintVisible && view.panelPYVisible},
      {"panels",
       {{"input", view.panel2Visible},
        {"pinyin", view.panelPYVisible},
        {"keypad", view.panelKXVisible},
        {"dict", view.panelZDVisible}}},
      {"previews", std::move(previews)},
      {"english", s.EnglishMode == 1},
      {"status",
       {{"method", Utf8FromGbk(view.statusBar.label14)},
        {"class", Utf8FromGbk(view.statusBar.label15)},
        {"punct", Utf8FromGbk(view.statusBar.label17)},
        {"language", Utf8FromGbk(view.statusBar.label13)},
        {"notice", notice_}}},
      {"output", Utf8FromGbk(controller_.OutputText())},
  };
  if (const lessons::LessonRun* run = lessons_.Run()) {
    report["lesson"] = LessonReport(*run);
    AddHint(lessons_.Hint(), *run, MethodOf(s.MethodClass) == InputMethod::Keypad,
            &report["lesson"]);
    if (segments_) {
      report["lesson"]["segment"] = segments_->Index() + 1;
      report["lesson"]["segments"] = segments_->Count();
    }
  }
  return JsonLine(report);
}

}  // namespace dazi::console
