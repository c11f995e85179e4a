#include "ui/export/ExportProgressDialog.h"

#include <QCloseEvent>
#include <algorithm>
#include <QDialogButtonBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavoro::ui {

namespace {

constexpr int kBarSteps = 1000;

}  // namespace

ExportProgressDialog::ExportProgressDialog(QWidget* owner, const QString& title, const QString& text)
    : QDialog(owner), m_text(new QLabel(text, this)), m_bar(new QProgressBar(this)) {
  setObjectName(QStringLiteral("ExportProgressDialog"));
  setWindowTitle(title);
  setAccessibleName(title);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  m_text->setWordWrap(true);
  m_text->setMinimumWidth(360);
  m_bar->setObjectName(QStringLiteral("ExportProgressBar"));
  m_bar->setAccessibleName(tr("Progress"));
  m_bar->setRange(0, kBarSteps);
  m_bar->setValue(0);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
  m_cancel = buttons->button(QDialogButtonBox::Cancel);
  m_cancel->setText(tr("Cancel"));
  connect(m_cancel, &QPushButton::clicked, this, &ExportProgressDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_text);
  layout->addWidget(m_bar);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void ExportProgressDialog::setProgress(uint64_t done, uint64_t total) {
  if (total == 0) {
    m_bar->setRange(0, 0);
    return;
  }
  m_bar->setRange(0, kBarSteps);
  const double fraction = static_cast<double>(std::min(done, total)) / static_cast<double>(total);
  m_bar->setValue(static_cast<int>(fraction * kBarSteps));
}

void ExportProgressDialog::reject() {
  if (m_finished) {
    QDialog::reject();
    return;
  }
  if (m_stopRequested) return;
  m_stopRequested = true;
  m_cancel->setEnabled(false);
  m_text->setText(tr("Stopping..."));
  emit stopRequestedChanged();
}

void ExportProgressDialog::finish() {
  m_finished = true;
  done(QDialog::Accepted);
}

void ExportProgressDialog::closeEvent(QCloseEvent* event) {
  if (m_finished) {
    QDialog::closeEvent(event);
    return;
  }
  event->ignore();
  reject();
}

}  // namespace tavoro::ui
