// Where files dragged from the desktop land on the item list: an event
// filter on the views' viewports that accepts lists of files, always as a
// copy, and hands over the files of a drop once the drop itself is over (so
// that the desktop's drag does not wait for the import). User-interface
// thread only.
#pragma once

#include <QObject>

#include "imaging/import/ImportList.h"

class QWidget;

namespace tavoro::ui {

class FileDropTarget : public QObject {
  Q_OBJECT

 public:
  explicit FileDropTarget(QObject* parent = nullptr) : QObject(parent) {}
  void watch(QWidget* viewport);

 signals:
  // After the drop has been accepted, from the event loop.
  void filesDropped(const tavoro::ImportList& files);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace tavoro::ui

Q_DECLARE_METATYPE(tavoro::ImportList)
