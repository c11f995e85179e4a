// An orderly end when the session or a terminal asks the program to stop
// (SIGTERM, SIGHUP, SIGINT): the request reaches the event loop, where the
// main window closes as if the user had closed it, saving the open wardrobe
// and the settings. Each signal is caught once; a second one ends the
// process at once, the platform's default. Crashes are not caught.
// User-interface thread only.
#pragma once

#include <QObject>

class QSocketNotifier;

namespace tavoro {

class TerminationRequest : public QObject {
  Q_OBJECT

 public:
  explicit TerminationRequest(QObject* parent = nullptr);
  ~TerminationRequest() override;

  // False when the signals could not be watched (the defaults stay).
  bool active() const { return m_notifier != nullptr; }

 signals:
  void requested();

 private:
  QSocketNotifier* m_notifier = nullptr;
};

}  // namespace tavoro
