#include "ui/qt/WebPanelWidgets.h"

#include <QFileInfo>
#include <QTimer>
#include <QToolButton>
#include <cstdio>

#include "ui/qt/MainWindowLayout.h"
#include "ui/qt/StripDrag.h"
#include "ui/qt/WidgetSupport.h"

namespace dazi {

WebPanelOptions WebPanelOptions::FromEnvironment() {
  WebPanelOptions options;
  options.advertServer = qEnvironmentVariable("DAZI_ADVERT_SERVER").toStdString();
  options.feedbackUrl = qEnvironmentVariable("DAZI_FEEDBACK_URL").toStdString();
  const bool remotePages = !options.advertServer.empty();
  options.webEngine = PrepareWebEngine(remotePages);
  if (remotePages && !options.webEngine)
    std::fprintf(stderr,
                 "dazi: DAZI_ADVERT_SERVER is not used: the web panel shows local pages only "
                 "(built without Qt WebEngine, or run as root without "
                 "QTWEBENGINE_DISABLE_SANDBOX=1)\n");
  return options;
}

QUrl LocalPageUrl() {
  const std::string path = FindWebFile("zuv.htm");
  if (path.empty()) return QUrl(QStringLiteral("qrc:/web/zuv.htm"));
  return QUrl::fromLocalFile(QFileInfo(QString::fromStdString(path)).absoluteFilePath());
}

WebPanelWidgets::WebPanelWidgets(QWidget* window, WebPanelOptions options, OpenUrl openUrl,
                                 Notice notice)
    : options_(std::move(options)), openUrl_(std::move(openUrl)), notice_(std::move(notice)) {
  panel4_ = new QWidget(window);  // takes no input until the pointer passes over the window
  panel4_->setObjectName(QStringLiteral("Panel4"));
  panel4_->setGeometry(layout::kPanel4);
  panel4_->setEnabled(false);
  panel4_->setAttribute(Qt::WA_NoMousePropagation);
  new StripDrag(panel4_);

  panelYJJY_ = new QWidget(window);
  panelYJJY_->setObjectName(QStringLiteral("PanelYJJY"));
  panelYJJY_->setGeometry(layout::kPanelYJJY);
  panelYJJY_->setAttribute(Qt::WA_NoMousePropagation);
  auto* button = new QToolButton(panelYJJY_);
  button->setObjectName(QStringLiteral("SpeedButton3"));
  button->setGeometry(QRect(QPoint(0, 0), layout::kPanelYJJY.size()));
  button->setText(QStringLiteral("意见建议(&A)"));
  button->setFocusPolicy(Qt::NoFocus);
  button->setFont(SansFont(layout::kApplicationFontPixels));
  button->setCursor(Qt::PointingHandCursor);
  button->setStyleSheet(QStringLiteral(
      "QToolButton { color: #4a5864; background: rgba(255, 255, 255, 140);"
      " border: 1px solid #c9bfa8; border-radius: 5px; }"
      "QToolButton:hover { background: rgba(255, 255, 255, 230); color: #2d3a45; }"));
  QObject::connect(button, &QToolButton::clicked, [this] { SpeedButton3Click(); });
  panelYJJY_->hide();
}

WebPanelWidgets::~WebPanelWidgets() = default;

bool WebPanelWidgets::Settled() const {
  return settled_;
}

WebBrowser& WebPanelWidgets::Browser() {
  if (!browser_) {
    std::unique_ptr<WebBrowser> engine;
    if (options_.webEngine) engine = MakeEngineBrowser(panel4_);
    UseBrowser(engine ? std::move(engine) : MakePlainBrowser(panel4_));
  }
  return *browser_;
}

void WebPanelWidgets::UseBrowser(std::unique_ptr<WebBrowser> browser) {
  browser_ = std::move(browser);
  QWidget* view = browser_->Widget();
  view->setGeometry(panel4_->rect());
  view->show();
  browser_->onDocumentComplete = [this](const QString& title) {
    WebBrowser1DocumentComplete(title);
  };
  browser_->onEngineLost = [this] { EngineLost(); };
}

void WebPanelWidgets::LoadAdvertPage(bool advert) {
  WebBrowser& browser = Browser();
  if (advert) {
    const std::string address =
        AdvertPageAddress(options_.advertServer, ReadAdvertIdentifier(FindWebFile("zuv.gg")));
    if (!address.empty() && browser.Fetches()) {
      browser.Navigate(QUrl(QString::fromStdString(address)));
      return;
    }
    decision_.Skip();
  }
  browser.Navigate(LocalPageUrl());
}

void WebPanelWidgets::WebBrowser1DocumentComplete(const QString& title) {
  if (decision_.DocumentComplete(title.toStdString()) == AdvertDecision::Step::ShowLocalPage)
    LoadAdvertPage(false);
  else
    Settle();
}

// The page is judged. The feedback button comes with it only where a feedback address is
// set: a learner cannot do anything with a button that only says none is.
void WebPanelWidgets::Settle() {
  settled_ = true;
  panelYJJY_->setVisible(!FeedbackPageAddress(options_.feedbackUrl).empty());
}

// The engine's page process ended (it could not start, or crashed): the plain view takes
// over with the local page. The engine goes from the event loop, not from its own signal.
void WebPanelWidgets::EngineLost() {
  QTimer::singleShot(0, panel4_, [this] {
    if (!browser_ || !browser_->Fetches()) return;
    UseBrowser(MakePlainBrowser(panel4_));
    decision_.Skip();
    LoadAdvertPage(false);
  });
}

void WebPanelWidgets::SpeedButton3Click() {
  const std::string address = FeedbackPageAddress(options_.feedbackUrl);
  if (address.empty()) {
    notice_(
        QStringLiteral("没有设置意见建议的网址。请在环境变量 DAZI_FEEDBACK_URL 中给出，"
                       "例如 DAZI_FEEDBACK_URL=https://example.org"));
    return;
  }
  openUrl_(QUrl(QString::fromStdString(address)));
}

}  // namespace dazi
