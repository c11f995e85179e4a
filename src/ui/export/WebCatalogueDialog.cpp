#include "ui/export/WebCatalogueDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavoro::ui {

WebCatalogueDialog::WebCatalogueDialog(QWidget* owner)
    : QDialog(owner), m_originals(new QCheckBox(tr("Also copy the original photos into the catalogue"), this)) {
  setObjectName(QStringLiteral("WebCatalogueDialog"));
  setWindowTitle(tr("Export Web Catalogue"));
  setAccessibleName(windowTitle());
  auto* text = new QLabel(tr("The catalogue is a folder of web pages that opens in any browser: a page per "
                             "collection with every item's name, tag values and photos, and a box that filters "
                             "the items. Its pictures are made for it, smaller than the photos."),
                          this);
  text->setWordWrap(true);
  text->setMinimumWidth(380);
  m_originals->setObjectName(QStringLiteral("OriginalsBox"));
  m_originals->setAccessibleName(m_originals->text());
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setText(tr("Export..."));
  buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text);
  layout->addWidget(m_originals);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

WebCatalogueOptions WebCatalogueDialog::options() const {
  WebCatalogueOptions options;
  options.includeOriginals = m_originals->isChecked();
  return options;
}

std::optional<WebCatalogueOptions> askWebCatalogueOptions(QWidget* owner) {
  WebCatalogueDialog dialog(owner);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.options();
}

}  // namespace tavoro::ui
