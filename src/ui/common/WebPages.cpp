#include "ui/common/WebPages.h"

#include <QDesktopServices>
#include <QUrl>

namespace tavoro::ui {

namespace {

AddressOpener& opener() {
  static AddressOpener* installed = new AddressOpener;
  return *installed;
}

}  // namespace

QString webPageAddress(const QString& pagePath) { return QString::fromLatin1(kProductWebSite) + pagePath; }

bool openAddress(const QString& address) {
  if (opener()) return opener()(address);
  const QUrl url(address, QUrl::StrictMode);
  if (!url.isValid() || url.scheme().isEmpty()) return false;
  return QDesktopServices::openUrl(url);
}

AddressOpener setAddressOpener(AddressOpener next) {
  AddressOpener previous = std::move(opener());
  opener() = std::move(next);
  return previous;
}

}  // namespace tavoro::ui
