#include "platform/application.h"

#include <QThread>

namespace morvadel {

namespace {

int& DeliveriesUnderWay() {
  static int count = 0;
  return count;
}

}  // namespace

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

int Application::Deliveries() { return DeliveriesUnderWay(); }

bool Application::notify(QObject* receiver, QEvent* event) {
  // Only the user-interface thread's events: the windows live there.
  if (QThread::currentThread() != thread()) return QApplication::notify(receiver, event);
  struct Count {
    Count() { ++DeliveriesUnderWay(); }
    ~Count() { --DeliveriesUnderWay(); }
  } count;
  return QApplication::notify(receiver, event);
}

}  // namespace morvadel
