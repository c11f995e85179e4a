// showMessage: the program's only message box, centred over its owner, and the
// responder through which tests record and answer boxes instead of showing
// them. User-interface thread only.
#pragma once

#include <QMessageBox>
#include <QPointer>
#include <QRect>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class QWidget;

namespace tavoro::ui {

// Box kinds: one button set, optionally one icon and one default button, or-ed
// together. The values are the historical ones so that stored or logged types
// read the same everywhere.
enum MessageType : unsigned {
  kMbOk = 0x0000,
  kMbOkCancel = 0x0001,
  kMbYesNoCancel = 0x0003,
  kMbYesNo = 0x0004,
  kMbIconError = 0x0010,
  kMbIconQuestion = 0x0020,
  kMbIconWarning = 0x0030,
  kMbIconInformation = 0x0040,
  kMbDefaultButton2 = 0x0100,
  kMbDefaultButton3 = 0x0200,

  // The program's question: Yes and No, No the default, question icon.
  kMbQuestion = kMbYesNo | kMbIconQuestion | kMbDefaultButton2,
};

// What showMessage returns: the button that closed the box.
enum MessageResult : int { kIdOk = 1, kIdCancel = 2, kIdYes = 6, kIdNo = 7 };

// Shows a modal box with the text (plain text: "<" and "&" are shown as they
// are) and caption, owned by owner's window (or by no window when owner is
// null), and returns the button that closed it. While a responder is
// installed, no box is shown: the responder answers.
int showMessage(QWidget* owner, std::wstring_view text, std::wstring_view caption, unsigned type);

// A box as showMessage built it, handed to a responder.
struct MessageRecord {
  QPointer<QWidget> owner;
  std::wstring text;
  std::wstring caption;
  unsigned type = 0;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  std::vector<int> buttons;  // results of the buttons, left to right as built
  int defaultButton = 0;     // result of the button that Enter presses
};

using MessageResponder = std::function<int(const MessageRecord&)>;

// Installs the responder (an empty one restores real boxes); returns the one
// it replaces.
MessageResponder setMessageResponder(MessageResponder responder);

// Records every box while it lives and answers them in order from the answers
// given (with the box's default button once they run out). Restores the
// previous responder when destroyed.
class ScopedMessageResponder {
 public:
  explicit ScopedMessageResponder(std::vector<int> answers = {});
  ~ScopedMessageResponder();
  ScopedMessageResponder(const ScopedMessageResponder&) = delete;
  ScopedMessageResponder& operator=(const ScopedMessageResponder&) = delete;

  void addAnswer(int answer) { m_answers.push_back(answer); }
  const std::vector<MessageRecord>& records() const { return m_records; }
  const MessageRecord& last() const { return m_records.back(); }
  size_t count() const { return m_records.size(); }

 private:
  MessageResponder m_previous;
  std::vector<int> m_answers;
  size_t m_nextAnswer = 0;
  std::vector<MessageRecord> m_records;
};

// Where a box of this size goes: centred over owner's window when that is
// visible and not minimised, else over the work area of owner's screen (or the
// primary screen), then moved to lie inside that work area.
QRect centredMessageRect(QSize boxSize, const QWidget* owner);

}  // namespace tavoro::ui
