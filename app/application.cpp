// The application object and the operations shared by all windows.
#include "app/application.h"

#include <filesystem>

#include "app/TintoMainU.h"
#include "colour/TintoColU.h"
#include "dialogs/TintoHelpU.h"
#include "dialogs/TintoMessU.h"
#include "files/atomic_replace.h"
#include "files/utf8_path.h"
#include "unlock/TintoPassU.h"

namespace tinto {

namespace {
std::filesystem::path FolderOf(const std::string& executable) {
  return PathFromUtf8(executable).parent_path();
}
}  // namespace

Application::Application(Platform& platform)
    : platform_(platform),
      folder_(FolderOf(platform.ExecutablePath())),
      effects_(platform.sound(), folder_, random_) {}

Application::~Application() = default;

void Application::CreateWindows() {
  // Temporary files of saves that a kill cut short (their process is gone) go first.
  RemoveStaleTemporaryFiles(folder_.path());
  main_ = std::make_unique<TTintoMainFM>(*this);
  main_->FormCreate();
  message_ = std::make_unique<TTintoMessFM>(*this);
  message_->FormCreate();
  picker_ = std::make_unique<TTintoColFM>(*this, colours_, points_);
  picker_->FormCreate();
  password_ = std::make_unique<TTintoPassFM>(*this, points_);
  password_->FormCreate();
  manual_ = std::make_unique<TTintoHelpFM>(*this);
  manual_->FormCreate();
}

void Application::ShowNotice(const std::string& text) {
  message_->ShowNotice(text);
}

bool Application::AskOkCancel(const std::string& text) {
  return message_->AskOkCancel(text);
}

void Application::ShowManual() {
  manual_->ShowManual();
}

void Application::ShowColourPicker(int v, int p) {
  picker_->ShowColourPicker(v, p);
}

void Application::ShowPasswordWindow() {
  password_->ShowPasswordWindow();
}

void Application::StopAlarm() {
  effects_.PlayEffect(32);
  if (main_) main_->canvas().ShowAlarmNormal();
  clock_.countdown.Stop();
}

}  // namespace tinto
