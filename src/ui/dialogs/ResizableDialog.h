// The resizable dialogs' common behaviour: controls that follow the right and
// bottom edges as the template says, a size grip, a minimum size of the
// template size, a maximum of the work area (or of the template height for
// dialogs that only widen), and one remembered rectangle per kind of dialog
// for the rest of the run. User-interface thread only.
#pragma once

#include <QDialog>
#include <QRect>
#include <vector>

namespace tavoro::ui {

class ResizableDialog : public QDialog {
  Q_OBJECT

 public:
  // How a control follows the dialog's size.
  enum Anchor : unsigned {
    kStays = 0,
    kWidens = 1,       // keeps its left edge and its distance to the right edge
    kMovesRight = 2,   // keeps its distance to the right edge
    kGrows = 4,        // keeps its top edge and its distance to the bottom edge
    kMovesDown = 8,    // keeps its distance to the bottom edge
  };
  enum class Growth { WidthOnly, WidthAndHeight };

  // remembered: the rectangle of this kind of dialog, kept by the caller for
  // the whole run (empty at first); clientSize: the template size in pixels.
  ResizableDialog(QWidget* owner, QSize clientSize, Growth growth, QRect& remembered);

  // Places the control at rect (template coordinates) and lets it follow the
  // dialog's size as anchors says.
  void place(QWidget* control, const QRect& rect, unsigned anchors);

  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  struct Placed {
    QWidget* control;
    QRect rect;
    unsigned anchors;
  };
  void layOut();
  void applySizeLimits();

  QWidget* m_owner;
  QSize m_templateSize;
  Growth m_growth;
  QRect& m_remembered;
  std::vector<Placed> m_placed;
  bool m_placedOnScreen = false;
};

}  // namespace tavoro::ui
