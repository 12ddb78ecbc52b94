// The web panel's browser over Qt WebEngine: no focus, no scroll bars, no context menu, no
// page icons fetched; the window's picture shows behind a page without a background.
// Chromium draws without the GPU: a strip of 795 x 78 pixels needs none, and with its GPU
// compositing over the transparent view (Mesa's llvmpipe under Xvfb) a page with an opaque
// background loaded after the first one was not drawn on the screen.
#include <unistd.h>

#include <QPointer>
#include <QWebEnginePage>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include "ui/qt/WebBrowser.h"

namespace dazi {
namespace {

// Adds --disable-gpu to the flags Chromium reads when the engine starts (the first view).
void DrawWithoutGpu() {
  QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
  if (flags.contains("--disable-gpu")) return;
  if (!flags.isEmpty()) flags += ' ';
  qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags + "--disable-gpu");
}

class EngineWebBrowser : public WebBrowser {
 public:
  explicit EngineWebBrowser(QWidget* parent) : view_(new QWebEngineView(parent)) {
    view_->setObjectName(QStringLiteral("WebBrowser1"));
    view_->setFocusPolicy(Qt::NoFocus);  // skipped by Tab; typing stays in the practice area
    view_->setContextMenuPolicy(Qt::NoContextMenu);
    QWebEngineSettings* settings = view_->settings();
    settings->setAttribute(QWebEngineSettings::FocusOnNavigationEnabled, false);
    settings->setAttribute(QWebEngineSettings::ShowScrollBars, false);
    settings->setAttribute(QWebEngineSettings::AutoLoadIconsForPage, false);
    view_->page()->setBackgroundColor(Qt::transparent);
    QObject::connect(view_, &QWebEngineView::loadFinished, view_, [this](bool) {
      if (onDocumentComplete) onDocumentComplete(view_->title());
    });
    QObject::connect(view_->page(), &QWebEnginePage::renderProcessTerminated, view_,
                     [this](QWebEnginePage::RenderProcessTerminationStatus, int) {
                       if (onEngineLost) onEngineLost();
                     });
  }
  ~EngineWebBrowser() override { delete view_; }

  QWidget* Widget() override { return view_; }
  bool Fetches() const override { return true; }
  QUrl Url() const override { return view_ ? view_->url() : QUrl(); }
  void Navigate(const QUrl& url) override { view_->load(url); }

 private:
  QPointer<QWebEngineView> view_;
};

bool SandboxDisabled() {
  return !qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX") ||
         qEnvironmentVariable("QTWEBENGINE_CHROMIUM_FLAGS")
             .contains(QStringLiteral("--no-sandbox"));
}

}  // namespace

bool PrepareWebEngine(bool remotePages) {
  if (::geteuid() != 0 || SandboxDisabled()) return true;
  if (remotePages) return false;
  qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  return true;
}

std::unique_ptr<WebBrowser> MakeEngineBrowser(QWidget* parent) {
  DrawWithoutGpu();
  return std::make_unique<EngineWebBrowser>(parent);
}

}  // namespace dazi
