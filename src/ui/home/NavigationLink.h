// NavigationLink: a link of the home page's navigation column. A command link
// reports its click to its parent; an address link opens its address (web page
// or mail link). Hovering underlines it in the hover colour. It takes the
// keyboard focus with Tab (a dotted frame marks it) and Enter or Space
// activate it. User-interface thread only.
#pragma once

#include <QColor>
#include <QPixmap>
#include <QString>
#include <QWidget>

#include "ui/common/Picture.h"

namespace tavoro::ui {

class NavigationLink : public QWidget {
  Q_OBJECT

 public:
  enum Flag : unsigned {
    kCommandLink = 0x1,    // a click sends commandSent instead of opening the address
    kNotifyOnClick = 0x2,  // with kCommandLink: a click sends clickNotified instead
    kNoTooltip = 0x4,      // the tooltip is never shown
  };

  static const QColor kTextColour;
  static const QColor kHoverColour;
  static constexpr int kIconGap = 8;

  NavigationLink(QWidget* parent, int controlId, const QString& text, const QString& address, Picture icon,
                  const QString& tooltip, unsigned flags);

  int controlId() const { return m_controlId; }
  QString text() const { return m_text; }
  QString address() const { return m_address; }
  QString tooltipText() const { return m_tooltip; }
  bool isHot() const { return m_hot; }

  // Text width (plus the icon and 8 pixels) by the larger of text and icon height.
  QSize preferredSize() const;
  QSize sizeHint() const override { return preferredSize(); }
  // The part the text takes: the rightmost text-width pixels.
  QRect textRect() const;

  // Drawn under the link instead of the background colour.
  void setBackground(const QPixmap& picture);
  // A solid background (white by default), replacing any picture.
  void setBackground(const QColor& colour);

  // What a click does. An address that cannot be opened shows nothing, except
  // a mail link, which explains that no mail program is set up. False when the
  // address could not be opened.
  bool activate();

 signals:
  void commandSent(int controlId);
  void clickNotified(int controlId);

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void setHot(bool hot);

  int m_controlId;
  QString m_text;
  QString m_address;
  QPixmap m_icon;
  QString m_tooltip;
  unsigned m_flags;
  QColor m_backgroundColour{Qt::white};
  QPixmap m_backgroundPicture;
  bool m_hot = false;
  bool m_pressed = false;
};

}  // namespace tavoro::ui
