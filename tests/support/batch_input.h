#pragma once
// Input as a busy machine delivers it: every click and key of a batch is
// queued before any of them is handled, and the event loop then delivers
// them in order, each through the window system's path to the control that
// is under the pointer or has the focus at that moment. Whatever a handler
// queues meanwhile (a window change) comes after the whole batch.
#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <functional>

namespace morvadel::test {

class InputBatch {
 public:
  // A left click on `target`, at `pos` in it (its centre by default), where
  // it stands now.
  InputBatch& Click(QWidget* target, QPoint pos = {}) {
    if (pos.isNull()) pos = target->rect().center();
    QPointer<QWindow> window = WindowOf(target);
    const QPoint at = target->mapTo(target->window(), pos);
    Queue([window, at] {
      if (window) QTest::mouseClick(window.data(), Qt::LeftButton, Qt::NoModifier, at);
    });
    return *this;
  }
  // A key pressed and released in the window of `any` (a control of it),
  // for whichever control has the focus then.
  InputBatch& Key(QWidget* any, Qt::Key key) {
    QPointer<QWindow> window = WindowOf(any);
    Queue([window, key] {
      if (window) QTest::keyClick(window.data(), key);
    });
    return *this;
  }
  // Digits typed, one key each.
  InputBatch& Type(QWidget* any, const QString& digits) {
    for (QChar ch : digits) Key(any, static_cast<Qt::Key>(Qt::Key_0 + ch.digitValue()));
    return *this;
  }
  // The title bar's close box of the window of `any`.
  InputBatch& CloseBox(QWidget* any) {
    QPointer<QWindow> window = WindowOf(any);
    Queue([window] {
      if (window) window->close();
    });
    return *this;
  }

  // Lets the event loop run until the batch and whatever it asked for have
  // been handled.
  static void Deliver() {
    for (int i = 0; i < 8; ++i) {
      QApplication::processEvents();
      QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
  }

 private:
  static QWindow* WindowOf(QWidget* w) { return w->window()->windowHandle(); }
  static void Queue(std::function<void()> step) {
    QMetaObject::invokeMethod(qApp, std::move(step), Qt::QueuedConnection);
  }
};

}  // namespace morvadel::test
