#include "AccessibilityTestSupport.h"

#include <QImage>
#include <QTest>

#include "platform/FileSystem.h"
#include "ui/accessibility/Announcements.h"
#include "ui/common/QtText.h"
#include "ui/frame/MainWindow.h"
#include "ui/session/WardrobeSession.h"
#include "wardrobe/Wardrobe.h"
#include "wardrobe/Wardrobe.h"

namespace tavoro::ui {

namespace {

void record(const QAccessibleEvent& event) {
  AccessibilityTest::announced().push_back({event.type(), event.object(), event.child()});
}

}  // namespace

std::vector<AccessibilityTest::Announced>& AccessibilityTest::announced() {
  static std::vector<Announced> events;
  return events;
}

void AccessibilityTest::SetUp() {
  FrameTest::SetUp();
  announced().clear();
  setAnnouncementObserver(&record);
}

void AccessibilityTest::TearDown() {
  m_frame.reset();
  setAnnouncementObserver({});
  FrameTest::TearDown();
}

std::wstring AccessibilityTest::photo(const std::wstring& name, int n) {
  const std::wstring path = m_dir / (L"photos/" + name);
  EXPECT_TRUE(createFolders(m_dir / L"photos"));
  QImage image(64, 48, QImage::Format_RGB32);
  image.fill(QColor::fromHsv((n * 47) % 360, 220, 230));
  EXPECT_TRUE(image.save(toQString(path)));
  return path;
}

void AccessibilityTest::startWindow() {
  m_frame = makeFrame();
  start(*m_frame);
  QApplication::setActiveWindow(m_frame.get());
}

void AccessibilityTest::openCloset() {
  auto wardrobe = std::make_unique<Wardrobe>(m_wardrobes + L"/Closet", L"Closet");
  ASSERT_TRUE(createFolders(m_wardrobes + L"/Closet"));
  Collection* shoes = wardrobe->collections().add(L"Shoes");
  Tag* colour = shoes->tags().add(L"Colour");
  Item* boots = shoes->items().addFromPhotoFile(photo(L"boots.png", 1));
  ASSERT_NE(shoes->items().addFromPhotoFile(photo(L"sandals.png", 2)), nullptr);
  ASSERT_NE(boots, nullptr);
  boots->records().set(colour->id(), L"red");
  wardrobe->collections().setHotId(shoes->id());
  ASSERT_TRUE(m_frame->session().open(wardrobe));
  m_frame->showWardrobeTab(true);
}

QAccessibleInterface* AccessibilityTest::find(QAccessibleInterface* root, QAccessible::Role role, const QString& name) {
  if (!root) return nullptr;
  if (root->role() == role && root->text(QAccessible::Name) == name) return root;
  for (int i = 0; i < root->childCount(); ++i)
    if (QAccessibleInterface* found = find(root->child(i), role, name)) return found;
  return nullptr;
}

}  // namespace tavoro::ui
