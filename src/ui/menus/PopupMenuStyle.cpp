#include "ui/menus/PopupMenuStyle.h"

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionMenuItem>

#include "ui/common/ResourcePictures.h"
#include "ui/common/UiFonts.h"

namespace tavoro::ui {

namespace {

const QColor kIconColumnColour(225, 227, 231);
const QColor kBackground(251, 251, 251);
const QColor kOutline(141, 145, 153);
const QColor kSelectedFrame(141, 145, 153);
const QColor kSelectedColumn(179, 187, 202);
const QColor kSelectedFill(197, 205, 220);
const QColor kGreySelectedFrame(205, 208, 214);
const QColor kGreySelectedColumn(225, 227, 231);
const QColor kGreySelectedFill(242, 243, 245);
const QColor kGreyText(166, 166, 166);
const QColor kSeparatorLine(166, 166, 166);

constexpr int kTextFlags = Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextShowMnemonic;

}  // namespace

PopupMenuStyle::PopupMenuStyle(QObject* parent) : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {
  setParent(parent);
}

int PopupMenuStyle::itemWidth(const QString& textWithKey, bool isDefault) {
  const QFontMetrics metrics(isDefault ? UiFontBold() : UiFont());
  const qsizetype tab = textWithKey.indexOf(u'\t');
  const QString label = tab < 0 ? textWithKey : textWithKey.left(tab);
  int width = metrics.size(Qt::TextSingleLine | Qt::TextShowMnemonic, label).width();
  if (tab >= 0) width += kKeyGap + metrics.horizontalAdvance(textWithKey.mid(tab + 1));
  return width + kExtraWidth;
}

int PopupMenuStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const {
  switch (metric) {
    case PM_MenuPanelWidth:
      return kFrameWidth;
    case PM_MenuHMargin:
    case PM_MenuVMargin:
    case PM_MenuDesktopFrameWidth:
      return 0;
    case PM_SubMenuOverlap:
      return -kFrameWidth;
    default:
      return QProxyStyle::pixelMetric(metric, option, widget);
  }
}

int PopupMenuStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                              QStyleHintReturn* returnData) const {
  switch (hint) {
    case SH_Menu_AllowActiveAndDisabled:  // greyed items highlight in their own grey colours
      return 1;
    case SH_Menu_FlashTriggeredItem:
    case SH_Menu_FadeOutOnHide:
    case SH_Menu_SupportsSections:
      return 0;
    case SH_Menu_Mask:
      return 0;
    default:
      return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
}

QSize PopupMenuStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                       const QWidget* widget) const {
  if (type == CT_MenuItem) {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (!item) return size;
    // A separator is 5 pixels high; it asks for one pixel of width only because
    // the menu drops items of no width, and every item takes the menu's width.
    if (item->menuItemType == QStyleOptionMenuItem::Separator) return QSize(1, kSeparatorHeight);
    return QSize(itemWidth(item->text, item->menuItemType == QStyleOptionMenuItem::DefaultItem), kItemHeight);
  }
  if (type == CT_Menu) return size;
  return QProxyStyle::sizeFromContents(type, option, size, widget);
}

void PopupMenuStyle::fillMargins(const QRect& menuRect, QPainter* painter) const {
  painter->fillRect(menuRect, kBackground);
  painter->fillRect(QRect(menuRect.left(), menuRect.top(), kFrameWidth + kIconColumn, menuRect.height()),
                    kIconColumnColour);
}

void PopupMenuStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                   const QWidget* widget) const {
  switch (element) {
    case PE_PanelMenu:
      fillMargins(option->rect, painter);
      return;
    case PE_FrameMenu:
      // Called clipped to the frame: the icon column runs through the margins.
      fillMargins(option->rect, painter);
      painter->setPen(kOutline);
      painter->setBrush(Qt::NoBrush);
      painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
      return;
    default:
      QProxyStyle::drawPrimitive(element, option, painter, widget);
  }
}

void PopupMenuStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                 const QWidget* widget) const {
  switch (element) {
    case CE_MenuItem:
      drawMenuItem(option, painter);
      return;
    case CE_MenuEmptyArea:
      fillMargins(option->rect, painter);
      return;
    case CE_MenuHMargin:
    case CE_MenuVMargin:
      return;
    default:
      QProxyStyle::drawControl(element, option, painter, widget);
  }
}

void PopupMenuStyle::drawMenuItem(const QStyleOption* option, QPainter* painter) const {
  const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
  if (!item) return;
  const QRect rect = item->rect;
  const int l = rect.left();
  const int t = rect.top();
  const int r = rect.left() + rect.width();  // exclusive edges, as the drawing rules are written
  const int b = rect.top() + rect.height();
  const bool enabled = item->state & State_Enabled;
  const bool selected = (item->state & State_Selected) && item->menuItemType != QStyleOptionMenuItem::Separator;

  painter->save();
  if (!selected) {
    painter->fillRect(QRect(l, t, kIconColumn, b - t), kIconColumnColour);
    painter->fillRect(QRect(l + kIconColumn, t, r - l - kIconColumn, b - t), kBackground);
  } else {
    const QColor& frame = enabled ? kSelectedFrame : kGreySelectedFrame;
    painter->fillRect(rect, frame);
    const QRect inside = rect.adjusted(1, 1, -1, -1);
    painter->fillRect(QRect(inside.left(), inside.top(), 22, inside.height()),
                      enabled ? kSelectedColumn : kGreySelectedColumn);
    painter->fillRect(QRect(inside.left() + 22, inside.top(), inside.width() - 22, inside.height()),
                      enabled ? kSelectedFill : kGreySelectedFill);
  }

  if (item->menuItemType == QStyleOptionMenuItem::Separator) {
    painter->fillRect(QRect(l + kTextLeft, t + (b - t) / 2, r - l - kTextLeft, 1), kSeparatorLine);
    painter->restore();
    return;
  }

  // Icon: the command's cell (set by the menu as the item's icon), else a
  // check or radio mark for checked items.
  const QPoint iconPlace(l + 1, t + 1);
  if (!item->icon.isNull()) {
    painter->drawPixmap(iconPlace, item->icon.pixmap(QSize(20, 20), enabled ? QIcon::Normal : QIcon::Disabled));
  } else if (item->checkType != QStyleOptionMenuItem::NotCheckable && item->checked) {
    const Picture mark = item->checkType == QStyleOptionMenuItem::Exclusive ? Picture::RadioMark : Picture::CheckMark;
    painter->drawPixmap(iconPlace, enabled ? resourcePixmap(mark) : greyResourcePixmap(mark));
  }

  const bool isDefault = item->menuItemType == QStyleOptionMenuItem::DefaultItem;
  painter->setFont(isDefault ? UiFontBold() : UiFont());
  painter->setPen(enabled ? QColor(Qt::black) : kGreyText);
  const QRect textRect(l + kTextLeft, t, r - kTextRightGap - (l + kTextLeft), b - t);
  const qsizetype tab = item->text.indexOf(u'\t');
  if (tab < 0) {
    painter->drawText(textRect, Qt::AlignLeft | kTextFlags, item->text);
  } else {
    painter->drawText(textRect, Qt::AlignLeft | kTextFlags, item->text.left(tab));
    painter->drawText(textRect, Qt::AlignRight | kTextFlags, item->text.mid(tab + 1));
  }

  if (item->menuItemType == QStyleOptionMenuItem::SubMenu) {
    const QPixmap arrow = resourcePixmap(Picture::SubmenuArrow);
    const QRect arrowRect(r - kTextRightGap, t, kTextRightGap, b - t);
    painter->drawPixmap(arrowRect.left() + (arrowRect.width() - arrow.width()) / 2,
                        arrowRect.top() + (arrowRect.height() - arrow.height()) / 2, arrow);
  }
  painter->restore();
}

}  // namespace tavoro::ui
