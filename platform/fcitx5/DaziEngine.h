// The fcitx5 input-method engine of dazi: the pinyin method (dazi-pinyin) and the stroke
// keypad method (dazi-keypad) of the practice window, typing into any program. One practice
// controller serves every input context: fcitx5 runs addons on one thread, and the typing in
// progress is dropped whenever focus moves, so no two fields ever share a composition.
#pragma once

#include <fcitx/addoninstance.h>
#include <fcitx/inputmethodengine.h>
#include <fcitx/instance.h>

#include <memory>
#include <string>

#include "ui/controller/PracticeController.h"

namespace dazi::fcitx5 {

// Where the addon's dictionaries lie: $DAZI_DICTIONARY_DIR when set (tests, trying a build
// without installing), else the folder `cmake --install` puts them in.
std::string DictionaryFolder();

class DaziEngine : public fcitx::InputMethodEngineV2 {
 public:
  explicit DaziEngine(fcitx::Instance* instance);
  ~DaziEngine() override;

  void keyEvent(const fcitx::InputMethodEntry& entry, fcitx::KeyEvent& event) override;
  void activate(const fcitx::InputMethodEntry& entry, fcitx::InputContextEvent& event) override;
  void deactivate(const fcitx::InputMethodEntry& entry, fcitx::InputContextEvent& event) override;
  void reset(const fcitx::InputMethodEntry& entry, fcitx::InputContextEvent& event) override;

  // A candidate clicked in the candidate window: chosen as with its key.
  void ChooseCandidate(fcitx::InputContext* ic, int slot);

  // False when the dictionaries could not be loaded; every key then passes on.
  bool Ready() const { return controller_ != nullptr; }

 private:
  void UseMethodOf(const fcitx::InputMethodEntry& entry);
  void Commit(const std::string& gbk);
  void PassOnNotices();
  void DropComposition(fcitx::InputContext* ic);

  std::unique_ptr<PracticeController> controller_;
  bool keypadMethod_ = false;
  fcitx::InputContext* typingInto_ = nullptr;  // the context of the key being handled
};

}  // namespace dazi::fcitx5
