#include "ui/qt/Unit_Set.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "engine/core/Unit_Data.h"
#include "engine/model/ModelSentence.h"
#include "engine/model/SentenceMethod.h"
#include "engine/user/Settings.h"

namespace dazi {

TForm_Set::TForm_Set(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Form_Set"));
  setWindowTitle(QStringLiteral("输入法设置"));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  setModal(true);

  auto* group = new QGroupBox(QStringLiteral("功能设置"), this);
  group->setObjectName(QStringLiteral("GroupBox1"));
  groupBox_ = group;
  auto* boxes = new QVBoxLayout(group);
  checkBoxZDLX_ = AddCheckBox("CheckBoxZDLX", QStringLiteral("自动联想"), true);
  checkBoxGBGS_ = AddCheckBox("CheckBoxGBGS", QStringLiteral("光标跟随"), false);
  checkBoxXSPY_ = AddCheckBox("CheckBoxXSPY", QStringLiteral("显示拼音"), false);
  checkBoxXSYW_ = AddCheckBox("CheckBoxXSYW", QStringLiteral("显示英文"), true);
  checkBoxXSZD_ = AddCheckBox("CheckBoxXSZD", QStringLiteral("显示字典"), true);
  checkBoxZNZJ_ = AddCheckBox("CheckBoxZNZJ", QStringLiteral("智能整句"), SentenceModelLoaded());
  for (QCheckBox* box :
       {checkBoxZDLX_, checkBoxGBGS_, checkBoxXSPY_, checkBoxXSYW_, checkBoxXSZD_, checkBoxZNZJ_})
    boxes->addWidget(box);

  auto* button1 = new QPushButton(QStringLiteral("确定(&O)"), this);
  button1->setObjectName(QStringLiteral("Button1"));
  button1->setDefault(true);
  auto* button2 = new QPushButton(QStringLiteral("取消(&C)"), this);
  button2->setObjectName(QStringLiteral("Button2"));
  connect(button1, &QPushButton::clicked, this, [this] { Button1Click(); });
  connect(button2, &QPushButton::clicked, this, [this] { Button2Click(); });

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(button1);
  buttons->addWidget(button2);
  auto* form = new QVBoxLayout(this);
  form->addWidget(group);
  form->addLayout(buttons);
  form->setSizeConstraint(QLayout::SetFixedSize);  // a fixed dialog border
}

QCheckBox* TForm_Set::AddCheckBox(const char* name, const QString& caption, bool enabled) {
  auto* box = new QCheckBox(caption, groupBox_);
  box->setObjectName(QString::fromLatin1(name));
  box->setEnabled(enabled);
  return box;
}

void TForm_Set::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormShow();
}

// Every box starts unticked; the active ones show their switch when it holds exactly 1.
void TForm_Set::FormShow() {
  for (QCheckBox* box :
       {checkBoxZDLX_, checkBoxGBGS_, checkBoxXSPY_, checkBoxXSYW_, checkBoxXSZD_, checkBoxZNZJ_})
    box->setChecked(false);
  checkBoxZDLX_->setChecked(SrfState.AutoAssociate == 1);
  checkBoxXSYW_->setChecked(SrfState.ShowEnglish == 1);
  checkBoxXSZD_->setChecked(SrfState.ShowDictionary == 1);
  checkBoxZNZJ_->setChecked(ActiveSentenceMethod() == SentenceMethod::kModel);
}

// Only the three active boxes make bits; the disabled two never reach the byte. The sentence
// method is not part of the byte.
void TForm_Set::Button1Click() {
  settingsFlags_ = 0;
  if (checkBoxZDLX_->isChecked()) settingsFlags_ |= kSettingAutoAssociate;
  if (checkBoxXSYW_->isChecked()) settingsFlags_ |= kSettingShowEnglish;
  if (checkBoxXSZD_->isChecked()) settingsFlags_ |= kSettingShowDictionary;
  smartSentence_ = checkBoxZNZJ_->isChecked();
  accept();
}

void TForm_Set::Button2Click() {
  reject();
}

}  // namespace dazi
