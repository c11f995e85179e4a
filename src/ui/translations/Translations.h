// The window's language: at start the program installs its own catalogue for
// the user's language (compiled in from the .ts files of this folder) and Qt's
// own catalogue for the same language (its buttons and file dialogs). English
// is the language the texts are written in: for it, and for a language
// without a catalogue, nothing is installed and the texts stay as written.
// User-interface thread only.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>
#include <memory>
#include <vector>

namespace tavoro::ui {

// The languages the program has a catalogue of ("de", ...), from the
// catalogues compiled in.
QStringList catalogueLanguages();

// Which catalogue serves a user who prefers uiLanguages in this order (as
// QLocale::uiLanguages gives them: "de-DE", "en", ...): the first language
// that is English or has a catalogue decides; an exact name ("pt-BR") before
// its language ("pt"). Empty: English, the texts as written.
QString chooseCatalogue(const QStringList& uiLanguages, const QStringList& available);

// Installs the catalogues for locale while it lives and removes them when it
// goes.
class InstalledTranslations {
 public:
  explicit InstalledTranslations(const QLocale& locale = QLocale::system());
  ~InstalledTranslations();
  InstalledTranslations(const InstalledTranslations&) = delete;
  InstalledTranslations& operator=(const InstalledTranslations&) = delete;

  // The language installed ("de"), empty for English.
  const QString& language() const { return m_language; }

 private:
  QString m_language;
  std::vector<std::unique_ptr<QTranslator>> m_translators;
};

}  // namespace tavoro::ui
