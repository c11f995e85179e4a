// The window in the user's language: the catalogue chosen for a user's
// languages, the German window under a German locale, the English texts left
// exactly as written otherwise, and the filling of numbered placeholders.
#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QRegularExpression>

#include "FindWidget.h"
#include "TestFiles.h"
#include "app/Help.h"
#include "FrameTestSupport.h"
#include "imaging/import/ImportMessages.h"
#include "ui/common/CoreTexts.h"
#include "ui/common/UiText.h"
#include "ui/controls/TabStrip.h"
#include "ui/frame/MainWindow.h"
#include "ui/home/HomeNavigationBar.h"
#include "ui/home/NavigationLink.h"
#include "ui/translations/Translations.h"

namespace tavoro::ui {
namespace {

TEST(TranslationsTest, TheFirstLanguageThatIsEnglishOrHasACatalogueDecides) {
  const QStringList available = {QStringLiteral("de"), QStringLiteral("pt_BR")};
  struct Case {
    QStringList wanted;
    QString chosen;
  };
  const Case cases[] = {
      {{"de-DE"}, "de"},
      {{"de-AT", "en-US"}, "de"},
      {{"en-GB", "de-DE"}, ""},  // English first: the texts as written
      {{"fr-FR", "de-DE"}, "de"},
      {{"pt-BR"}, "pt_BR"},
      {{"pt-PT"}, ""},
      {{"C"}, ""},
      {{}, ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(chooseCatalogue(c.wanted, available), c.chosen) << c.wanted.join(',').toStdString();
}

TEST(UiTextTest, NumberedPlaceholdersAreFilledInOnePass) {
  EXPECT_EQ(uiText(QStringLiteral("%1 of the %2"), {L"50%2", L"photos"}), L"50%2 of the photos");
  EXPECT_EQ(uiText(QStringLiteral("\"%1\" and \"%1\"; %3 stays, as does 100%"), {L"a"}),
            L"\"a\" and \"a\"; %3 stays, as does 100%");
  EXPECT_EQ(uiText(QStringLiteral("no placeholder")), L"no placeholder");
}

class WindowLanguageTest : public FrameTest {};

TEST_F(WindowLanguageTest, TheHomePageSpeaksGermanUnderAGermanLocale) {
  const InstalledTranslations german(QLocale(QLocale::German, QLocale::Germany));
  ASSERT_EQ(german.language(), QStringLiteral("de"));
  const std::unique_ptr<MainWindow> frame = makeFrame();
  EXPECT_EQ(frame->windowTitle(), QStringLiteral("Tavoro Garderobenverwaltung"));
  auto* tabs = test::findWidget<TabStrip>(frame.get(), QStringLiteral("TabStrip"));
  EXPECT_EQ(tabs->tabText(0), QStringLiteral("Start"));
  auto* links = test::findWidget<HomeNavigationBar>(frame.get(), QStringLiteral("HomeNavigationBar"));
  EXPECT_EQ(links->link(0)->text(), QStringLiteral("Hilfe und Support"));
  EXPECT_EQ(links->link(4)->tooltipText(),
            QStringLiteral("Programminformationen, Versionsnummer und Urheberrecht anzeigen"));
  bool heading = false;
  for (const QLabel* label : frame->findChildren<QLabel*>())
    heading = heading || label->text() == QStringLiteral("Zuletzt geöffnete Garderoben");
  EXPECT_TRUE(heading);
  // The core's texts as the window shows them (the model keeps its English).
  EXPECT_EQ(coreText(kAllCollectionsRefusal),
            L"Zu „Alle Sammlungen“ können keine Fotos hinzugefügt werden.\n\nBitte wählen Sie eine Sammlung aus und "
            L"versuchen Sie es erneut.");
  EXPECT_EQ(addFilesQuestionText(20),
            L"20 Dateien werden hinzugefügt. Das kann eine Weile dauern. \nMöchten Sie wirklich fortfahren?");
}

TEST_F(WindowLanguageTest, EnglishAndUnknownLanguagesKeepTheTextsAsWritten) {
  for (const QLocale& locale : {QLocale(QLocale::English, QLocale::UnitedStates), QLocale(QLocale::Swahili)}) {
    const InstalledTranslations none(locale);
    EXPECT_TRUE(none.language().isEmpty());
    const std::unique_ptr<MainWindow> frame = makeFrame();
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Tavoro Wardrobe Manager"));
    auto* links = test::findWidget<HomeNavigationBar>(frame.get(), QStringLiteral("HomeNavigationBar"));
    EXPECT_EQ(links->link(0)->text(), QStringLiteral("Help and Support"));
    EXPECT_EQ(coreText(kAllCollectionsRefusal), kAllCollectionsRefusal);
    EXPECT_EQ(addFilesQuestionText(20), addFilesQuestion(20));
  }
}

TEST_F(WindowLanguageTest, TheGuideHasItsHeadingsInTheUsersLanguageAndKeepsItsPictures) {
  QFile file(QString::fromStdString(test::sourceFolder()) + QStringLiteral("/src/app/Help.html"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString guide = QString::fromUtf8(file.readAll());
  EXPECT_FALSE(guideIsTranslated());
  const InstalledTranslations german(QLocale(QLocale::German, QLocale::Germany));
  ASSERT_TRUE(guideIsTranslated());
  const QString translated = translatedGuide(guide, QStringLiteral("file:///opt/tavoro/"));
  EXPECT_TRUE(translated.contains(QStringLiteral("<html lang=\"de\">")));
  EXPECT_TRUE(translated.contains(QStringLiteral("<title>Tavoro Garderobenverwaltung: Benutzerhandbuch</title>")));
  EXPECT_TRUE(translated.contains(QStringLiteral(">Erste Schritte</h2>")));
  EXPECT_TRUE(translated.contains(QStringLiteral("src=\"file:///opt/tavoro/help/")));
  EXPECT_FALSE(translated.contains(QStringLiteral("src=\"help/")));
  EXPECT_TRUE(translated.contains(QStringLiteral("href=\"#keys\"")) || !guide.contains(QStringLiteral("href=\"#keys\"")));
  // Every heading of the guide as shipped is in the catalogue: a heading
  // added to the guide without a translation shows here.
  static const QRegularExpression heading(QStringLiteral("<(title|h[1-3])\\b[^>]*>([^<]+)</\\1>"));
  for (auto it = heading.globalMatch(translated); it.hasNext();) {
    const QString text = it.next().captured(2);
    EXPECT_FALSE(guide.contains(QLatin1Char('>') + text + QStringLiteral("</"))) << text.toStdString();
  }
}

}  // namespace
}  // namespace tavoro::ui
