// The About box: the banner, the program's name and version, a notice line
// and the web site's link. User-interface thread only.
#pragma once

#include <QDialog>

class QLabel;

namespace tavoro::ui {

class AboutLink;

class AboutDialog : public QDialog {
  Q_OBJECT

 public:
  explicit AboutDialog(QWidget* owner);

  QLabel* versionLabel() const { return m_version; }
  AboutLink* link() const { return m_link; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* m_owner;
  QLabel* m_version;
  AboutLink* m_link;
};

// Shows the About box, modal, owned by owner (the active window); returns
// when it is closed.
void showAbout(QWidget* owner);

}  // namespace tavoro::ui
