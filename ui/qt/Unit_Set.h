// TForm_Set: the settings dialog "输入法设置" with the check boxes of "功能设置": the five of
// the settings byte and "智能整句", the statistical whole-sentence engine. It shows the
// switches as they are and, when accepted, holds the bit set and the sentence method they
// make; the caller stores them through the controller.
#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QPushButton>
#include <cstdint>

namespace dazi {

class TForm_Set : public QDialog {
 public:
  explicit TForm_Set(QWidget* parent = nullptr);

  // The bits of the ticked active boxes (0x01, 0x08, 0x10), built by the accept button.
  std::uint32_t SettingsFlags() const { return settingsFlags_; }
  // Whether "智能整句" could be chosen (a sentence model is loaded) and was ticked on accept.
  bool SmartSentenceEnabled() const { return checkBoxZNZJ_->isEnabled(); }
  bool SmartSentence() const { return smartSentence_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QCheckBox* AddCheckBox(const char* name, const QString& caption, bool enabled);
  void FormShow();
  void Button1Click();  // accept
  void Button2Click();  // cancel

  QCheckBox* checkBoxZDLX_ = nullptr;
  QCheckBox* checkBoxGBGS_ = nullptr;
  QCheckBox* checkBoxXSPY_ = nullptr;
  QCheckBox* checkBoxXSYW_ = nullptr;
  QCheckBox* checkBoxXSZD_ = nullptr;
  QCheckBox* checkBoxZNZJ_ = nullptr;
  QWidget* groupBox_ = nullptr;
  std::uint32_t settingsFlags_ = 0;
  bool smartSentence_ = false;
};

}  // namespace dazi
