#include "ui/search/SearchBox.h"
#include "ui/common/CoreTexts.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

#include "ui/common/CommandIds.h"
#include "ui/common/QtText.h"
#include "ui/common/ResourcePictures.h"
#include "ui/common/UiFonts.h"
#include "ui/controls/ImageButton.h"
#include "ui/controls/TextRowList.h"
#include "ui/menus/MenuTables.h"
#include "ui/menus/PopupMenu.h"
#include "ui/search/SuggestionPopup.h"
#include "wardrobe/Collection.h"

namespace tavoro::ui {

namespace {

const QColor kCueColour(160, 166, 178);
const QColor kTextColour(74, 86, 110);
const QColor kHoverFill(246, 248, 252);
const QColor kFill(240, 244, 252);

const QFont& cueFont() {
  static const QFont& font = *new QFont([] {
    QFont italic = makeUiFont(13, false, true);
    italic.setStyleStrategy(QFont::PreferAntialias);
    return italic;
  }());
  return font;
}

ImageButton* makeButton(QWidget* parent, const char* name, Picture strip, int width) {
  auto* button = new ImageButton(parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setFocusPolicy(Qt::NoFocus);
  button->setCursor(Qt::ArrowCursor);
  // Normal, pressed, hot, disabled.
  button->setImages(resourcePixmap(strip), width, 0, 1, 2, 3);
  button->hide();
  return button;
}

bool isMouseEvent(QEvent::Type type) {
  return type == QEvent::MouseMove || type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
         type == QEvent::MouseButtonDblClick || type == QEvent::Wheel;
}

}  // namespace

SearchBox::SearchBox(QWidget* parent)
    : QWidget(parent),
      m_edit(new QLineEdit(this)),
      m_clear(makeButton(this, "SearchClearButton", Picture::SearchClearButton, kClearButtonWidth)),
      m_options(makeButton(this, "SearchOptionsButton", Picture::SearchOptionsButton, kOptionsButtonWidth)),
      m_popup(new SuggestionPopup(this)) {
  setObjectName(QStringLiteral("SearchBox"));
  setFocusPolicy(Qt::NoFocus);
  setCursor(Qt::IBeamCursor);
  m_edit->setObjectName(QStringLiteral("SearchEdit"));
  m_edit->setFrame(false);
  m_edit->setFont(makeUiFont(14));
  m_edit->setTextMargins(4, 0, 1, 0);
  m_edit->hide();
  connect(m_edit, &QLineEdit::textChanged, this, &SearchBox::onTextChanged);
  connect(m_clear, &QAbstractButton::clicked, this, &SearchBox::onClearClicked);
  connect(m_options, &QAbstractButton::clicked, this, &SearchBox::showOptionsMenu);
  connect(m_popup, &SuggestionPopup::suggestionChosen, this, [this](const QString& text) {
    m_edit->setText(text);
    m_edit->setCursorPosition(static_cast<int>(text.size()));
  });
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
    if (now == m_edit && old && old != this && !isAncestorOf(old)) m_previousFocus = old;
  });
  qApp->installEventFilter(this);
  layOut();
}

SearchBox::~SearchBox() {
  // Nothing may reach this object while its widgets are torn down.
  qApp->removeEventFilter(this);
  disconnect(qApp, nullptr, this, nullptr);
  disconnect(m_edit, nullptr, this, nullptr);
}

QString SearchBox::text() const {
  return m_edit->text();
}

void SearchBox::setCollection(Collection* collection) {
  m_collection = collection;
  // A screen reader says the cue of the field it reads, as the box shows it.
  m_edit->setAccessibleDescription(cueText());
  update();
}

QString SearchBox::cueText() const {
  return tr("Search %1").arg(m_collection ? displayName(*m_collection) : QString());
}

void SearchBox::activate() {
  // A box that is not shown (another tab is selected) cannot be typed into,
  // and its pop-up would hang under nothing.
  if (!isVisible()) return;
  m_edit->show();
  m_edit->setFocus(Qt::OtherFocusReason);
  m_edit->selectAll();
  update();
  placePopup();
  notify(kActivated);
}

void SearchBox::clear() {
  m_emptiedByProgram = true;
  m_edit->clear();
}

void SearchBox::placePopup() {
  m_popup->placeUnder(QRect(m_edit->mapToGlobal(QPoint(0, 0)), m_edit->size()));
}

void SearchBox::notify(int flags) {
  const QString current = m_edit->text();
  emit notified(current, flags);
  // The pop-up is the other listener: it offers suggestions as the text
  // changes and records what is committed.
  switch (flags) {
    case kTextChanged:
    case kActivated:
      m_popup->onSearchTextChanged(toWString(current));
      break;
    case kSearchCommitted:
      m_popup->onSearchCommitted(toWString(current));
      break;
    default:
      m_popup->hidePopup();
      break;
  }
}

// --- Layout and painting -----------------------------------------------------

void SearchBox::layOut() {
  const QRect work = rect().adjusted(2, 2, -2, -2);
  const bool hasText = !m_edit->text().isEmpty();
  const int buttonWidth = hasText ? kClearButtonWidth : kOptionsButtonWidth;
  ImageButton* shown = hasText ? m_clear : m_options;
  ImageButton* other = hasText ? m_options : m_clear;
  const QRect button(work.right() + 1 - buttonWidth, work.top(), buttonWidth, work.height());
  if (shown->geometry() != button) shown->setGeometry(button);
  other->hide();
  shown->show();
  const QRect edit(work.left(), work.top() + 2, qMax(0, work.width() - buttonWidth), qMax(0, work.height() - 2));
  if (m_edit->geometry() != edit) m_edit->setGeometry(edit);
}

QRect SearchBox::textArea() const {
  const QRect work = rect().adjusted(2, 2, -2, -2);
  const int buttonWidth = m_edit->text().isEmpty() ? kOptionsButtonWidth : kClearButtonWidth;
  return QRect(work.left() + 4, work.top(), qMax(0, work.width() - buttonWidth - 4), work.height());
}

void SearchBox::resizeEvent(QResizeEvent*) {
  layOut();
}

void SearchBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // The picture's rounded corners are transparent: the header shows through them.
  drawThreeSlice(painter, rect(), resourcePixmap(Picture::SearchBoxBackground), 2);
  if (m_edit->isVisible()) return;
  const QRect area = textArea();
  painter.fillRect(area, m_hovered ? kHoverFill : kFill);
  const bool empty = m_edit->text().isEmpty();
  const QFont& font = empty ? cueFont() : makeUiFont(14);
  painter.setFont(font);
  painter.setPen(empty ? kCueColour : kTextColour);
  const QString shown = QFontMetrics(font).elidedText(empty ? cueText() : m_edit->text(), Qt::ElideRight, area.width());
  painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
}

// --- Input -----------------------------------------------------------------------

void SearchBox::mousePressEvent(QMouseEvent* event) {
  if (!m_edit->isVisible() && event->button() == Qt::LeftButton) activate();
}

void SearchBox::enterEvent(QEnterEvent*) {
  m_hovered = true;
  update();
}

void SearchBox::leaveEvent(QEvent*) {
  m_hovered = false;
  update();
}

void SearchBox::focusInEvent(QFocusEvent*) {
  if (m_edit->isVisible())
    m_edit->setFocus(Qt::OtherFocusReason);
  else
    activate();
}

void SearchBox::onTextChanged() {
  layOut();
  update();
  if (m_collection) notify(m_emptiedByProgram ? kTextEmptied : kTextChanged);
}

void SearchBox::onClearClicked() {
  if (!m_edit->hasFocus()) m_emptiedByProgram = true;
  m_edit->clear();
}

void SearchBox::onEditFocusOut() {
  m_popup->hidePopup();
  m_edit->hide();
  update();
  if (!m_edit->text().isEmpty() && m_collection) notify(kSearchCommitted);
}

void SearchBox::showOptionsMenu() {
  auto menu = PopupMenu::fromResource(kMenuSearchOptions);
  if (!menu) return;
  const SearchHistory::MenuState state = m_popup->history().menuState();
  menu->setCommandEnabled(kCmdClearHistory, state.clearHistoryEnabled);
  if (QAction* autoSuggest = menu->commandAction(kCmdAutoSuggest)) {
    autoSuggest->setCheckable(true);
    autoSuggest->setChecked(state.autoSuggestChecked);
  }
  // Right-aligned under the button, which shows pressed while the menu is open.
  const QPoint bottomRight = m_options->mapToGlobal(QPoint(m_options->width(), m_options->height()));
  const QPoint at(bottomRight.x() - menu->sizeHint().width(), bottomRight.y());
  QPointer<SearchBox> self(this);
  m_options->setDown(true);
  const int command = menu->track(at, this);
  if (!self) return;
  m_options->setDown(false);
  if (command == kCmdClearHistory)
    m_popup->clearHistory();
  else if (command == kCmdAutoSuggest)
    m_popup->history().toggleAutoSuggest();
}

bool SearchBox::eventFilter(QObject* watched, QEvent* event) {
  // The pop-up sees each event first; the edit's own handling comes after.
  if (applicationEvent(watched, event)) return true;
  return watched == m_edit && editEvent(event);
}

bool SearchBox::editEvent(QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress: {
      const auto* key = static_cast<QKeyEvent*>(event);
      if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        if (!key->isAutoRepeat()) notify(kSearchCommitted);
        return true;
      }
      if (key->key() == Qt::Key_Escape) {
        if (key->isAutoRepeat()) return true;
        clear();
        QWidget* back = m_previousFocus && m_previousFocus->isVisible() ? m_previousFocus.data() : parentWidget();
        if (back) back->setFocus(Qt::OtherFocusReason);
        if (m_edit->hasFocus()) m_edit->clearFocus();
        return true;
      }
      // Delete in an empty box brings back the suggestions last offered.
      if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::NoModifier && m_edit->text().isEmpty() &&
          !m_popup->isVisible() && m_popup->list()->rowCount() > 0) {
        m_popup->showPopup();
      }
      return false;
    }
    case QEvent::FocusIn:
      m_emptiedByProgram = false;
      return false;
    case QEvent::FocusOut:
      // A menu opened over the box (its own or the edit's) keeps the edit.
      if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) onEditFocusOut();
      return false;
    case QEvent::MouseButtonPress:
      if (!m_popup->isVisible()) {
        placePopup();
        notify(kActivated);
      }
      return false;
    default:
      return false;
  }
}

bool SearchBox::applicationEvent(QObject* watched, QEvent* event) {
  if (!m_popup->isVisible() || !watched->isWidgetType()) return false;
  auto* widget = static_cast<QWidget*>(watched);
  const QEvent::Type type = event->type();
  if (type == QEvent::KeyPress) {
    // Once, for the widget the key is meant for (Qt passes an unaccepted key
    // on to the parents, and every delivery comes through here).
    QWidget* target = QApplication::focusWidget();
    if (target ? widget != target : !widget->isWindow()) return false;
    return m_popup->handleKeyPress(*static_cast<QKeyEvent*>(event));
  }
  // The pop-up belongs under the box: it follows the window, and a press on
  // the window's frame closes it as a press anywhere else does.
  if (widget == window()) {
    if (type == QEvent::Move || type == QEvent::Resize) placePopup();
    if (type == QEvent::NonClientAreaMouseButtonPress) m_popup->hidePopup();
  }
  if (!isMouseEvent(type)) return false;
  const bool inPopup = m_popup->contains(widget);
  if (type == QEvent::MouseButtonPress && !inPopup) {
    const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
    if (button == Qt::LeftButton || button == Qt::RightButton || button == Qt::MiddleButton) m_popup->hidePopup();
    return false;
  }
  const QPointF global = type == QEvent::Wheel ? static_cast<QWheelEvent*>(event)->globalPosition()
                                               : static_cast<QMouseEvent*>(event)->globalPosition();
  if (inPopup && m_popup->geometry().contains(global.toPoint())) m_popup->resetIdleTime();
  return false;
}

}  // namespace tavoro::ui
