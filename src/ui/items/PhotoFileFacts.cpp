#include "ui/items/PhotoFileFacts.h"
#include <QCoreApplication>

#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QMimeDatabase>

namespace tavoro::ui {

namespace {

// The description of a file type by its extension, in the language of the
// default locale: asking the MIME database for every file of a large
// collection would cost more than the rest of the row together.
QString typeDescription(const QFileInfo& info) {
  static QHash<QString, QString> bySuffix;
  const QString key = QLocale().name() + QLatin1Char('/') + info.suffix().toLower();
  if (const auto it = bySuffix.constFind(key); it != bySuffix.constEnd()) return *it;
  static const QMimeDatabase database;
  const QString description = database.mimeTypeForFile(info, QMimeDatabase::MatchExtension).comment();
  bySuffix.insert(key, description);
  return description;
}

}  // namespace

PhotoFileFacts readPhotoFileFacts(const QString& path) {
  PhotoFileFacts facts;
  const QFileInfo info(path);
  facts.location = info.absolutePath();
  if (!info.exists() || info.isDir()) return facts;
  facts.readable = true;
  facts.size = info.size();
  facts.type = typeDescription(info);
  facts.modified = info.lastModified();
  return facts;
}

QString columnTitle(int column) {
  switch (column) {
    case kNameColumn:
      return QCoreApplication::translate("PhotoFileFacts", "Name");
    case kSizeColumn:
      return QCoreApplication::translate("PhotoFileFacts", "Size");
    case kTypeColumn:
      return QCoreApplication::translate("PhotoFileFacts", "Type");
    case kModifiedColumn:
      return QCoreApplication::translate("PhotoFileFacts", "Date Modified");
    case kLocationColumn:
      return QCoreApplication::translate("PhotoFileFacts", "Location");
    default:
      return QString();
  }
}

int columnWidth(int column) {
  return column == kLocationColumn ? 200 : 120;
}

QString factText(const PhotoFileFacts& facts, int column) {
  if (column == kLocationColumn) return facts.location;
  if (!facts.readable) return QString();
  switch (column) {
    case kSizeColumn:
      return QLocale().toString((facts.size + 1023) / 1024) + QCoreApplication::translate("PhotoFileFacts", " KB");
    case kTypeColumn:
      return facts.type;
    case kModifiedColumn:
      return QLocale().toString(facts.modified, QLocale::ShortFormat);
    default:
      return QString();
  }
}

}  // namespace tavoro::ui
