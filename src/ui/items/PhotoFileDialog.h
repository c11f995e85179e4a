// The file chooser of "Add Photos": existing files, several at once, offered
// by type (BMP, JPG, PNG, All Formats), with a seam through which tests
// answer in place of the user. User-interface thread only.
#pragma once

#include <QStringList>
#include <functional>

class QWidget;

namespace tavoro::ui {

// The chooser's list of file types, in their order; the last ("All
// Formats") is chosen when the chooser opens.
QStringList photoFileFilters();

// The files chosen, in the order the chooser gives them; empty when cancelled.
QStringList choosePhotoFiles(QWidget* parent);

// While installed, the responder answers (it is given the filters) instead
// of a chooser being shown; an empty one restores the chooser. Returns the
// one it replaces.
using PhotoFilesResponder = std::function<QStringList(const QStringList& filters)>;
PhotoFilesResponder setPhotoFilesResponder(PhotoFilesResponder responder);

}  // namespace tavoro::ui
