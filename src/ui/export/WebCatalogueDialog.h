// Asked before a web catalogue is written: whether it also carries a copy of
// each photo itself (the catalogue is made of pictures the program draws,
// never the photos, unless the user asks). User-interface thread only.
#pragma once

#include <QDialog>
#include <optional>

#include "export/WebCatalogueExport.h"

class QCheckBox;

namespace tavoro::ui {

class WebCatalogueDialog : public QDialog {
  Q_OBJECT

 public:
  explicit WebCatalogueDialog(QWidget* owner);

  QCheckBox* originalsBox() const { return m_originals; }
  WebCatalogueOptions options() const;

 private:
  QCheckBox* m_originals;
};

// Shows the dialog, modal; the options when accepted.
std::optional<WebCatalogueOptions> askWebCatalogueOptions(QWidget* owner);

}  // namespace tavoro::ui
