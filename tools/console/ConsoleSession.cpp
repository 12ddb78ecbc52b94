#include "tools/console/ConsoleSession.h"

#include <algorithm>
#include <charconv>

#include "engine/core/Gbk.h"
#include "engine/core/Unit_Data.h"
#include "tools/console/Json.h"
#include "tools/console/KeyTokens.h"

namespace dazi::console {
namespace {

// Parses a settings byte 0-255 written in decimal.
bool ParseByte(std::string_view text, int* value) {
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, *value);
  return ec == std::errc() && ptr == end && *value >= 0 && *value <= 255;
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\r')) text.remove_suffix(1);
  return text;
}

}  // namespace

std::string ErrorReport(std::string_view message) {
  JsonWriter json;
  json.BeginObject();
  json.Key("error");
  json.String(message);
  json.EndObject();
  return json.Text();
}

std::string ConsoleSession::HandleLine(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  if (!line.empty() && line.front() == ':') {
    const std::string error = RunCommand(line);
    return error.empty() ? Report() : ErrorReport(error);
  }
  const ParsedKeys parsed = ParseKeys(line);
  if (!parsed.error.empty()) return ErrorReport(parsed.error);
  for (const KeyEvent& key : parsed.keys) {
    if (key.character != kNoCharacter) controller_.Edit1KeyPress(static_cast<char>(key.character));
    controller_.Memo1KeyUp(key.virtualKey);
  }
  return Report();
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
    if (!controller_.AcceptSettings(static_cast<std::uint8_t>(value)))
      return "srf_pykx.set could not be written";
    return {};
  }
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
  } else if (name == ":reload") {
    c.BeginWordMaking();
    std::string error;
    if (!c.FinishWordMaking(&error)) return "srf_pub.zc could not be reopened: " + error;
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
  JsonWriter json;
  json.BeginObject();
  json.Key("input");
  json.String(Utf8FromGbk(s.InputText));
  json.Key("remaining");
  json.String(Utf8FromGbk(s.RemainingInput));
  json.Key("method");
  json.Number(s.MethodClass);
  json.Key("page");
  json.Number(s.PageIndex);
  json.Key("candidates");
  json.BeginArray();
  const int shown = s.CandidateCount < 0 ? 0 : std::min(s.CandidateCount, kPageCapacity);
  for (int i = 0; i < shown; ++i) {
    json.BeginObject();
    json.Key("text");
    json.String(Utf8FromGbk(s.CandidateTexts[i]));
    json.Key("output");
    json.String(Utf8FromGbk(s.CandidateOutputs[i]));
    json.Key("gloss");
    json.String(Utf8FromGbk(s.CandidateGlosses[i]));
    json.Key("kind");
    json.Number(s.CandidateKinds[i]);
    json.EndObject();
  }
  json.EndArray();
  json.Key("default");
  json.String(Utf8FromGbk(view.pinyin.labelDefault));
  json.Key("hint");
  // The hint lies on the pinyin panel: once the panel is hidden (the sentence written or
  // dropped) the hint is no longer shown, although the label itself was not hidden.
  json.Bool(view.pinyin.labelDefaultHintVisible && view.panelPYVisible);
  json.Key("panels");
  json.BeginObject();
  json.Key("input");
  json.Bool(view.panel2Visible);
  json.Key("pinyin");
  json.Bool(view.panelPYVisible);
  json.Key("keypad");
  json.Bool(view.panelKXVisible);
  json.Key("dict");
  json.Bool(view.panelZDVisible);
  json.EndObject();
  json.Key("previews");
  json.BeginArray();
  for (const std::string& preview : view.keypad.previews) json.String(Utf8FromGbk(preview));
  json.EndArray();
  json.Key("english");
  json.Bool(s.EnglishMode == 1);
  json.Key("status");
  json.BeginObject();
  json.Key("method");
  json.String(Utf8FromGbk(view.statusBar.label14));
  json.Key("class");
  json.String(Utf8FromGbk(view.statusBar.label15));
  json.Key("punct");
  json.String(Utf8FromGbk(view.statusBar.label17));
  json.EndObject();
  json.Key("output");
  json.String(Utf8FromGbk(controller_.OutputText()));
  json.EndObject();
  return json.Text();
}

}  // namespace dazi::console
