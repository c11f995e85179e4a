#include "ui/home/RecentWardrobeList.h"
#include "ui/common/UiText.h"

#include "ui/common/CommandActions.h"
#include "ui/frame/RecentWardrobes.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPointer>

#include "platform/PathOps.h"
#include "ui/common/CommandActions.h"
#include "ui/common/CommandIds.h"
#include "ui/common/MessageBox.h"
#include "ui/common/QtText.h"
#include "ui/common/ResourcePictures.h"
#include "ui/common/UiFonts.h"
#include "ui/frame/RecentWardrobes.h"
#include "ui/menus/MenuTables.h"
#include "ui/menus/PopupMenu.h"
#include "wardrobe/WardrobeFile.h"

namespace tavoro::ui {

namespace {

constexpr int kCapWidth = 5;

const QColor kNameColour(61, 75, 102);
const QColor kPathColour(145, 150, 161);
const QColor kEmptyTextColour(160, 160, 160);

class RecentWardrobeRow : public ListBoxRow {
 public:
  RecentWardrobeRow(std::wstring name, std::wstring path) : m_name(std::move(name)), m_path(std::move(path)) {}

  const std::wstring& name() const { return m_name; }
  const std::wstring& path() const { return m_path; }
  QString accessibleName() const override { return toQString(m_name); }
  QString accessibleDescription() const override { return toQString(m_path); }

  void paint(QPainter& painter, const QRect& rect, const State& state) const override {
    const int l = rect.left();
    const int t = rect.top();
    const int r = rect.left() + rect.width();
    const int b = rect.top() + rect.height();
    const int side = b - t;

    Picture picture = Picture::None;
    if (state.selected)
      picture = state.hot ? Picture::RecentWardrobeSelectedHover : Picture::RecentWardrobeSelected;
    else if (state.hot)
      picture = Picture::RecentWardrobeHover;
    if (picture != Picture::None) {
      painter.fillRect(rect, Qt::white);  // under the pictures' rounded corners
      drawThreeSlice(painter, rect, resourcePixmap(picture), kCapWidth);
    } else {
      QLinearGradient gradient(0, t, 0, b);
      gradient.setColorAt(0, QColor(245, 245, 245));
      gradient.setColorAt(1, QColor(255, 255, 255));
      painter.fillRect(rect, gradient);
    }

    const QPixmap icon = resourcePixmap(Picture::RecentWardrobeIcon);
    painter.drawPixmap(l + (side - icon.width()) / 2, t + (side - icon.height()) / 2, icon);

    const QRect nameRect = QRect(QPoint(l + side + 2, t), QPoint(r - 8 - 1, t + side / 2 - 1)).translated(0, 1);
    painter.setFont(UiFontLargeBold());
    painter.setPen(kNameColour);
    painter.drawText(nameRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     painter.fontMetrics().elidedText(toQString(m_name), Qt::ElideRight, nameRect.width()));

    const QRect pathRect(QPoint(nameRect.left(), nameRect.bottom() + 1), QPoint(nameRect.right(), b - 1));
    painter.setFont(UiFont());
    painter.setPen(kPathColour);
    painter.drawText(pathRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     painter.fontMetrics().elidedText(toQString(m_path), Qt::ElideMiddle, pathRect.width()));
  }

 private:
  std::wstring m_name;
  std::wstring m_path;
};

}  // namespace

RecentWardrobeList::RecentWardrobeList(RecentWardrobes& recentWardrobes, QWidget* parent)
    : RowList(kRowHeight, parent), m_recentWardrobes(recentWardrobes) {
  setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  connect(this, &RowList::rowDoubleClicked, this, [this] {
    const int row = selectedRow();
    if (row >= 0) emit openRequested(row);
  });
  makeActions();
}

std::wstring RecentWardrobeList::nameOf(std::wstring_view path) {
  std::wstring name = readWardrobeName(path);
  if (!name.empty()) return name;
  return pathStem(cleanPath(path));
}

void RecentWardrobeList::fill() {
  removeAllRows();
  for (const std::wstring& path : m_recentWardrobes.paths()) addRow(std::make_unique<RecentWardrobeRow>(nameOf(path), path));
}

std::wstring RecentWardrobeList::rowName(int index) const {
  const auto* recent = static_cast<const RecentWardrobeRow*>(row(index));
  return recent ? recent->name() : std::wstring();
}

std::wstring RecentWardrobeList::rowPath(int index) const {
  const auto* recent = static_cast<const RecentWardrobeRow*>(row(index));
  return recent ? recent->path() : std::wstring();
}

void RecentWardrobeList::paintBackground(QPainter& painter, const QRect& area) {
  painter.fillRect(area, Qt::white);
  if (rowCount() > 0) return;
  const QRect topHalf(0, 0, viewport()->width(), viewport()->height() / 2);
  painter.setFont(UiFontLarge());
  painter.setPen(kEmptyTextColour);
  const QString text = tr("No recent wardrobes.");
  painter.drawText(topHalf, Qt::AlignCenter | Qt::TextSingleLine,
                   painter.fontMetrics().elidedText(text, Qt::ElideRight, topHalf.width()));
}

void RecentWardrobeList::makeActions() {
  addCommandAction(this, kCmdOpenRecent, tr("Open"), [this] {
    if (selectedRow() >= 0) emit openRequested(selectedRow());
  });
  addCommandAction(this, kCmdCopyPathToClipboard, tr("Copy Path to Clipboard"), [this] {
    if (const std::wstring path = rowPath(selectedRow()); !path.empty())
      QGuiApplication::clipboard()->setText(toQString(path));
  });
  addCommandAction(this, kCmdClearRecentList, tr("Clear List"), [this] { clearList(); });
}

void RecentWardrobeList::contextMenuEvent(QContextMenuEvent* event) {
  if (rowCount() == 0) return;
  const bool onRow = rowAt(event->reason() == QContextMenuEvent::Keyboard ? keyboardMenuPoint() : event->pos()) >= 0;
  findCommandAction(this, kCmdOpenRecent)->setEnabled(onRow);
  findCommandAction(this, kCmdCopyPathToClipboard)->setEnabled(onRow);
  findCommandAction(this, kCmdClearRecentList)->setEnabled(rowCount() > 0);
  runCommandMenu(kMenuWardrobeListContext, this, contextMenuPosition(viewport(), *event), kCmdOpenRecent);
}

void RecentWardrobeList::clearList() {
  if (showMessage(this, uiText(tr("Are you sure you want to clear the recent wardrobes list?")),
                  uiText(tr("Confirm Clear")), kMbQuestion) !=
      kIdYes)
    return;
  const bool hadSelection = selectedCount() > 0;
  m_recentWardrobes.clear();
  removeAllRows();
  // Whoever follows the selection (the Open Wardrobe dialog's OK button) must
  // learn that the selected row is gone.
  if (hadSelection) emit selectionChanged();
}

}  // namespace tavoro::ui
