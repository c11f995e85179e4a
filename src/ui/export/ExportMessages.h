// How the window tells the outcome of an export, a backup or a restore: a
// failure names what failed and why, in the program's message box.
// User-interface thread only.
#pragma once

#include <QString>

#include "platform/Status.h"

class QWidget;

namespace tavoro::ui {

// "<heading>\n\n<path>:\n<Reason>." in an error box; tail, when given, is a
// last paragraph.
void showExportFailure(QWidget* owner, const QString& heading, const Status& status, const QString& tail = {});

// The status's reason as a sentence: a capital first letter, a full stop.
QString reasonSentence(const Status& status);

}  // namespace tavoro::ui
