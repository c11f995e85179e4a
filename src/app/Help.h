// Opening the user guide (Help.html beside the program) in the default
// browser: in the user's language, its title and headings translated (the
// text itself is in English) in a copy in the temporary folder.
// User-interface thread only.
#pragma once

#include <QString>

namespace tavoro {

// Does nothing, and shows nothing, when the file is missing; true when the
// guide was handed to the browser.
bool openHelp();

// Whether the installed catalogue translates the guide's headings.
bool guideIsTranslated();

// The guide's HTML in the user's language: its title and headings (<h1> to
// <h3>) translated where the catalogue has them, the page's language set, a
// note that the text is in English, and its pictures found in pictureFolder
// (a file URL ending in "/").
QString translatedGuide(const QString& html, const QString& pictureFolder);

}  // namespace tavoro
