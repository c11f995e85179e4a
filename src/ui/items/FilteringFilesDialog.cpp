#include "ui/items/FilteringFilesDialog.h"
#include "ui/common/CoreTexts.h"

#include <QEventLoop>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

#include "imaging/import/FilterThread.h"
#include "imaging/import/ImportMessages.h"
#include "ui/common/MessageBox.h"
#include "ui/common/UiFonts.h"
#include "ui/dialogs/DialogUnits.h"
#include "ui/items/ProgressBand.h"

namespace tavoro::ui {

FilteringFilesDialog::FilteringFilesDialog(ImportList paths, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_band(new ProgressBand(this)),
      m_count(new QLabel(QStringLiteral("_COUNT_"), this)),
      m_cancel(new QPushButton(tr("Cancel"), this)) {
  setObjectName(QStringLiteral("FilteringFilesDialog"));
  setWindowTitle(tr("Filtering Files..."));
  setModal(true);
  // The template's font: 8 points at 96 dots an inch.
  setFont(makeUiFont(11));
  setFixedSize(dluSize(kWidthUnits, kHeightUnits));
  m_band->setGeometry(dluRect(7, 7, 161, 10));
  auto* queued = new QLabel(tr("Queued: "), this);
  queued->setObjectName(QStringLiteral("QueuedLabel"));
  const QRect line = dluRect(7, 26, 100, 9);
  const int labelWidth = queued->fontMetrics().horizontalAdvance(queued->text());
  queued->setGeometry(line.left(), line.top(), labelWidth, line.height());
  // The count follows the label's text, as the two read as one line.
  m_count->setObjectName(QStringLiteral("QueuedCount"));
  m_count->setGeometry(line.left() + labelWidth, line.top(), line.width() - labelWidth, line.height());
  m_cancel->setObjectName(QStringLiteral("CancelButton"));
  m_cancel->setGeometry(dluRect(118, 24, 50, 14));
  // Its one button is its default: Enter asks to cancel as Escape does.
  m_cancel->setDefault(true);
  connect(m_cancel, &QPushButton::clicked, this, &FilteringFilesDialog::reject);

  m_timer.setInterval(kTickMs);
  connect(&m_timer, &QTimer::timeout, this, &FilteringFilesDialog::tick);
  // The walk's reports arrive as queued calls; this object outlives the
  // walk (the destructor waits for it), and Qt drops calls to a dialog gone.
  m_thread = std::make_unique<FilterThread>(std::move(paths), [this](FilterEvent event, size_t count) {
    QMetaObject::invokeMethod(
        this, [this, event, count] { event == FilterEvent::Done ? onDone() : onProgress(count); },
        Qt::QueuedConnection);
  });
}

FilteringFilesDialog::~FilteringFilesDialog() {
  m_thread.reset();
}

ImportList FilteringFilesDialog::accepted() const {
  return m_thread->accepted();
}

bool FilteringFilesDialog::run() {
  if (!m_thread->start()) return false;
  m_timer.start();
  if (!m_done) {
    // Out of sight for the first ticks. The user's input waits meanwhile,
    // as it would while the dialog is shown.
    QEventLoop hidden;
    m_hiddenLoop = &hidden;
    hidden.exec(QEventLoop::ExcludeUserInputEvents);
    m_hiddenLoop = nullptr;
  }
  bool completed = m_done;
  if (!completed) {
    if (const QWidget* owner = parentWidget()) {
      const QPoint centre = owner->mapToGlobal(owner->rect().center());
      move(centre - QPoint(width() / 2, height() / 2));
    }
    m_shownAtTick = m_ticks;
    completed = exec() == QDialog::Accepted && m_done;
  }
  m_timer.stop();
  return completed;
}

void FilteringFilesDialog::tick() {
  ++m_ticks;
  if (m_hiddenLoop) {
    if (m_ticks > kHiddenTicks) m_hiddenLoop->quit();
    return;
  }
  if (isVisible()) m_band->advance();
}

void FilteringFilesDialog::onProgress(size_t count) {
  // Not while the question is open: the count stands still until it is answered.
  if (!m_asking) m_count->setText(QString::number(count));
}

void FilteringFilesDialog::onDone() {
  m_done = true;
  if (m_hiddenLoop)
    m_hiddenLoop->quit();
  else if (m_asking)
    m_doneWhileAsking = true;
  else
    accept();
}

void FilteringFilesDialog::reject() {
  if (m_asking) return;
  // The walk waits at its next path while the user decides.
  if (m_thread->isRunning()) m_thread->runPermission().reset();
  m_asking = true;
  QPointer<FilteringFilesDialog> self(this);
  const int answer = showMessage(this, coreText(kCancelFilteringQuestion), coreText(kCancelFilteringCaption), kMbQuestion);
  if (!self) return;
  m_asking = false;
  if (answer != kIdYes) {
    m_thread->runPermission().set();
    if (m_doneWhileAsking) {
      m_count->setText(QString::number(m_thread->acceptedCount()));
      accept();
    }
    return;
  }
  m_thread->stop();
  QDialog::reject();
}

}  // namespace tavoro::ui
