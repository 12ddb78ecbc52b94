// The web panel without Qt WebEngine: local pages drawn by Qt's rich-text view, which runs no
// scripts and fetches nothing.
#include <QPointer>
#include <QTextBrowser>
#include <QTimer>

#include "ui/qt/WebBrowser.h"

namespace dazi {
namespace {

class PlainWebBrowser : public WebBrowser {
 public:
  explicit PlainWebBrowser(QWidget* parent) : view_(new QTextBrowser(parent)) {
    view_->setObjectName(QStringLiteral("WebBrowser1"));
    view_->setFrameShape(QFrame::NoFrame);
    view_->setFocusPolicy(Qt::NoFocus);
    view_->setOpenLinks(false);
    view_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view_->setContextMenuPolicy(Qt::NoContextMenu);
    view_->viewport()->setAutoFillBackground(false);  // the window's picture shows through
    view_->setStyleSheet(QStringLiteral("QTextBrowser { background: transparent; }"));
  }
  ~PlainWebBrowser() override { delete view_; }

  QWidget* Widget() override { return view_; }
  bool Fetches() const override { return false; }
  QUrl Url() const override { return view_ ? view_->source() : QUrl(); }

  // The page is read at once; its completion is reported from the event loop, as a browser
  // reports it after navigating.
  void Navigate(const QUrl& url) override {
    view_->setSource(url);
    QTimer::singleShot(0, view_, [this] {
      if (onDocumentComplete) onDocumentComplete(view_->documentTitle());
    });
  }

 private:
  QPointer<QTextBrowser> view_;
};

}  // namespace

std::unique_ptr<WebBrowser> MakePlainBrowser(QWidget* parent) {
  return std::make_unique<PlainWebBrowser>(parent);
}

}  // namespace dazi
