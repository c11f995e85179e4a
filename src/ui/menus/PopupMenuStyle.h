// The look of every popup menu of the program: flat colours, a column of
// command icons at the left, bold default items, key texts at the right and a
// thin frame. Sizes: items 22 pixels high and as wide as their text plus 71,
// separators 5 pixels high. User-interface thread only.
#pragma once

#include <QProxyStyle>

namespace tavoro::ui {

class PopupMenuStyle : public QProxyStyle {
 public:
  // Built on the Fusion style; each popup menu owns one (a widget does not own
  // the style it is given, so the menu keeps it as a child).
  explicit PopupMenuStyle(QObject* parent = nullptr);

  static constexpr int kItemHeight = 22;
  static constexpr int kSeparatorHeight = 5;
  static constexpr int kExtraWidth = 71;     // icon column, gaps and the submenu arrow
  static constexpr int kTextLeft = 31;       // text and separator lines start here
  static constexpr int kTextRightGap = 20;   // room for the submenu arrow
  static constexpr int kIconColumn = 23;     // width of the grey icon column
  static constexpr int kFrameWidth = 3;      // 1-pixel outline and a 2-pixel margin
  static constexpr int kKeyGap = 20;         // least space between a label and its key

  // The width an item asks for: its label (and key) measured in the font the
  // item is drawn in, plus kExtraWidth.
  static int itemWidth(const QString& textWithKey, bool isDefault);

  int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr) const override;
  int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                QStyleHintReturn* returnData = nullptr) const override;
  QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                         const QWidget* widget) const override;
  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget = nullptr) const override;

 private:
  void drawMenuItem(const QStyleOption* option, QPainter* painter) const;
  void fillMargins(const QRect& menuRect, QPainter* painter) const;
};

}  // namespace tavoro::ui
