#include "platform/fcitx5/DaziEngine.h"

#include <fcitx-utils/log.h>
#include <fcitx/addonfactory.h>
#include <fcitx/addonmanager.h>
#include <fcitx/inputcontext.h>

#include <cstdlib>
#include <exception>

#include "engine/core/DataLocation.h"
#include "engine/core/Gbk.h"
#include "engine/startup/DictionaryLoader.h"
#include "engine/user/DataFolder.h"
#include "platform/fcitx5/FcitxKeys.h"
#include "platform/fcitx5/PanelFill.h"
#include "ui/controller/DefaultSentence.h"

namespace dazi::fcitx5 {
namespace {

constexpr const char* kKeypadMethodName = "dazi-keypad";

bool IsKeypad(const fcitx::InputMethodEntry& entry) {
  return entry.uniqueName() == kKeypadMethodName;
}

}  // namespace

std::string DictionaryFolder() {
  if (const char* folder = std::getenv("DAZI_DICTIONARY_DIR"); folder && *folder) return folder;
  return DAZI_INSTALLED_DICTIONARIES;
}

DaziEngine::DaziEngine(fcitx::Instance*) {
  // The daemon's current directory is the home folder or /: every file gets its own folder.
  const std::string userFolder = DefaultDataFolder();
  std::string error;
  if (!ProvideDataFolder(userFolder, userFolder, {}, &error))
    FCITX_WARN() << "dazi: " << error << "; learned words will not be saved";
  SetDataLocation({DictionaryFolder(), userFolder});
  const LoadResult loaded = LoadDictionaries();
  if (!loaded.ok) {
    FCITX_ERROR() << "dazi: " << loaded.message << " (dictionaries from " << DictionaryFolder()
                  << "); dazi passes every key on";
    return;
  }
  if (!loaded.warning.empty()) FCITX_WARN() << "dazi: " << loaded.warning;
  StartSentenceMethod();
  controller_ = std::make_unique<PracticeController>();
  controller_->SetOutputSink([this](const std::string& gbk) { Commit(gbk); });
}

DaziEngine::~DaziEngine() = default;

void DaziEngine::UseMethodOf(const fcitx::InputMethodEntry& entry) {
  const bool keypad = IsKeypad(entry);
  if (keypad == keypadMethod_) return;
  keypadMethod_ = keypad;
  controller_->SpeedButtonKXClick(keypad ? PracticeController::MethodButton::Keypad
                                         : PracticeController::MethodButton::Pinyin);
}

void DaziEngine::keyEvent(const fcitx::InputMethodEntry& entry, fcitx::KeyEvent& event) {
  if (!Ready() || event.isRelease()) return;
  fcitx::InputContext* ic = event.inputContext();
  try {
    UseMethodOf(entry);
    const KeyContext context{keypadMethod_, SrfState.CandidateCount > 0};
    const std::optional<keys::KeyEvent> key = ControllerKey(event.key(), context);
    if (!key) return;
    typingInto_ = ic;
    const PracticeController::KeyUse use = controller_->TypeKey(*key);
    typingInto_ = nullptr;
    PassOnNotices();
    FillPanel(ic, *controller_, keypadMethod_,
              [this](fcitx::InputContext* target, int slot) { ChooseCandidate(target, slot); });
    // Taken only once everything for it worked; a failure above passes the key on.
    if (use == PracticeController::KeyUse::Taken) event.filterAndAccept();
  } catch (const std::exception& e) {
    // The daemon serves every program: a failure costs this key, never the daemon.
    typingInto_ = nullptr;
    FCITX_ERROR() << "dazi: key " << event.key().toString() << " failed: " << e.what();
    DropComposition(ic);
  } catch (...) {
    typingInto_ = nullptr;
    FCITX_ERROR() << "dazi: key " << event.key().toString() << " failed";
    DropComposition(ic);
  }
}

void DaziEngine::ChooseCandidate(fcitx::InputContext* ic, int slot) {
  if (!Ready()) return;
  try {
    typingInto_ = ic;
    controller_->ChooseCandidate(slot);
    typingInto_ = nullptr;
    PassOnNotices();
    FillPanel(ic, *controller_, keypadMethod_,
              [this](fcitx::InputContext* target, int next) { ChooseCandidate(target, next); });
  } catch (const std::exception& e) {
    typingInto_ = nullptr;
    FCITX_ERROR() << "dazi: choosing a candidate failed: " << e.what();
    DropComposition(ic);
  } catch (...) {
    typingInto_ = nullptr;
    FCITX_ERROR() << "dazi: choosing a candidate failed";
    DropComposition(ic);
  }
}

void DaziEngine::activate(const fcitx::InputMethodEntry& entry, fcitx::InputContextEvent& event) {
  if (!Ready()) return;
  UseMethodOf(entry);
  DropComposition(event.inputContext());
}

void DaziEngine::deactivate(const fcitx::InputMethodEntry&, fcitx::InputContextEvent& event) {
  DropComposition(event.inputContext());
}

void DaziEngine::reset(const fcitx::InputMethodEntry&, fcitx::InputContextEvent& event) {
  DropComposition(event.inputContext());
}

void DaziEngine::DropComposition(fcitx::InputContext* ic) {
  if (controller_) controller_->ResetComposition();
  if (ic) ClearPanel(ic);
}

void DaziEngine::Commit(const std::string& gbk) {
  if (typingInto_) typingInto_->commitString(Utf8FromGbk(gbk));
}

void DaziEngine::PassOnNotices() {
  for (const std::string& notice : controller_->TakeNotices()) FCITX_WARN() << "dazi: " << notice;
}

class DaziEngineFactory : public fcitx::AddonFactory {
 public:
  fcitx::AddonInstance* create(fcitx::AddonManager* manager) override {
    return new DaziEngine(manager->instance());
  }
};

}  // namespace dazi::fcitx5

FCITX_ADDON_FACTORY(dazi::fcitx5::DaziEngineFactory)
