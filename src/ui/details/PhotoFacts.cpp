#include "ui/details/PhotoFacts.h"
#include "ui/common/UiText.h"
#include <QCoreApplication>

#include <sys/stat.h>

#include <cstdio>
#include <memory>

#include "imaging/ImageCodec.h"
#include "imaging/PhotoImage.h"
#include "imaging/PhotoMetadata.h"
#include "platform/Utf8.h"
#include "wardrobe/DateTime.h"

namespace tavoro::ui {

namespace {

std::wstring notAvailable() { return uiText(QCoreApplication::translate("PhotoFacts", "n/a")); }

std::wstring dateTakenText(std::wstring_view path) {
  PhotoDateTaken taken;
  // A recorded day or time that does not exist is no date at all.
  if (!readDateTaken(path, taken) || !taken.date.isValid() || !taken.time.isValid()) return {};
  return dateTimeDisplayText(DateTime(taken.date, taken.time).toSystemTime());
}

}  // namespace

PhotoFacts readPhotoFacts(std::wstring_view path, ImageType format) {
  PhotoFacts facts;
  facts.format = format;
  struct stat status {};
  if (::stat(toUtf8(path).c_str(), &status) == 0 && S_ISREG(status.st_mode)) facts.fileSize = status.st_size;
  if (facts.fileSize < 0) return facts;
  facts.dateTaken = dateTakenText(path);
  if (const std::unique_ptr<ImageCodec> codec = createImageCodec(format)) {
    PhotoImage image(format);
    if (codec->loadFromFile(image, path, true)) {
      facts.width = image.info().width;
      facts.height = image.info().height;
    }
  }
  return facts;
}

std::wstring fileSizeText(uint64_t bytes) {
  wchar_t text[64];
  if (bytes < 1024)
    return uiText(QCoreApplication::translate("PhotoFacts", "%1 bytes"), {std::to_wstring(bytes)});
  else if (bytes < 1048576)
    std::swprintf(text, 64, L"%d", static_cast<int>((bytes + 1023) / 1024));
  if (bytes < 1048576) return uiText(QCoreApplication::translate("PhotoFacts", "%1 KB"), {text});
  else
    std::swprintf(text, 64, L"%3.2f", static_cast<double>(bytes) / 1048576.0);
  return uiText(QCoreApplication::translate("PhotoFacts", "%1 MB"), {text});
}

std::vector<std::pair<std::wstring, std::wstring>> photoFactPairs(const PhotoFacts& facts) {
  const QString kind = facts.format == ImageType::Jpg   ? QCoreApplication::translate("PhotoFacts", "JPEG image")
                       : facts.format == ImageType::Png ? QCoreApplication::translate("PhotoFacts", "PNG image")
                                                        : QCoreApplication::translate("PhotoFacts", "Bitmap image");
  std::wstring dimensions = notAvailable();
  if (facts.width > 0 && facts.height > 0) {
    wchar_t text[64];
    std::swprintf(text, 64, L"%d x %d", facts.width, facts.height);
    dimensions = text;
  }
  return {
      {L"", uiText(kind)},
      {uiText(QCoreApplication::translate("PhotoFacts", "Date taken: ")),
       facts.dateTaken.empty() ? notAvailable() : facts.dateTaken},
      {uiText(QCoreApplication::translate("PhotoFacts", "Dimensions: ")), dimensions},
      {uiText(QCoreApplication::translate("PhotoFacts", "Size: ")),
       facts.fileSize >= 0 ? fileSizeText(static_cast<uint64_t>(facts.fileSize)) : notAvailable()},
  };
}

}  // namespace tavoro::ui
