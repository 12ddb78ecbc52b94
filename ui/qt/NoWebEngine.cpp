// Built without Qt WebEngine: the web panel shows its local page in the plain view.
#include "ui/qt/WebBrowser.h"

namespace dazi {

bool PrepareWebEngine(bool) {
  return false;
}

std::unique_ptr<WebBrowser> MakeEngineBrowser(QWidget*) {
  return nullptr;
}

}  // namespace dazi
