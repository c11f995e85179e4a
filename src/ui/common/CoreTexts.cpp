#include "ui/common/CoreTexts.h"

#include <QCoreApplication>

#include "platform/Utf8.h"
#include "ui/common/QtText.h"
#include "wardrobe/Collection.h"
#include "wardrobe/Item.h"
#include "wardrobe/Tag.h"

namespace tavoro::ui {

namespace {

// Every core text the window shows, so that lupdate offers each for
// translation; coreText finds a text's translation by the English text.
[[maybe_unused]] constexpr const char* kCoreTexts[] = {
    QT_TRANSLATE_NOOP("CoreTexts", "Tavoro Wardrobe Manager"),
    QT_TRANSLATE_NOOP("CoreTexts", "All Collections"),
    QT_TRANSLATE_NOOP("CoreTexts", "Double-click to add a collection"),
    QT_TRANSLATE_NOOP("CoreTexts", "Double-click to add a tag"),
    QT_TRANSLATE_NOOP("CoreTexts", "Invalid collection name. Please try another name."),
    QT_TRANSLATE_NOOP("CoreTexts", "Invalid tag name. Please try another name."),
    QT_TRANSLATE_NOOP("CoreTexts", "Invalid item name. Please try another name."),
    QT_TRANSLATE_NOOP("CoreTexts",
                      "Adding photos to \"All Collections\" is not allowed.\n\nPlease select a collection and try again."),
    QT_TRANSLATE_NOOP("CoreTexts", "Paste failed: unsupported file type.\n\nSupported file types are BMP, JPEG and PNG."),
    QT_TRANSLATE_NOOP("CoreTexts", "Cancel filtering?"),
    QT_TRANSLATE_NOOP("CoreTexts", "Confirm Cancel"),
    QT_TRANSLATE_NOOP("CoreTexts", "Confirm Add Files"),
    QT_TRANSLATE_NOOP("CoreTexts", "Failed to create directory for application data!\nUser settings will not be saved."),
    QT_TRANSLATE_NOOP("CoreTexts", "Failed to create directory for application temp data!"),
    QT_TRANSLATE_NOOP("CoreTexts", "Information"),
};

}  // namespace

std::wstring coreText(std::wstring_view english) {
  const std::string source = toUtf8(english);
  return toWString(QCoreApplication::translate("CoreTexts", source.c_str()));
}

std::wstring programCaption() { return coreText(L"Tavoro Wardrobe Manager"); }

QString displayName(const Collection& collection) {
  if (collection.id() <= 0) return toQString(coreText(collection.name()));
  return toQString(collection.name());
}

QString displayName(const Tag& tag) {
  if (tag.id() == 0) return toQString(coreText(tag.name()));
  return toQString(tag.name());
}

QString displayName(const Item& item) {
  return item.name().empty() ? QCoreApplication::translate("CoreTexts", "unnamed") : toQString(item.name());
}

std::wstring addFilesQuestionText(size_t count) {
  // lupdate reads the count only as a plain name.
  const int files = static_cast<int>(count);
  return toWString(QCoreApplication::translate(
      "CoreTexts", "%n files are to be added. This may take some time. \nAre you sure you want to continue?", nullptr,
      files));
}

}  // namespace tavoro::ui
