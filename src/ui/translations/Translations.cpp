#include "ui/translations/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>

namespace tavoro::ui {

namespace {

const QString kCatalogueFolder = QStringLiteral(":/translations");
const QString kCataloguePrefix = QStringLiteral("tavoro_");

// "de-DE" and "de_DE" both as "de_DE".
QString catalogueName(const QString& language) { return QString(language).replace(QLatin1Char('-'), QLatin1Char('_')); }

}  // namespace

QStringList catalogueLanguages() {
  QStringList languages;
  const QStringList files = QDir(kCatalogueFolder).entryList({kCataloguePrefix + QStringLiteral("*.qm")}, QDir::Files);
  for (const QString& file : files) languages << file.mid(kCataloguePrefix.size()).chopped(3);
  return languages;
}

QString chooseCatalogue(const QStringList& uiLanguages, const QStringList& available) {
  for (const QString& wanted : uiLanguages) {
    const QString name = catalogueName(wanted);
    const QString language = name.section(QLatin1Char('_'), 0, 0).toLower();
    // "C" and "POSIX" are the texts as written, as English is.
    if (language == QLatin1String("en") || language == QLatin1String("c") || language == QLatin1String("posix"))
      return QString();
    if (available.contains(name)) return name;
    if (available.contains(language)) return language;
  }
  return QString();
}

InstalledTranslations::InstalledTranslations(const QLocale& locale) {
  m_language = chooseCatalogue(locale.uiLanguages(), catalogueLanguages());
  if (m_language.isEmpty()) return;
  auto own = std::make_unique<QTranslator>();
  if (!own->load(kCataloguePrefix + m_language, kCatalogueFolder)) {
    m_language.clear();
    return;
  }
  QCoreApplication::installTranslator(own.get());
  m_translators.push_back(std::move(own));
  // Qt's own catalogue is a nicety: without it Qt's buttons stay English.
  auto qt = std::make_unique<QTranslator>();
  if (qt->load(QStringLiteral("qtbase_") + m_language, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(qt.get());
    m_translators.push_back(std::move(qt));
  }
}

InstalledTranslations::~InstalledTranslations() {
  for (const auto& translator : m_translators) QCoreApplication::removeTranslator(translator.get());
}

}  // namespace tavoro::ui
