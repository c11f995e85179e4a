#include "ui/items/FileDropTarget.h"

#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QWidget>

#include "ui/items/FileUrls.h"

namespace tavoro::ui {

void FileDropTarget::watch(QWidget* viewport) {
  viewport->setAcceptDrops(true);
  viewport->installEventFilter(this);
}

bool FileDropTarget::eventFilter(QObject*, QEvent* event) {
  switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
      auto* drag = static_cast<QDropEvent*>(event);
      if (localFilesOf(drag->mimeData()).empty()) {
        drag->ignore();
      } else {
        drag->setDropAction(Qt::CopyAction);
        drag->accept();
      }
      return true;
    }
    case QEvent::DragLeave:
      event->accept();
      return true;
    case QEvent::Drop: {
      auto* drop = static_cast<QDropEvent*>(event);
      ImportList files = localFilesOf(drop->mimeData());
      if (files.empty()) {
        drop->ignore();
        return true;
      }
      drop->setDropAction(Qt::CopyAction);
      drop->accept();
      QTimer::singleShot(0, this, [this, files = std::move(files)] { emit filesDropped(files); });
      return true;
    }
    default:
      return false;
  }
}

}  // namespace tavoro::ui
