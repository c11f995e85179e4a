#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "Version.h"
#include "ui/common/QtText.h"
#include "ui/common/WebPages.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/dialogs/AboutLink.h"
#include "ui/dialogs/DialogUnits.h"
#include "ui/dialogs/VersionText.h"

namespace tavoro::ui {
namespace {

TEST(VersionTextTest, FourNumbersMakeTheVersionLine) {
  struct Case {
    const wchar_t* version;
    const wchar_t* text;
  };
  const Case cases[] = {
      {L"2, 3, 0, 2040", L"Version 2.3.0  (Build 2040)"},
      {L"1.0.0.1", L"Version 1.0.0  (Build 1)"},
      {L" 7 . 8 ,9,  10 ", L"Version 7.8.9  (Build 10)"},
      {L"1, 2, 3", L""},
      {L"1, 2, 3, 4, 5", L""},
      {L"1, x, 3, 4", L""},
      {L"1,, 3, 4", L""},
      {L"1, 2, 3, 99999999999", L""},
      {L"", L""},
  };
  for (const Case& c : cases) EXPECT_EQ(aboutVersionText(c.version), c.text) << toQString(c.version).toStdString();
}

// Records the addresses handed to the desktop and answers with success.
class AddressLog {
 public:
  explicit AddressLog(bool succeed = true) {
    m_previous = setAddressOpener([this, succeed](const QString& address) {
      opened.push_back(address);
      return succeed;
    });
  }
  ~AddressLog() { setAddressOpener(std::move(m_previous)); }
  std::vector<QString> opened;

 private:
  AddressOpener m_previous;
};

TEST(AboutDialogTest, ShowsTheProgramsVersionAndSite) {
  AboutDialog dialog(nullptr);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("About Tavoro"));
  EXPECT_EQ(dialog.size(), dluSize(247, 159));
  const QString expected = QStringLiteral("Version %1.%2.%3  (Build %4)")
                               .arg(TAVORO_VERSION_MAJOR)
                               .arg(TAVORO_VERSION_MINOR)
                               .arg(TAVORO_VERSION_PATCH)
                               .arg(TAVORO_VERSION_BUILD);
  EXPECT_EQ(dialog.versionLabel()->text(), expected);
  EXPECT_EQ(dialog.link()->address(), QStringLiteral("http://www.tavoro.example"));
  EXPECT_EQ(dialog.link()->toolTip(), dialog.link()->address());
}

TEST(AboutDialogTest, EnterAndEscapeClose) {
  for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
    AboutDialog dialog(nullptr);
    QTimer::singleShot(0, &dialog, [&dialog, key] { QWidget* target = QApplication::focusWidget();
      QTest::keyClick(target ? target : &dialog, key);
    });
    const int result = dialog.exec();
    EXPECT_EQ(result, key == Qt::Key_Return ? QDialog::Accepted : QDialog::Rejected);
  }
}

TEST(AboutLinkTest, OpensByClickOrKeyAndTurnsVisitedOnlyOnSuccess) {
  AboutDialog dialog(nullptr);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  AboutLink* link = dialog.link();
  EXPECT_EQ(link->textColour(), QColor(AboutLink::kLinkColour));

  {
    AddressLog failing(false);
    QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(5, link->height() / 2));
    EXPECT_EQ(failing.opened, std::vector<QString>{link->address()});
    EXPECT_FALSE(link->visited());
    EXPECT_EQ(link->textColour(), QColor(AboutLink::kLinkColour));
  }
  AddressLog log;
  // Pressed on the text but released outside it: no click.
  QTest::mousePress(link, Qt::LeftButton, {}, QPoint(5, link->height() / 2));
  QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(link->width() - 1, link->height() / 2));
  EXPECT_TRUE(log.opened.empty());

  link->setFocus();
  QTest::keyClick(link, Qt::Key_Space);
  QTest::keyClick(link, Qt::Key_Return);
  EXPECT_EQ(log.opened.size(), 2u);
  EXPECT_TRUE(link->visited());
  EXPECT_EQ(link->textColour(), QColor(AboutLink::kVisitedColour));
  // Enter on the focused link opened it and did not close the dialog.
  EXPECT_TRUE(dialog.isVisible());

  link->setEnabled(false);
  EXPECT_NE(link->textColour(), QColor(AboutLink::kVisitedColour));
  EXPECT_NE(link->textColour(), QColor(AboutLink::kLinkColour));
}

TEST(AboutLinkTest, UnderlinedOnlyUnderTheMouse) {
  AboutDialog dialog(nullptr);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  AboutLink* link = dialog.link();
  auto underlinePixels = [link] {
    QImage image(link->size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    link->render(&image);
    // The underline is a run of text-coloured pixels along one row below the text.
    int longest = 0;
    for (int y = 0; y < image.height(); ++y) {
      int run = 0;
      for (int x = 0; x < image.width(); ++x) {
        run = image.pixelColor(x, y) == link->textColour() ? run + 1 : 0;
        longest = std::max(longest, run);
      }
    }
    return longest;
  };
  const int plain = underlinePixels();
  QEnterEvent enter(QPointF(3, 3), QPointF(3, 3), link->mapToGlobal(QPointF(3, 3)));
  QApplication::sendEvent(link, &enter);
  EXPECT_TRUE(link->hovered());
  const int hovered = underlinePixels();
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(link, &leave);
  EXPECT_FALSE(link->hovered());
  EXPECT_GT(hovered, plain + 40);
  EXPECT_EQ(underlinePixels(), plain);
}

}  // namespace
}  // namespace tavoro::ui
