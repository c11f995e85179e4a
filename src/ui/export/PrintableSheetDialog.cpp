#include "ui/export/PrintableSheetDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/common/QtText.h"

namespace tavoro::ui {

namespace {

enum PaperChoice { kA4 = 0, kLetter = 1 };

}  // namespace

PrintableSheetDialog::PrintableSheetDialog(QWidget* owner, const WardrobeSnapshot& snapshot, const QLocale& locale)
    : QDialog(owner), m_paper(new QComboBox(this)), m_tags(new QListWidget(this)) {
  setObjectName(QStringLiteral("PrintableSheetDialog"));
  setWindowTitle(tr("Export Printable Sheet"));
  setAccessibleName(windowTitle());

  m_paper->setObjectName(QStringLiteral("PaperBox"));
  m_paper->addItem(tr("A4"));
  m_paper->addItem(tr("Letter"));
  m_paper->setCurrentIndex(paperForLocale(locale) == QPageSize::Letter ? kLetter : kA4);
  m_paper->setAccessibleName(tr("Paper"));

  // Each tag name once, in the order the collections first name them.
  std::vector<std::wstring>& names = m_names;
  std::vector<bool> ticked;
  for (const SnapshotCollection& collection : snapshot.collections) {
    for (size_t t = 0; t < collection.tagNames.size(); ++t) {
      const std::wstring& name = collection.tagNames[t];
      auto found = std::find(names.begin(), names.end(), name);
      if (found == names.end()) {
        names.push_back(name);
        ticked.push_back(false);
        found = names.end() - 1;
      }
      if (t < 2) ticked[static_cast<size_t>(found - names.begin())] = true;
    }
  }
  m_tags->setObjectName(QStringLiteral("TagList"));
  m_tags->setAccessibleName(tr("Tags printed under each name"));
  for (size_t i = 0; i < names.size(); ++i) {
    auto* row = new QListWidgetItem(toQString(names[i]), m_tags);
    row->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    row->setCheckState(ticked[i] ? Qt::Checked : Qt::Unchecked);
  }

  auto* text = new QLabel(tr("A page for each collection, with a picture and the name of every item."), this);
  text->setWordWrap(true);
  auto* tagsLabel = new QLabel(tr("Print the values of these tags under each name:"), this);
  tagsLabel->setBuddy(m_tags);
  tagsLabel->setVisible(!names.empty());
  m_tags->setVisible(!names.empty());
  auto* form = new QFormLayout;
  form->addRow(tr("Paper:"), m_paper);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setText(tr("Export..."));
  buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text);
  layout->addLayout(form);
  layout->addWidget(tagsLabel);
  layout->addWidget(m_tags);
  layout->addWidget(buttons);
  resize(420, names.empty() ? 140 : 360);
}

ContactSheetOptions PrintableSheetDialog::options() const {
  ContactSheetOptions options;
  options.paper = m_paper->currentIndex() == kLetter ? ContactSheetOptions::Paper::Letter : ContactSheetOptions::Paper::A4;
  std::vector<std::wstring> names;
  for (int i = 0; i < m_tags->count(); ++i)
    if (m_tags->item(i)->checkState() == Qt::Checked) names.push_back(m_names[static_cast<size_t>(i)]);
  options.tagNames = std::move(names);
  return options;
}

std::optional<ContactSheetOptions> askPrintableSheetOptions(QWidget* owner, const WardrobeSnapshot& snapshot) {
  PrintableSheetDialog dialog(owner, snapshot);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.options();
}

}  // namespace tavoro::ui
