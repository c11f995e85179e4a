#include "ui/common/MessageBox.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QWidget>

#include "ui/common/QtText.h"

namespace tavoro::ui {

namespace {

MessageResponder& responder() {
  static MessageResponder* installed = new MessageResponder;
  return *installed;
}

QScreen* screenOf(const QWidget* widget) {
  QScreen* screen = widget ? widget->screen() : nullptr;
  return screen ? screen : QGuiApplication::primaryScreen();
}

// A box that moves itself once it knows its final size, as the box's own
// centring over the parent would put it elsewhere (over the parent widget
// rather than its window, or ignoring the work area).
class CentredMessageBox : public QMessageBox {
 public:
  CentredMessageBox(QWidget* parent, const QWidget* owner) : QMessageBox(parent), m_owner(owner) {}

 protected:
  void showEvent(QShowEvent* event) override {
    QMessageBox::showEvent(event);
    if (!event->spontaneous()) move(centredMessageRect(frameGeometry().size(), m_owner).topLeft());
  }

 private:
  QPointer<const QWidget> m_owner;
};

QMessageBox::Icon iconOf(unsigned type) {
  switch (type & 0xF0) {
    case kMbIconError:
      return QMessageBox::Critical;
    case kMbIconQuestion:
      return QMessageBox::Question;
    case kMbIconWarning:
      return QMessageBox::Warning;
    case kMbIconInformation:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

struct BoxButton {
  QMessageBox::StandardButton button;
  int result;
};

std::vector<BoxButton> buttonsOf(unsigned type) {
  switch (type & 0x0F) {
    case kMbOkCancel:
      return {{QMessageBox::Ok, kIdOk}, {QMessageBox::Cancel, kIdCancel}};
    case kMbYesNoCancel:
      return {{QMessageBox::Yes, kIdYes}, {QMessageBox::No, kIdNo}, {QMessageBox::Cancel, kIdCancel}};
    case kMbYesNo:
      return {{QMessageBox::Yes, kIdYes}, {QMessageBox::No, kIdNo}};
    default:
      return {{QMessageBox::Ok, kIdOk}};
  }
}

size_t defaultIndexOf(unsigned type, size_t buttonCount) {
  size_t index = 0;
  if (type & kMbDefaultButton3)
    index = 2;
  else if (type & kMbDefaultButton2)
    index = 1;
  // A default beyond the buttons falls back to the first, as it always did.
  return index < buttonCount ? index : 0;
}

}  // namespace

QRect centredMessageRect(QSize boxSize, const QWidget* owner) {
  const QWidget* window = owner ? owner->window() : nullptr;
  const QRect workArea = screenOf(window)->availableGeometry();
  QRect over = workArea;
  if (window && window->isVisible() && !window->isMinimized()) over = window->frameGeometry();

  // Centres as the sum of both edges halved, truncating toward zero.
  const int centreX = (over.left() + over.left() + over.width()) / 2;
  const int centreY = (over.top() + over.top() + over.height()) / 2;
  QRect box(QPoint(centreX - boxSize.width() / 2, centreY - boxSize.height() / 2), boxSize);

  if (box.right() > workArea.right()) box.moveRight(workArea.right());
  if (box.bottom() > workArea.bottom()) box.moveBottom(workArea.bottom());
  if (box.left() < workArea.left()) box.moveLeft(workArea.left());
  if (box.top() < workArea.top()) box.moveTop(workArea.top());
  return box;
}

int showMessage(QWidget* owner, std::wstring_view text, std::wstring_view caption, unsigned type) {
  QWidget* parent = owner ? owner->window() : nullptr;
  CentredMessageBox box(parent, owner);
  box.setTextFormat(Qt::PlainText);
  box.setText(toQString(text));
  box.setWindowTitle(toQString(caption));
  box.setIcon(iconOf(type));

  const std::vector<BoxButton> choices = buttonsOf(type);
  MessageRecord record;
  record.owner = owner;
  record.text = std::wstring(text);
  record.caption = std::wstring(caption);
  record.type = type;
  record.icon = box.icon();
  for (const BoxButton& choice : choices) {
    box.addButton(choice.button);
    record.buttons.push_back(choice.result);
  }
  const BoxButton& defaultChoice = choices[defaultIndexOf(type, choices.size())];
  box.setDefaultButton(defaultChoice.button);
  record.defaultButton = defaultChoice.result;

  if (responder()) return responder()(record);

  box.exec();
  const QMessageBox::StandardButton pressed = box.standardButton(box.clickedButton());
  for (const BoxButton& choice : choices)
    if (choice.button == pressed) return choice.result;
  // Closed without a button (the window manager's close): the box's escape answer.
  return choices.size() == 1 ? choices[0].result : (type & 0x0F) == kMbYesNo ? kIdNo : kIdCancel;
}

MessageResponder setMessageResponder(MessageResponder next) {
  MessageResponder previous = std::move(responder());
  responder() = std::move(next);
  return previous;
}

ScopedMessageResponder::ScopedMessageResponder(std::vector<int> answers) : m_answers(std::move(answers)) {
  m_previous = setMessageResponder([this](const MessageRecord& record) {
    m_records.push_back(record);
    if (m_nextAnswer < m_answers.size()) return m_answers[m_nextAnswer++];
    return record.defaultButton;
  });
}

ScopedMessageResponder::~ScopedMessageResponder() { setMessageResponder(std::move(m_previous)); }

}  // namespace tavoro::ui
