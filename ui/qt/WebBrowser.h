// WebBrowser1, the browser of the web panel: Qt WebEngine where it can run, otherwise a plain
// rich-text view that shows local pages only. Either reports each completed document with
// its title, as the document-complete event of an embedded browser does.
#pragma once

#include <QString>
#include <QUrl>
#include <QWidget>
#include <functional>
#include <memory>

namespace dazi {

class WebBrowser {
 public:
  virtual ~WebBrowser() = default;

  virtual QWidget* Widget() = 0;
  // Whether pages can be fetched from a server; the plain view shows local files only.
  virtual bool Fetches() const = 0;
  virtual void Navigate(const QUrl& url) = 0;
  virtual QUrl Url() const = 0;

  std::function<void(const QString& title)> onDocumentComplete;
  // The engine stopped (its page process ended): the panel carries on without it.
  std::function<void()> onEngineLost;
};

// Whether Qt WebEngine can be used, before it starts. Chromium will not run as root inside its
// sandbox (it ends the whole process): as root the engine runs without the sandbox for the
// program's own local page only; pages from a server need QTWEBENGINE_DISABLE_SANDBOX=1 (or
// --no-sandbox in QTWEBENGINE_CHROMIUM_FLAGS) from the user. False when built without it.
bool PrepareWebEngine(bool remotePages);

// A browser over Qt WebEngine, or null when the program is built without it.
std::unique_ptr<WebBrowser> MakeEngineBrowser(QWidget* parent);
std::unique_ptr<WebBrowser> MakePlainBrowser(QWidget* parent);

}  // namespace dazi
