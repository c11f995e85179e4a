#include "ui/export/ExportMessages.h"

#include <QCoreApplication>

#include "ui/common/MessageBox.h"
#include "ui/common/QtText.h"

namespace tavoro::ui {

QString reasonSentence(const Status& status) {
  QString reason = QString::fromStdString(status.reason());
  if (reason.isEmpty()) return reason;
  reason[0] = reason[0].toUpper();
  if (!reason.endsWith(u'.') && !reason.endsWith(u'!') && !reason.endsWith(u'?')) reason += u'.';
  return reason;
}

void showExportFailure(QWidget* owner, const QString& heading, const Status& status, const QString& tail) {
  QString text = heading + QStringLiteral("\n\n");
  if (!status.path().empty()) text += toQString(status.path()) + QStringLiteral(":\n");
  text += reasonSentence(status);
  if (!tail.isEmpty()) text += QStringLiteral("\n\n") + tail;
  showMessage(owner, toWString(text), toWString(QCoreApplication::translate("ExportMessages", "Error")),
              kMbOk | kMbIconError);
}

}  // namespace tavoro::ui
