#include "platform/navigator.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

#include "model/check.h"
#include "platform/form.h"

namespace morvadel {

Navigator::Navigator() = default;
Navigator::~Navigator() = default;

void Navigator::Register(FormId id, Factory factory) { factories_[id] = std::move(factory); }

bool Navigator::Has(FormId id) const { return factories_.count(id) != 0; }

void Navigator::Show(FormId id) {
  MORVADEL_CHECK(Has(id));
  if (quit_) return;
  next_ = id;
  pending_ = true;
  if (!scheduled_) {
    scheduled_ = true;
    QMetaObject::invokeMethod(this, [this] { ProcessPending(); }, Qt::QueuedConnection);
  }
}

void Navigator::ProcessPending() {
  scheduled_ = false;
  if (!pending_ || quit_) return;
  pending_ = false;
  // The next window takes the place of the current one: the centres of
  // their frames coincide, so a window that shows itself again stays put.
  QPoint center;
  QSize decoration;
  bool hadWindow = current_ != nullptr;
  if (current_) {
    center = current_->frameGeometry().center();
    decoration = current_->frameGeometry().size() - current_->geometry().size();
    current_->hide();
    current_.reset();
  }
  MORVADEL_CHECK(ctx_ != nullptr);
  current_ = factories_.at(next_)(*ctx_);
  current_->Form_Load();
  if (pending_) return;  // the load already asked for another window
  current_->adjustSize();
  // Not yet shown, the new window has no frame of its own: it gets the
  // decoration the previous one had.
  QRect frame(QPoint(), current_->size() + decoration);
  if (!hadWindow) {
    if (QScreen* screen = QGuiApplication::primaryScreen()) center = screen->availableGeometry().center();
  }
  if (!center.isNull()) {
    frame.moveCenter(center);
    current_->move(frame.topLeft());
  }
  current_->show();
  current_->raise();
  current_->activateWindow();
}

std::unique_ptr<Form> Navigator::LoadHidden(FormId id) {
  MORVADEL_CHECK(Has(id) && ctx_ != nullptr);
  auto form = factories_.at(id)(*ctx_);
  form->Form_Load();
  return form;
}

void Navigator::Quit() {
  quit_ = true;
  pending_ = false;
  if (current_) {
    // Quit is asked from inside the window's own handlers: delete it once
    // they have returned.
    current_->hide();
    current_.release()->deleteLater();
  }
  QCoreApplication::quit();
}

}  // namespace morvadel
