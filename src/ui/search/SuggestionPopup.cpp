#include "ui/search/SuggestionPopup.h"

#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "settings/AppSettings.h"
#include "ui/common/QtText.h"
#include "ui/controls/TextRowList.h"

namespace tavoro::ui {

namespace {

const QColor kFrame(143, 155, 179);

}  // namespace

SuggestionPopup::SuggestionPopup(QWidget* owner)
    // A tool-tip kind of window: frameless, owned, and never activated on any
    // platform (a plain tool window is activated when shown on some), so the
    // keyboard focus stays in the box.
    : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus),
      m_recent(AppSettings::settings().mruSearches),
      m_known(AppSettings::settings().allSearches),
      m_history(m_recent, m_known, AppSettings::settings().autoSuggest),
      m_list(new TextRowList(this)),
      m_timer(new QTimer(this)) {
  setObjectName(QStringLiteral("SuggestionPopup"));
  setAttribute(Qt::WA_ShowWithoutActivating);
  setFocusPolicy(Qt::NoFocus);
  m_list->setFocusPolicy(Qt::NoFocus);
  m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // Presses on the rows are handled here, so that the list never takes the
  // keyboard focus away from the search box.
  m_list->viewport()->installEventFilter(this);
  m_timer->setObjectName(QStringLiteral("IdleTimer"));
  m_timer->setInterval(kTickMs);
  connect(m_timer, &QTimer::timeout, this, &SuggestionPopup::tick);
  m_slide.setDuration(kSlideMs);
  connect(&m_slide, &QVariantAnimation::valueChanged, this,
          [this](const QVariant& shown) { setMask(QRegion(0, 0, width(), shown.toInt())); });
  connect(&m_slide, &QVariantAnimation::finished, this, [this] { clearMask(); });
  resize(100, 10);
}

SuggestionPopup::~SuggestionPopup() {
  AppSettings& settings = AppSettings::settings();
  settings.mruSearches = m_recent;
  settings.allSearches = m_known;
}

bool SuggestionPopup::contains(const QWidget* widget) const {
  return widget && (widget == this || isAncestorOf(widget));
}

void SuggestionPopup::placeUnder(const QRect& globalRect) {
  setGeometry(globalRect.left(), globalRect.bottom(), globalRect.width(), 10);
  fitToRows();
}

void SuggestionPopup::fitToRows() {
  // The list is as high as its rows; the pop-up is the list and its frame.
  resize(width(), m_list->rowCount() * m_list->rowHeight() + 2);
}

void SuggestionPopup::resizeEvent(QResizeEvent*) {
  m_list->setGeometry(rect().adjusted(1, 1, -1, -1));
}

void SuggestionPopup::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(kFrame);
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void SuggestionPopup::onSearchTextChanged(std::wstring_view text) {
  const std::vector<std::wstring> suggestions = m_history.suggestionsFor(text);
  if (suggestions.empty()) {
    hidePopup();
    return;
  }
  m_list->setRows(suggestions);
  fitToRows();
  showPopup();
  m_idle = 0;
}

void SuggestionPopup::onSearchCommitted(std::wstring_view text) {
  if (!text.empty()) m_history.recordSearch(text);
  hidePopup();
}

void SuggestionPopup::clearHistory() {
  m_history.clearHistory();
  // The rows would offer the searches just forgotten.
  m_list->setRows({});
  hidePopup();
}

void SuggestionPopup::showPopup() {
  if (isVisible() || !m_history.autoSuggest()) return;
  setMask(QRegion(0, 0, width(), 0));
  show();
  raise();
  m_slide.stop();
  m_slide.setStartValue(0);
  m_slide.setEndValue(height());
  m_slide.start();
  m_idle = 0;
  m_timer->start();
}

void SuggestionPopup::hidePopup() {
  m_slide.stop();
  clearMask();
  hide();
  m_timer->stop();
  m_idle = 0;
}

void SuggestionPopup::tick() {
  if (frameGeometry().contains(QCursor::pos()))
    m_idle = 0;
  else if (m_idle + kTickMs < kIdleLimitMs)
    m_idle += kTickMs;
  else
    hidePopup();
}

bool SuggestionPopup::handleKeyPress(const QKeyEvent& event) {
  if (!isVisible()) return false;
  const bool repeat = event.isAutoRepeat();
  switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (!repeat) choose(m_list->selectedText());
      return true;
    case Qt::Key_Escape:
      if (!repeat) hidePopup();
      return true;
    case Qt::Key_Up:
      if (!repeat) m_list->selectPrevious();
      m_idle = 0;
      return true;
    case Qt::Key_Down:
      if (!repeat) m_list->selectNext();
      m_idle = 0;
      return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
      m_list->deselect();
      m_idle = 0;
      return false;
    default:
      return false;
  }
}

void SuggestionPopup::choose(const std::wstring& text) {
  hidePopup();
  if (!text.empty()) emit suggestionChosen(toQString(text));
}

bool SuggestionPopup::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_list->viewport() &&
      (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)) {
    const auto* press = static_cast<QMouseEvent*>(event);
    if (press->button() == Qt::LeftButton) {
      const int row = m_list->rowAt(press->position().toPoint());
      if (row >= 0) choose(m_list->text(row));
    }
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace tavoro::ui
