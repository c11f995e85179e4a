#include "ui/items/FileUrls.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QUrl>

#include "ui/common/QtText.h"

namespace tavoro::ui {

ImportList localFilesOf(const QMimeData* data) {
  ImportList files;
  if (!data || !data->hasUrls()) return files;
  for (const QUrl& url : data->urls()) {
    if (!url.isLocalFile()) continue;
    const QString path = url.toLocalFile();
    if (!path.isEmpty()) files.add(toWString(path));
  }
  return files;
}

bool clipboardHoldsFiles() {
  return !clipboardFiles().empty();
}

ImportList clipboardFiles() {
  return localFilesOf(QGuiApplication::clipboard()->mimeData());
}

}  // namespace tavoro::ui
