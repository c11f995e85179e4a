// How user-interface tests reach widgets: by objectName, failing the test with
// the name (and the kind) that is missing instead of handing back null.
#pragma once

#include <QApplication>
#include <QObject>
#include <QString>
#include <QWidget>
#include <stdexcept>
#include <string>

namespace tavoro::test {

// The missing widget ends the test: GoogleTest reports the exception's text.
class MissingWidget : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The descendant of parent of type T named name.
template <typename T = QWidget>
T* findWidget(const QObject* parent, const QString& name) {
  T* found = parent ? parent->findChild<T*>(name) : nullptr;
  if (!found) {
    throw MissingWidget("no " + std::string(T::staticMetaObject.className()) + " named \"" + name.toStdString() +
                        "\" inside " + (parent ? parent->objectName().toStdString() : std::string("(null)")));
  }
  return found;
}

// A shown top-level window of type T named name (a popup, a dialog).
template <typename T = QWidget>
T* findTopLevel(const QString& name) {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (auto* typed = qobject_cast<T*>(window); typed && window->objectName() == name && window->isVisible())
      return typed;
  }
  throw MissingWidget("no shown top-level " + std::string(T::staticMetaObject.className()) + " named \"" +
                      name.toStdString() + "\"");
}

}  // namespace tavoro::test
