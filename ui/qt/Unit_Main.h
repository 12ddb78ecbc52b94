// TForm_Main: the borderless main window "打字练习". It loads the dictionaries when created,
// starts the practice controller when first shown, hands every key and click in it to the
// controller and paints the controller's view state afterwards.
#pragma once

#include <QPixmap>
#include <QPlainTextEdit>
#include <QPoint>
#include <QWidget>
#include <functional>
#include <memory>

#include "ui/controller/PracticeController.h"
#include "ui/qt/CandidateBarWidgets.h"
#include "ui/qt/DictionaryPanelWidgets.h"
#include "ui/qt/HelpPanelWidgets.h"
#include "ui/qt/StatusBarWidgets.h"

namespace dazi {

class TForm_Main : public QWidget {
 public:
  // Shows a notice to the user: a modal message box by default; tests record it instead.
  using Notice = std::function<void(QWidget* parent, const QString& caption, const QString& text)>;
  static void ShowMessageBox(QWidget* parent, const QString& caption, const QString& text);

  explicit TForm_Main(Notice notice = ShowMessageBox);
  ~TForm_Main() override;

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  // Pressing on the free client area drags the window.
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;

 private:
  void FormCreate();
  void FormShow();
  void FormDestroy();
  void LoadAdvertPage(bool advert);  // the web panel's page
  void BuildHelpTrees();             // the help topics of both methods
  void N1Click();                    // toolbar menu: settings
  void N3Click();                    // toolbar menu: word-making

  void BuildMemo1();
  StatusBarHandlers StatusHandlers();
  // Runs one controller call and paints the view state it leaves.
  void Run(const std::function<void(PracticeController&)>& call);
  void PaintView();
  void PaintMemo1();

  Notice notice_;
  QPixmap background_;
  QPlainTextEdit* memo1_ = nullptr;
  QWidget* panel4_ = nullptr;
  std::unique_ptr<CandidateBarWidgets> candidateBar_;
  std::unique_ptr<StatusBarWidgets> statusBar_;
  std::unique_ptr<DictionaryPanelWidgets> dictionaryPanel_;
  std::unique_ptr<HelpPanelWidgets> helpPanel_;     // from the first showing on
  std::unique_ptr<PracticeController> controller_;  // from the first showing on
  QString shownMemoText_;
  bool dragging_ = false;
  QPoint dragOffset_;
};

}  // namespace dazi
