#pragma once
// The run's application object. It counts how deeply events are being
// delivered, so that the navigator can tell whether any window's code is
// running, whoever started the event loop that runs now: a dialog of ours,
// or one of Qt's own (a drag, a context menu).
#include <QApplication>

namespace morvadel {

class Application : public QApplication {
  Q_OBJECT

 public:
  Application(int& argc, char** argv);

  // How many event deliveries of the user-interface thread are under way;
  // 0 between events, and always 0 where the application object is not an
  // Application.
  static int Deliveries();

  bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace morvadel
