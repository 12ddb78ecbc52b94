#include "ui/lessons/LessonRun.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "engine/core/Gbk.h"
#include "ui/controller/Punctuation.h"
#include "ui/lessons/Utf8Chars.h"

namespace dazi::lessons {
namespace {

// Splits GBK text into characters, leaving out blanks and line ends.
void SplitGbk(std::string_view text, std::vector<std::string>* chars) {
  chars->clear();
  for (std::size_t at = 0; at < text.size();) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = lead >= 0x81 && at + 1 < text.size() ? 2 : 1;
    if (!(length == 1 && (lead == ' ' || lead == '\r' || lead == '\n' || lead == '\t')))
      chars->emplace_back(text.substr(at, length));
    at += length;
  }
}

double Round1(double value) {
  return std::round(value * 10.0) / 10.0;
}

}  // namespace

LessonRun::LessonRun(Lesson lesson, Clock clock, double limitSeconds)
    : lesson_(std::move(lesson)), clock_(std::move(clock)), limitSeconds_(limitSeconds) {
  for (const std::string& line : lesson_.lines) {
    lineStarts_.push_back(static_cast<int>(target_.size()));
    for (const std::string_view ch : SplitUtf8(line)) {
      if (ch == " " || ch == "\xE3\x80\x80") continue;  // blanks only part words for the eye
      const std::string gbk = GbkFromUtf8(ch);
      target_.push_back({gbk, std::string(ch)});
    }
  }
  places_.resize(target_.size());
}

void LessonRun::CountKey(int virtualKey) {
  if (stopped_ || CheckTime()) return;
  const double now = clock_();
  if (!started_) {
    started_ = true;
    inStretch_ = true;
    stretchStart_ = now;
  } else if (!inStretch_) {
    inStretch_ = true;
    stretchStart_ = now;
  } else if (now - lastKey_ > kIdleSeconds) {
    // The clock stood kIdleSeconds after the last key; it goes on from this one.
    banked_ += lastKey_ + kIdleSeconds - stretchStart_;
    stretchStart_ = now;
  }
  lastKey_ = now;
  ++keys_;
  ++pendingKeys_;
  if (virtualKey == kVirtualKeyBack) ++backspaces_;
}

void LessonRun::WritePlace(std::size_t place, const std::string& gbk) {
  Place& p = places_[place];
  if (p.reached) ++corrected_;
  p.reached = true;
  const std::string& expected = target_[place].gbk;
  // An ASCII mark stands for the full-width mark of its key, as typed with ASCII punctuation.
  const bool asciiMark = gbk.size() == 1 && IsPunctuationKey(gbk[0]) && expected.size() == 2 &&
                         FullWidthFor(gbk[0], expected) == expected;
  if (gbk == expected || asciiMark) {
    p.result = p.everWrong ? CharResult::Corrected : CharResult::Right;
  } else {
    p.result = CharResult::Wrong;
    p.everWrong = true;
    p.writtenInstead.push_back(gbk);
  }
}

void LessonRun::Observe(std::string_view practiceText) {
  if (stopped_ || CheckTime() || practiceText == lastText_)
    return;  // most keys only change the input
  lastText_.assign(practiceText);
  lastChange_ = started_ ? ActiveAt(clock_()) : 0;
  std::vector<std::string>& now = scratch_;
  SplitGbk(practiceText, &now);
  std::size_t same = 0;
  while (same < now.size() && same < written_.size() && now[same] == written_[same]) ++same;
  if (same == now.size() && same == written_.size()) return;
  // Un-write what was taken away or replaced.
  for (std::size_t i = same; i < written_.size() && i < places_.size(); ++i)
    places_[i].result = CharResult::Pending;
  const std::size_t end = std::min(now.size(), places_.size());
  if (same < end) {
    // The keys since the last write are spread over the characters this write brought.
    const int count = static_cast<int>(end - same);
    const double writtenAt = Elapsed();
    for (std::size_t i = same; i < end; ++i) {
      places_[i].seconds += (writtenAt - lastWrite_) / count;
      WritePlace(i, now[i]);
      const int share = pendingKeys_ / count + (static_cast<int>(i - same) < pendingKeys_ % count);
      places_[i].keys += share;
    }
    pendingKeys_ = 0;
    lastWrite_ = writtenAt;
  }
  written_.assign(now.begin(), now.end());
  if (now.size() > same) {
    const LessonFigures figures = Figures();
    speed_.push_back({figures.seconds, figures.position, figures.cpm});
  }
  if (written_.size() >= places_.size() && !places_.empty()) Stop();
}

void LessonRun::Pause() {
  if (stopped_ || !inStretch_) return;
  banked_ = ActiveAt(clock_());
  inStretch_ = false;
}

bool LessonRun::CheckTime() {
  if (stopped_) return timeUp_;
  if (limitSeconds_ <= 0 || !started_ || ActiveAt(clock_()) < limitSeconds_) return false;
  timeUp_ = true;
  stopSeconds_ = limitSeconds_;
  stopped_ = true;
  return true;
}

void LessonRun::Stop() {
  if (stopped_) return;
  stopSeconds_ = lastChange_;
  stopped_ = true;
}

double LessonRun::ActiveAt(double t) const {
  if (!inStretch_) return banked_;
  // kIdleSeconds after the last key the clock stands.
  const double end = std::min(t, lastKey_ + kIdleSeconds);
  return banked_ + std::max(0.0, end - stretchStart_);
}

bool LessonRun::Paused() const {
  return started_ && !stopped_ && (!inStretch_ || clock_() - lastKey_ > kIdleSeconds);
}

double LessonRun::Elapsed() const {
  if (stopped_) return stopSeconds_;
  if (!started_) return 0;
  const double seconds = ActiveAt(clock_());
  return limitSeconds_ > 0 ? std::min(seconds, limitSeconds_) : seconds;
}

LessonFigures LessonRun::Figures() const {
  LessonFigures f;
  f.length = static_cast<int>(places_.size());
  f.position = static_cast<int>(std::min(written_.size(), places_.size()));
  int reached = 0;
  for (const Place& p : places_) {
    if (p.result == CharResult::Right || p.result == CharResult::Corrected) ++f.right;
    if (p.everWrong) ++f.wrong;
    if (p.reached) ++reached;
  }
  f.keys = keys_;
  f.backspaces = backspaces_;
  f.corrected = corrected_;
  const double seconds = Elapsed();
  f.seconds = Round1(seconds);
  f.cpm = seconds > 0 ? Round1(f.right * 60.0 / seconds) : 0;
  f.accuracy = reached > 0 ? Round1(100.0 * (reached - f.wrong) / reached) : 100;
  f.keysPerCharacter = f.position > 0 ? Round1(static_cast<double>(keys_) / f.position) : 0;
  f.keysPerSecond = seconds > 0 ? Round1(keys_ / seconds) : 0;
  f.limitSeconds = limitSeconds_;
  f.done = timeUp_ || (f.length > 0 && f.position == f.length);
  f.paused = Paused();
  return f;
}

std::string LessonRun::WrittenChar(int i) const {
  const auto at = static_cast<std::size_t>(i);
  return at < written_.size() ? Utf8FromGbk(written_[at]) : std::string();
}

int LessonRun::CurrentLine() const {
  const int position = static_cast<int>(written_.size());
  int line = 0;
  while (line + 1 < static_cast<int>(lineStarts_.size()) &&
         lineStarts_[static_cast<std::size_t>(line) + 1] <= position)
    ++line;
  return line;
}

std::vector<CharTally> LessonRun::Tallies() const {
  std::vector<CharTally> tallies;
  std::unordered_map<std::string, std::size_t> index;
  for (std::size_t i = 0; i < places_.size(); ++i) {
    const Place& p = places_[i];
    if (!p.reached) continue;
    const auto [it, fresh] = index.emplace(target_[i].utf8, tallies.size());
    if (fresh) tallies.push_back({target_[i].utf8, 0, 0, 0, 0, {}});
    CharTally& t = tallies[it->second];
    ++t.seen;
    t.wrong += p.everWrong ? 1 : 0;
    t.keys += p.keys;
    t.seconds += p.seconds;
    for (const std::string& gbk : p.writtenInstead) ++t.writtenInstead[Utf8FromGbk(gbk)];
  }
  return tallies;
}

}  // namespace dazi::lessons
