#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "FindWidget.h"
#include "TryWait.h"
#include "settings/AppSettings.h"
#include "ui/common/CommandIds.h"
#include "ui/controls/ImageButton.h"
#include "ui/controls/TextRowList.h"
#include "ui/menus/PopupMenu.h"
#include "ui/search/SuggestionPopup.h"
#include "ui/search/SearchBox.h"
#include "wardrobe/Wardrobe.h"

namespace tavoro::ui {
namespace {

struct Note {
  int flags;
  QString text;
  bool operator==(const Note&) const = default;
};

void PrintTo(const Note& note, std::ostream* out) {
  *out << "{" << note.flags << ", \"" << note.text.toStdString() << "\"}";
}

// A window with the search box and another field that can take the focus;
// the settings' search lists as each test sets them.
class SearchBoxTest : public ::testing::Test {
 public:  // the cases' steps reach in through a reference
  void SetUp() override {
    m_saved = AppSettings::settings();
    AppSettings::settings() = AppSettings();
    m_collection = m_wardrobe.collections().add(L"Shoes");
  }
  void TearDown() override {
    m_window.reset();
    AppSettings::settings() = m_saved;
  }

  // Made after the test set the settings: the pop-up copies the lists then.
  SearchBox& makeBox() {
    m_window = std::make_unique<QWidget>();
    m_window->resize(400, 200);
    m_other = new QLineEdit(m_window.get());
    m_other->setObjectName(QStringLiteral("Other"));
    m_other->setGeometry(10, 100, 200, 22);
    m_box = new SearchBox(m_window.get());
    m_box->setGeometry(10, 10, 300, 22);
    m_box->setCollection(m_collection);
    m_window->show();
    QApplication::setActiveWindow(m_window.get());
    m_other->setFocus();
    QObject::connect(m_box, &SearchBox::notified, [this](const QString& text, int flags) {
      m_notes.push_back({flags, text});
    });
    return *m_box;
  }
  QLineEdit* edit() const { return m_box->edit(); }
  SuggestionPopup* popup() const { return m_box->popup(); }
  void type(const char* text) { QTest::keyClicks(edit(), QString::fromUtf8(text)); }
  void key(Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); }

  AppSettings m_saved;
  Wardrobe m_wardrobe{L"/nonexistent", L"Closet"};
  Collection* m_collection = nullptr;
  std::unique_ptr<QWidget> m_window;
  QLineEdit* m_other = nullptr;
  SearchBox* m_box = nullptr;
  std::vector<Note> m_notes;
};

TEST_F(SearchBoxTest, EachWayOfChangingTheBoxSendsItsFlag) {
  using Box = SearchBox;
  struct Case {
    const char* name;
    std::function<void(SearchBoxTest&)> before;  // not recorded
    std::function<void(SearchBoxTest&)> action;
    std::vector<Note> expected;
  };
  const auto typed = [](const char* text) {
    return [text](SearchBoxTest& t) {
      t.m_box->activate();
      t.type(text);
    };
  };
  const Case cases[] = {
      {"activating", [](SearchBoxTest&) {}, [](SearchBoxTest& t) { t.m_box->activate(); }, {{Box::kActivated, ""}}},
      {"activating a hidden box",
       [](SearchBoxTest& t) { t.m_box->hide(); },
       [](SearchBoxTest& t) { t.m_box->activate(); },
       {}},
      {"a click on the box",
       [](SearchBoxTest&) {},
       [](SearchBoxTest& t) { QTest::mouseClick(t.m_box, Qt::LeftButton, {}, QPoint(40, 11)); },
       {{Box::kActivated, ""}}},
      {"typing",
       [](SearchBoxTest& t) { t.m_box->activate(); },
       [](SearchBoxTest& t) { t.type("re"); },
       {{Box::kTextChanged, "r"}, {Box::kTextChanged, "re"}}},
      {"Enter", typed("red"), [](SearchBoxTest& t) { t.key(Qt::Key_Return); }, {{Box::kSearchCommitted, "red"}}},
      {"an auto-repeated Enter",
       typed("red"),
       [](SearchBoxTest& t) {
         QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), true);
         QApplication::sendEvent(t.edit(), &repeat);
       },
       {}},
      {"leaving the box with text",
       typed("red"),
       [](SearchBoxTest& t) { t.m_other->setFocus(); },
       {{Box::kSearchCommitted, "red"}}},
      {"leaving the box empty",
       [](SearchBoxTest& t) { t.m_box->activate(); },
       [](SearchBoxTest& t) { t.m_other->setFocus(); },
       {}},
      {"Escape", typed("red"), [](SearchBoxTest& t) { t.key(Qt::Key_Escape); }, {{Box::kTextEmptied, ""}}},
      {"the clear button while typing",
       typed("red"),
       [](SearchBoxTest& t) { QTest::mouseClick(t.m_box->clearButton(), Qt::LeftButton); },
       {{Box::kTextChanged, ""}}},
      {"the clear button after leaving",
       [](SearchBoxTest& t) {
         t.m_box->activate();
         t.type("red");
         t.m_other->setFocus();
       },
       [](SearchBoxTest& t) { QTest::mouseClick(t.m_box->clearButton(), Qt::LeftButton); },
       {{Box::kTextEmptied, ""}}},
      {"clear()", typed("red"), [](SearchBoxTest& t) { t.m_box->clear(); }, {{Box::kTextEmptied, ""}}},
      {"typing after the program emptied the box",
       [](SearchBoxTest& t) {
         t.m_box->activate();
         t.type("a");
         t.m_box->clear();
         t.m_other->setFocus();
       },
       [](SearchBoxTest& t) {
         t.m_box->activate();
         t.type("b");
       },
       {{Box::kActivated, ""}, {Box::kTextChanged, "b"}}},
      {"a click into the edit",
       [](SearchBoxTest& t) { t.m_box->activate(); },
       [](SearchBoxTest& t) { QTest::mouseClick(t.edit(), Qt::LeftButton); },
       {{Box::kActivated, ""}}},
      {"no collection selected",
       [](SearchBoxTest& t) {
         t.m_box->setCollection(nullptr);
         t.m_box->activate();
       },
       [](SearchBoxTest& t) {
         t.type("r");
         t.m_other->setFocus();
       },
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    makeBox();
    c.before(*this);
    m_notes.clear();
    c.action(*this);
    EXPECT_EQ(m_notes, c.expected);
  }
}

TEST_F(SearchBoxTest, TheEditShowsOnlyWhileTypedIntoAndEscapeGivesTheFocusBack) {
  SearchBox& box = makeBox();
  EXPECT_FALSE(edit()->isVisible());
  EXPECT_EQ(box.cueText(), QStringLiteral("Search Shoes"));
  box.activate();
  EXPECT_TRUE(edit()->hasFocus());
  type("red");
  EXPECT_TRUE(box.clearButton()->isVisible());
  EXPECT_FALSE(box.optionsButton()->isVisible());
  EXPECT_EQ(box.clearButton()->geometry(), QRect(300 - 2 - 19, 2, 19, 18));
  m_other->setFocus();
  EXPECT_FALSE(edit()->isVisible()) << "the box paints the text itself";
  box.activate();
  EXPECT_EQ(edit()->selectedText(), QStringLiteral("red")) << "activating selects all the text";
  key(Qt::Key_Escape);
  EXPECT_TRUE(m_other->hasFocus());
  EXPECT_TRUE(box.optionsButton()->isVisible());
  EXPECT_EQ(box.optionsButton()->geometry(), QRect(300 - 2 - 27, 2, 27, 18));
}

// --- The suggestion pop-up --------------------------------------------------------

std::vector<std::wstring> rowsOf(const SuggestionPopup& popup) {
  std::vector<std::wstring> rows;
  for (int i = 0; i < popup.list()->rowCount(); ++i) rows.push_back(popup.list()->text(i));
  return rows;
}

TEST_F(SearchBoxTest, ThePopupOffersEarlierSearchesAndAnswersItsKeys) {
  AppSettings::settings().mruSearches = {L"robe", L"red"};
  AppSettings::settings().allSearches = {L"Red", L"red", L"red dress", L"red shirt", L"red shoes", L"robe"};
  SearchBox& box = makeBox();
  TextRowList* list = popup()->list();
  box.activate();
  ASSERT_TRUE(popup()->isVisible()) << "an empty box offers the recent searches";
  EXPECT_EQ(rowsOf(*popup()), (std::vector<std::wstring>{L"robe", L"red"}));
  EXPECT_EQ(popup()->geometry().top(), edit()->mapToGlobal(QPoint(0, edit()->height() - 1)).y());
  EXPECT_EQ(popup()->height(), 2 * 20 + 2);

  type("r");
  EXPECT_EQ(rowsOf(*popup()), (std::vector<std::wstring>{L"red", L"red dress", L"red shirt"}));
  struct KeyStep {
    Qt::Key key;
    int selected;  // the row selected afterwards
  };
  for (const KeyStep& step :
       {KeyStep{Qt::Key_Down, 0}, {Qt::Key_Down, 1}, {Qt::Key_Up, 0}, {Qt::Key_Up, 2}, {Qt::Key_Down, 0}}) {
    key(step.key);
    EXPECT_EQ(list->firstSelectedRow(), step.selected) << step.key;
  }
  EXPECT_EQ(edit()->text(), QStringLiteral("r")) << "Up and Down stay with the pop-up";
  key(Qt::Key_Left);
  EXPECT_EQ(list->selectedCount(), 0);
  EXPECT_EQ(edit()->cursorPosition(), 0) << "Left reaches the box too";
  key(Qt::Key_End);

  key(Qt::Key_Down);
  key(Qt::Key_Down);
  m_notes.clear();
  key(Qt::Key_Return);
  EXPECT_EQ(edit()->text(), QStringLiteral("red dress"));
  EXPECT_EQ(edit()->cursorPosition(), 9);
  EXPECT_FALSE(popup()->isVisible());
  EXPECT_EQ(m_notes, (std::vector<Note>{{SearchBox::kTextChanged, "red dress"}}))
      << "the Enter that took the row commits nothing";

  edit()->setText(QStringLiteral("re"));
  ASSERT_TRUE(popup()->isVisible());
  key(Qt::Key_Escape);
  EXPECT_FALSE(popup()->isVisible());
  EXPECT_EQ(edit()->text(), QStringLiteral("re")) << "the Escape closed only the pop-up";

  edit()->setText(QStringLiteral("r"));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->rowRect(2).center());
  EXPECT_EQ(edit()->text(), QStringLiteral("red shirt"));
  EXPECT_FALSE(popup()->isVisible());
  EXPECT_TRUE(edit()->hasFocus()) << "the pop-up never takes the focus";

  edit()->setText(QStringLiteral("r"));
  ASSERT_TRUE(popup()->isVisible());
  QTest::mouseClick(m_window.get(), Qt::LeftButton, {}, QPoint(350, 150));
  EXPECT_FALSE(popup()->isVisible()) << "a press elsewhere";
}

TEST_F(SearchBoxTest, ThePopupFollowsTheWindowAndClosesOnAFrameClick) {
  AppSettings::settings().mruSearches = {L"red shirt", L"blue"};
  makeBox().activate();
  ASSERT_TRUE(popup()->isVisible());
  const QPoint offset = popup()->pos() - m_window->mapToGlobal(QPoint(0, 0));
  const int height = popup()->height();
  m_window->move(m_window->pos() + QPoint(70, 40));
  TRY_COMPARE(popup()->pos() - m_window->mapToGlobal(QPoint(0, 0)), offset);
  EXPECT_EQ(popup()->height(), height);
  EXPECT_TRUE(popup()->isVisible());

  // A press on the frame reaches the window as a non-client press.
  QMouseEvent frame(QEvent::NonClientAreaMouseButtonPress, QPointF(5, -10), m_window->mapToGlobal(QPointF(5, -10)),
                    Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(m_window.get(), &frame);
  EXPECT_FALSE(popup()->isVisible());
}

TEST_F(SearchBoxTest, DeleteInTheEmptyBoxBringsBackTheLastRows) {
  AppSettings::settings().mruSearches = {L"robe"};
  AppSettings::settings().allSearches = {L"robe"};
  makeBox();
  m_box->activate();
  ASSERT_TRUE(popup()->isVisible());
  key(Qt::Key_Escape);
  ASSERT_FALSE(popup()->isVisible());
  key(Qt::Key_Delete);
  EXPECT_TRUE(popup()->isVisible());
  key(Qt::Key_Escape);
  type("x");
  ASSERT_FALSE(popup()->isVisible());
  key(Qt::Key_Delete);
  EXPECT_FALSE(popup()->isVisible()) << "only in an empty box";
  m_box->clear();
  m_other->setFocus();
  key(Qt::Key_Delete);
  EXPECT_FALSE(popup()->isVisible()) << "only in the box";
}

TEST_F(SearchBoxTest, ThePopupClosesOnTheFifthIdleTickWithThePointerOutside) {
  AppSettings::settings().mruSearches = {L"robe"};
  makeBox();
  auto* timer = test::findWidget<QTimer>(popup(), QStringLiteral("IdleTimer"));
  popup()->setTickInterval(10);
  int ticks = 0;
  QObject::connect(timer, &QTimer::timeout, [&ticks] { ++ticks; });

  QCursor::setPos(QPoint(5000, 5000));
  m_box->activate();
  ASSERT_TRUE(popup()->isVisible());
  TRY_VERIFY_WITH_TIMEOUT(!popup()->isVisible(), 5000);
  EXPECT_EQ(ticks, 5);

  popup()->showPopup();
  ASSERT_TRUE(popup()->isVisible());
  QCursor::setPos(popup()->geometry().center());
  ticks = 0;
  EXPECT_TRUE(QTest::qWaitFor([&ticks] { return ticks >= 12; }, 5000));
  EXPECT_TRUE(popup()->isVisible()) << "never while the pointer rests over it";
  QCursor::setPos(QPoint(5000, 5000));
  TRY_VERIFY_WITH_TIMEOUT(!popup()->isVisible(), 5000);
}

TEST_F(SearchBoxTest, WithAutoSuggestOffSearchesAreRecordedButNeverOffered) {
  AppSettings::settings().autoSuggest = false;
  AppSettings::settings().allSearches = {L"red", L"red dress"};
  makeBox();
  m_box->activate();
  type("re");
  EXPECT_FALSE(popup()->isVisible());
  type("d");
  key(Qt::Key_Return);
  EXPECT_EQ(popup()->recentSearches(), (std::vector<std::wstring>{L"red"}));
  key(Qt::Key_Delete);
  EXPECT_FALSE(popup()->isVisible());
}

TEST_F(SearchBoxTest, TheOptionsMenuShowsTheStatesAndItsCommandsApply) {
  AppSettings::settings().allSearches = {L"red"};
  SearchBox& box = makeBox();
  // Opens the menu, reads its states and chooses the command (0: none).
  const auto choose = [&box](int command) {
    std::string states;
    bool pressed = false;
    QTimer::singleShot(0, [&] {
      auto* menu = test::findTopLevel<PopupMenu>(QStringLiteral("Search Options"));
      pressed = box.optionsButton()->isDown();
      states += menu->commandAction(kCmdClearHistory)->isEnabled() ? 'E' : 'e';
      states += menu->commandAction(kCmdAutoSuggest)->isChecked() ? 'C' : 'c';
      if (command) {
        menu->setActiveAction(menu->commandAction(command));
        QTest::keyClick(menu, Qt::Key_Return);
      } else {
        menu->close();
      }
    });
    box.showOptionsMenu();
    // The offscreen platform leaves no window active after a menu.
    QApplication::setActiveWindow(box.window());
    EXPECT_TRUE(pressed) << "the button shows pressed while the menu is open";
    EXPECT_FALSE(box.optionsButton()->isDown());
    return states;
  };
  EXPECT_EQ(choose(kCmdAutoSuggest), "eC") << "greyed with known searches only";
  EXPECT_FALSE(AppSettings::settings().autoSuggest);
  box.activate();
  type("blue");
  key(Qt::Key_Return);
  EXPECT_EQ(choose(kCmdClearHistory), "Ec");
  EXPECT_TRUE(popup()->recentSearches().empty());
  EXPECT_TRUE(popup()->knownSearches().empty());
  EXPECT_EQ(popup()->list()->rowCount(), 0) << "the cleared searches are not offered again";
}

TEST_F(SearchBoxTest, TheListsGoBackToTheSettingsWithTheBox) {
  AppSettings::settings().mruSearches = {L"robe"};
  AppSettings::settings().allSearches = {L"robe"};
  makeBox();
  m_box->activate();
  type("re");
  key(Qt::Key_Escape);
  m_box->activate();
  type("red");
  key(Qt::Key_Return);
  EXPECT_EQ(AppSettings::settings().mruSearches, (std::vector<std::wstring>{L"robe"})) << "copies until then";
  m_window.reset();
  EXPECT_EQ(AppSettings::settings().mruSearches, (std::vector<std::wstring>{L"red", L"robe"}));
  EXPECT_EQ(AppSettings::settings().allSearches, (std::vector<std::wstring>{L"red", L"robe"}));
}

}  // namespace
}  // namespace tavoro::ui
