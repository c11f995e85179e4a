#include "Help.h"

#include <QDesktopServices>
#include <QUrl>

#include "platform/AppPaths.h"
#include "platform/FileSystem.h"
#include "platform/Utf8.h"

namespace tavoro {

bool openHelp() {
  const std::wstring file = AppPaths::helpFile();
  if (!isFile(file)) return false;
  return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(toUtf8(file))));
}

}  // namespace tavoro
