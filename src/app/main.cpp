// Tavoro's entry point: the Qt application, then the program's run from
// start to exit (src/app/Startup.h) with the main window of the user
// interface. Environment variable TAVORO_EXIT_AT_FIRST_IDLE (for measuring
// start-up; see bench/startup.sh) makes the program print the time at which
// its window was first shown and quit.
#include <QApplication>

#include "app/Startup.h"
#include "ui/common/CoreTexts.h"
#include "ui/common/MessageBox.h"
#include "ui/frame/MainWindow.h"
#include "ui/translations/Translations.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tavoro"));
  QApplication::setOrganizationName(QStringLiteral("Quillmoor"));
  QApplication::setDesktopFileName(QStringLiteral("tavoro"));

  // The user's language, before any text is shown.
  const tavoro::ui::InstalledTranslations translations;

  tavoro::ProgramHooks hooks;
  hooks.inform = [](const std::wstring& text) {
    tavoro::ui::showMessage(nullptr, tavoro::ui::coreText(text), tavoro::ui::coreText(L"Information"),
                            tavoro::ui::kMbOk | tavoro::ui::kMbIconInformation);
  };
  hooks.createWindow = [] { return std::make_unique<tavoro::ui::MainWindow>(); };
  return tavoro::runProgram(tavoro::programArguments(argc, argv), hooks);
}
