// The whole window in German: every text it shows or gives a screen reader
// (names, descriptions, labels, tooltips, the commands of its menus) on the
// home page, the wardrobe page with both looks of the item list, the search
// results, the photo viewer and the dialogs is German; a text that is the
// same in English and German escaped translation, unless it is the
// wardrobe's own data.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QSet>

#include "AccessibilityTestSupport.h"
#include "TestSession.h"
#include "ui/common/CommandIds.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/dialogs/NewWardrobeDialog.h"
#include "ui/dialogs/OpenWardrobeDialog.h"
#include "ui/frame/MainView.h"
#include "ui/frame/MainWindow.h"
#include "ui/items/FilteringFilesDialog.h"
#include "ui/items/ItemListPane.h"
#include "ui/page/WardrobePage.h"
#include "ui/session/WardrobeSession.h"
#include "ui/translations/Translations.h"
#include "wardrobe/Wardrobe.h"

namespace tavoro::ui {
namespace {

void collectTree(QAccessibleInterface* object, QSet<QString>& texts, int depth = 0) {
  if (!object || depth > 40) return;
  for (QAccessible::Text kind : {QAccessible::Name, QAccessible::Description, QAccessible::Help})
    texts << object->text(kind).trimmed();
  for (int i = 0; i < object->childCount(); ++i) collectTree(object->child(i), texts, depth + 1);
}

void collectWidgets(QWidget* window, QSet<QString>& texts) {
  texts << window->windowTitle();
  for (QWidget* widget : window->findChildren<QWidget*>()) {
    texts << widget->toolTip().trimmed() << widget->accessibleName().trimmed() << widget->whatsThis().trimmed();
    if (auto* label = qobject_cast<QLabel*>(widget)) texts << label->text().trimmed();
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) texts << button->text().trimmed();
  }
  for (QAction* action : window->findChildren<QAction*>())
    texts << action->text().trimmed() << action->toolTip().trimmed() << action->iconText().trimmed();
}

void collect(QWidget* window, QSet<QString>& texts) {
  collectTree(QAccessible::queryAccessibleInterface(window), texts);
  collectWidgets(window, texts);
}

class WindowLanguageTreeTest : public AccessibilityTest {
 protected:
  // What the window and its dialogs show, in the language of locale.
  QSet<QString> shownTexts(const QLocale& locale) {
    const InstalledTranslations language(locale);
    // Dates, numbers and file types follow the user's locale, as they do
    // for a user whose system is set to it.
    const QLocale previous;
    QLocale::setDefault(locale);
    QSet<QString> texts;
    startWindow();
    collect(m_frame.get(), texts);
    openCloset();
    collect(m_frame.get(), texts);
    EXPECT_TRUE(test::trigger(m_frame->clientView()->wardrobeView()->itemList(), kCmdViewDetails));
    collect(m_frame.get(), texts);
    m_frame->session().search(QStringLiteral("boots"));
    collect(m_frame.get(), texts);
    m_frame->session().hideSearch();
    const auto& items = m_frame->wardrobe()->collections().findByName(L"Shoes")->items().items();
    m_frame->openViewer({items[0].get(), items[1].get()}, 1);
    collect(m_frame.get(), texts);
    {
      AboutDialog about(m_frame.get());
      collect(&about, texts);
      NewWardrobeDialog create(m_frame.get());
      collect(&create, texts);
      OpenWardrobeDialog open(m_frame.get(), m_frame->recentWardrobes());
      collect(&open, texts);
      FilteringFilesDialog filtering(ImportList{m_dir / L"photos"}, m_frame.get());
      collect(&filtering, texts);
    }
    m_frame.reset();
    QLocale::setDefault(previous);
    texts.remove(QString());
    return texts;
  }
};

TEST_F(WindowLanguageTreeTest, UnderAGermanLocaleNoTextOfTheWindowStaysEnglish) {
  const QSet<QString> english = shownTexts(QLocale(QLocale::English, QLocale::UnitedStates));
  const QSet<QString> german = shownTexts(QLocale(QLocale::German, QLocale::Germany));
  const QSet<QString> alike = {
      // The wardrobe's own names and values.
      "Closet", "Shoes", "boots", "sandals", "Colour: red",
      // Words and marks German writes as English does.
      "Details", "Name", "1 KB", "OK", "...", "Version 1.0.0  (Build 1)", "http://www.tavoro.example",
      // The filtering dialog's count before its first report, never seen.
      "_COUNT_"};
  QStringList same = ((english & german) - alike).values();
  same.sort();
  EXPECT_TRUE(same.isEmpty()) << "the same in English and German:\n  " << same.join(QStringLiteral("\n  ")).toStdString();
}

}  // namespace
}  // namespace tavoro::ui
