// Renders the main window and the dialogs to PNG files, so that their look
// can be reviewed without a display. Works in a scratch folder of its own
// (settings, wardrobes), never in the user's.
// Usage: tavoro-frame-screens [output folder]
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTemporaryDir>
#include <cstdio>

#include "ui/dialogs/AboutDialog.h"

namespace {

using namespace tavoro::ui;

QString g_folder;

bool save(const QPixmap& picture, const QString& name) {
  const QString path = g_folder + u'/' + name + QStringLiteral(".png");
  if (!picture.save(path)) {
    std::fprintf(stderr, "tavoro-frame-screens: cannot write %s\n", qPrintable(path));
    return false;
  }
  std::printf("%s\n", qPrintable(path));
  return true;
}

QPixmap grabShown(QWidget& widget) {
  widget.show();
  QApplication::processEvents();
  QPixmap picture = widget.grab();
  widget.hide();
  return picture;
}

bool renderDialogs() {
  AboutDialog about(nullptr);
  return save(grabShown(about), QStringLiteral("dialog-about"));
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  g_folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(TAVORO_SCREENS_DIR);
  if (!QDir().mkpath(g_folder)) {
    std::fprintf(stderr, "tavoro-frame-screens: cannot create %s\n", qPrintable(g_folder));
    return 1;
  }
  const bool ok = renderDialogs();
  return ok ? 0 : 1;
}
