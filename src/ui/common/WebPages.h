// The product's web pages and the one way the program opens an address (web
// page or mail link) in the user's default program, with a seam through which
// tests see the addresses instead of starting a browser. User-interface thread.
#pragma once

#include <QString>
#include <functional>

namespace tavoro::ui {

inline constexpr const char* kProductWebSite = "http://www.tavoro.example";

// The site's address followed by pagePath ("" for the home page,
// "/contact.html", ...).
QString webPageAddress(const QString& pagePath = QString());

// Hands the address to the desktop; false when nothing could open it.
bool openAddress(const QString& address);

using AddressOpener = std::function<bool(const QString& address)>;
// Installs an opener in place of the desktop's (an empty one restores the
// desktop); returns the one it replaces.
AddressOpener setAddressOpener(AddressOpener opener);

}  // namespace tavoro::ui
