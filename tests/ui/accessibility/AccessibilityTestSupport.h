// The main window over a small wardrobe (one collection, a tag with values,
// photos), and what a screen reader reads of it: accessible objects found by
// role and name, and the events announced to assistive technology.
#pragma once

#include <QAccessible>
#include <QAccessibleInterface>
#include <QStringList>
#include <memory>
#include <vector>

#include "FrameTestSupport.h"

namespace tavoro::ui {

class MainWindow;

class AccessibilityTest : public FrameTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A photo file of one colour; its path.
  std::wstring photo(const std::wstring& name, int n);
  // The window started, showing the home page.
  void startWindow();
  // The wardrobe "Closet": collection "Shoes" with tag "Colour" and two
  // items, "boots" (red) and "sandals" (no value); opened on its page.
  void openCloset();

  // The first object under root (depth first) with this role and name.
  static QAccessibleInterface* find(QAccessibleInterface* root, QAccessible::Role role, const QString& name);
  static QAccessibleInterface* interfaceOf(QObject* object) { return QAccessible::queryAccessibleInterface(object); }

  std::unique_ptr<MainWindow> m_frame;

 public:
  struct Announced {
    QAccessible::Event type;
    QObject* object;
    int child;
  };
  // Every event announced since SetUp.
  static std::vector<Announced>& announced();
};

}  // namespace tavoro::ui
