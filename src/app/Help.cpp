#include "Help.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>

#include "platform/AppPaths.h"
#include "platform/FileSystem.h"
#include "platform/Utf8.h"

namespace tavoro {

namespace {

// The guide's title and headings, offered for translation (lupdate reads
// them here; the guide is read at run time).
[[maybe_unused]] constexpr const char* kGuideHeadings[] = {
    QT_TRANSLATE_NOOP("UserGuide", "Tavoro Wardrobe Manager: User Guide"),
    QT_TRANSLATE_NOOP("UserGuide", "Tavoro Wardrobe Manager"),
    QT_TRANSLATE_NOOP("UserGuide", "Getting started"),
    QT_TRANSLATE_NOOP("UserGuide", "Creating, opening and closing wardrobes"),
    QT_TRANSLATE_NOOP("UserGuide", "Saving"),
    QT_TRANSLATE_NOOP("UserGuide", "The wardrobe page"),
    QT_TRANSLATE_NOOP("UserGuide", "Collections"),
    QT_TRANSLATE_NOOP("UserGuide", "Items and photos"),
    QT_TRANSLATE_NOOP("UserGuide", "Details and tags"),
    QT_TRANSLATE_NOOP("UserGuide", "The photo viewer"),
    QT_TRANSLATE_NOOP("UserGuide", "Search"),
    QT_TRANSLATE_NOOP("UserGuide", "Combinations: outfits and what you wore when"),
    QT_TRANSLATE_NOOP("UserGuide", "Insights: what you own, what you wear, what it cost"),
    QT_TRANSLATE_NOOP("UserGuide", "Undo and redo"),
    QT_TRANSLATE_NOOP("UserGuide", "Exporting and backing up"),
    QT_TRANSLATE_NOOP("UserGuide", "Keys"),
    QT_TRANSLATE_NOOP("UserGuide", "Where things are kept"),
};

QString guideText(const QString& english) {
  const QByteArray source = english.toUtf8();
  return QCoreApplication::translate("UserGuide", source.constData());
}

QString qtPath(const std::wstring& path) { return QString::fromStdString(toUtf8(path)); }

}  // namespace

bool guideIsTranslated() {
  // The code of the catalogue's language, as its translators give it.
  return QCoreApplication::translate("UserGuide", "en", "the language code of this translation") !=
         QLatin1String("en");
}

QString translatedGuide(const QString& html, const QString& pictureFolder) {
  static const QRegularExpression heading(QStringLiteral("(<(title|h[1-3])\\b[^>]*>)([^<]+)(</\\2>)"));
  QString translated;
  qsizetype done = 0;
  for (QRegularExpressionMatchIterator it = heading.globalMatch(html); it.hasNext();) {
    const QRegularExpressionMatch match = it.next();
    translated += html.mid(done, match.capturedStart(3) - done);
    translated += guideText(match.captured(3)).toHtmlEscaped();
    done = match.capturedEnd(3);
  }
  translated += html.mid(done);

  const QString language = QCoreApplication::translate("UserGuide", "en", "the language code of this translation");
  translated.replace(QStringLiteral("<html lang=\"en\">"),
                     QStringLiteral("<html lang=\"%1\">").arg(language.toHtmlEscaped()));
  const QString note = QCoreApplication::translate("UserGuide", "The headings of this guide are translated; its text is in English.");
  // The pictures beside the guide, wherever the copy is read (a base element
  // would send the guide's own links, "#keys", there too).
  static const QRegularExpression picture(QStringLiteral("\\bsrc=\"(?![a-z]+:)"));
  translated.replace(picture, QStringLiteral("src=\"%1").arg(pictureFolder.toHtmlEscaped()));
  static const QRegularExpression firstHeading(QStringLiteral("(<h1\\b[^>]*>[^<]*</h1>)"));
  translated.replace(firstHeading, QStringLiteral("\\1\n<p><em>%1</em></p>").arg(note.toHtmlEscaped()));
  return translated;
}

bool openHelp() {
  const std::wstring file = AppPaths::helpFile();
  if (!isFile(file)) return false;
  const QString guide = qtPath(file);
  if (guideIsTranslated()) {
    QFile original(guide);
    const std::wstring folder = AppPaths::tempFolder();
    QFile copy(qtPath(folder) + QStringLiteral("/Help.translated.html"));
    // Without a copy, the guide as written is better than none.
    if (!folder.empty() && original.open(QIODevice::ReadOnly) && copy.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
      const QString base = QUrl::fromLocalFile(QFileInfo(guide).absolutePath() + QLatin1Char('/')).toString();
      const QByteArray written = translatedGuide(QString::fromUtf8(original.readAll()), base).toUtf8();
      if (copy.write(written) == written.size() && copy.flush())
        return QDesktopServices::openUrl(QUrl::fromLocalFile(copy.fileName()));
    }
  }
  return QDesktopServices::openUrl(QUrl::fromLocalFile(guide));
}

}  // namespace tavoro
