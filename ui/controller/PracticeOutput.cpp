// The practice text: writing, deleting, clearing, and its lines in Memo1.
#include <algorithm>

#include "engine/user/Learning.h"
#include "ui/controller/Captions.h"
#include "ui/controller/PracticeController.h"
#include "ui/controller/Punctuation.h"

namespace dazi {

void PracticeController::WriteOutput(const std::string& text) {
  if (!sink_) return WriteToPracticeText(text);
  // A deletion is a key passed on: the program deletes in its own text.
  if (text.empty())
    HideCandidatePanels();
  else
    sink_(text);
  view_.panelZDVisible = false;
}

void PracticeController::WriteKeyItself(char key) {
  LearnAtMark();  // a key written as it is ends the phrase being collected
  if (!sink_) return WriteToPracticeText(std::string(1, key));
  view_.panelZDVisible = false;
}

void PracticeController::WriteToPracticeText(const std::string& text) {
  const std::size_t before = outputText_.size();
  std::string piece = text;
  // Every piece has an even length, so a two-byte character never straddles a line end.
  paddedEnd_ = piece.size() % 2 == 1;
  if (paddedEnd_) piece += ' ';
  outputText_ += piece;
  if (text.empty()) {
    // A quotation mark taken back takes its toggle back: typed again, it is the same mark.
    if (outputText_.size() >= 2)
      AimQuote(std::string_view(outputText_).substr(outputText_.size() - 2), SrfState.QuoteState);
    outputText_.resize(outputText_.size() - std::min<std::size_t>(2, outputText_.size()));
    HideCandidatePanels();
  }
  UpdateMemoLines(std::min(before, outputText_.size()));
  view_.panelZDVisible = false;
}

// English typing writes one byte at a time: a byte takes the place of the blank that padded
// the one before, so "hello" reads "hello " rather than "h e l l o ".
void PracticeController::WriteTypedCharacter(char key) {
  LearnAtMark();
  if (sink_) return;  // passed on to the program
  if (!paddedEnd_) return WriteToPracticeText(std::string(1, key));
  outputText_.back() = key;
  paddedEnd_ = false;
  UpdateMemoLines(outputText_.size() - 1);
  view_.panelZDVisible = false;
}

// Backspace in English typing deletes one byte of a pair of single bytes (the text keeps its
// even length with a padding blank); a Chinese character or a padded byte goes whole.
void PracticeController::DeleteTypedCharacter() {
  if (sink_) return WriteOutput({});
  const std::size_t size = outputText_.size();
  const bool asciiPair =
      size >= 2 && !paddedEnd_ && static_cast<unsigned char>(outputText_[size - 2]) < 0x80;
  if (!asciiPair) return WriteToPracticeText({});
  outputText_.back() = ' ';
  paddedEnd_ = true;
  UpdateMemoLines(outputText_.size() - 1);
}

std::size_t PracticeController::NextWritePosition() const {
  return outputText_.size() - (paddedEnd_ && EnglishInputActive() ? 1 : 0);
}

// Only the lines from the one holding byte `from` on are cut again: the lines before it are
// unchanged, and redoing them would make every keystroke cost the whole text.
void PracticeController::UpdateMemoLines(std::size_t from) {
  const std::size_t line = kMemoLineBytes;
  const std::size_t last = outputText_.size() / line;
  // The text box grows with the text rather than hiding what lies beyond its first lines.
  if (view_.memo1Lines.size() < last + 1) view_.memo1Lines.resize(last + 1);
  for (std::size_t i = from / line; i <= last; ++i)
    view_.memo1Lines[i] = outputText_.substr(std::min(i * line, outputText_.size()), line);
}

void PracticeController::SpeedButton2Click() {
  ClearCollectedPhrase();  // its text is gone
  outputText_.clear();
  SrfState.QuoteState = 0;  // an empty text has no quotation open
  paddedEnd_ = false;
  for (std::string& line : view_.memo1Lines) line.clear();
}

void PracticeController::HideCandidatePanels() {
  // A hidden bar offers nothing: otherwise a later space or digit would choose a candidate
  // the user can no longer see (say a follow-on word after a punctuation mark).
  SrfState.CandidateCount = 0;
  view_.panelPYVisible = false;
  view_.panelKXVisible = false;
  view_.panel2Visible = false;
}

void PracticeController::ClearAndHide() {
  SrfState.InputText.clear();
  HideCandidatePanels();
}

void PracticeController::ShowDefaultSentence() {
  view_.pinyin.labelDefault = SrfState.DefaultSentence;
  view_.pinyin.labelDefaultHintVisible = true;
}

}  // namespace dazi
