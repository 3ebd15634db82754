#include "platform/navigator.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <optional>

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

namespace {

// Where the window being left stood: its frame and inner area in normal
// (not maximised) state, and whether it was maximised.
struct Place {
  QRect frame, inner;
  bool maximized = false;
  FormId id{};
};

Place PlaceOf(const Form& w) {
  Place p;
  p.frame = w.frameGeometry();
  p.inner = w.geometry();
  p.maximized = w.isMaximized();
  p.id = w.id();
  if (p.maximized) {
    // The place to come back to is the normal one, in its own frame.
    const QMargins m(p.inner.left() - p.frame.left(), p.inner.top() - p.frame.top(),
                     p.frame.right() - p.inner.right(), p.frame.bottom() - p.inner.bottom());
    p.inner = w.normalGeometry();
    p.frame = p.inner.marginsAdded(m);
  }
  return p;
}

// Moves `rect` into `area` as far as it goes; a rect larger than the area
// keeps its top-left corner in it.
QRect KeptInside(QRect rect, const QRect& area) {
  if (rect.right() > area.right()) rect.moveRight(area.right());
  if (rect.bottom() > area.bottom()) rect.moveBottom(area.bottom());
  if (rect.left() < area.left()) rect.moveLeft(area.left());
  if (rect.top() < area.top()) rect.moveTop(area.top());
  return rect;
}

}  // namespace

QRect Navigator::PlaceNext(const QRect* oldFrame, const QRect* oldInner, QSize size, const QRect& screen) {
  if (!oldFrame || !oldInner) {
    QRect inner(QPoint(0, 0), size);
    inner.moveCenter(screen.center());
    return KeptInside(inner, screen);
  }
  // The new window will have the frame the old one had.
  const QMargins m(oldInner->left() - oldFrame->left(), oldInner->top() - oldFrame->top(),
                   oldFrame->right() - oldInner->right(), oldFrame->bottom() - oldInner->bottom());
  QRect frame(QPoint(0, 0), size.grownBy(m));
  if (frame.size() == oldFrame->size())
    frame.moveTopLeft(oldFrame->topLeft());
  else
    frame.moveCenter(oldFrame->center());
  frame = KeptInside(frame, screen);
  return frame.marginsRemoved(m);
}

void Navigator::ProcessPending() {
  scheduled_ = false;
  if (!pending_ || quit_) return;
  pending_ = false;
  std::optional<Place> old;
  if (current_) {
    old = PlaceOf(*current_);
    current_->hide();
    current_.reset();
  }
  MORVADEL_CHECK(ctx_ != nullptr);
  current_ = factories_.at(next_)(*ctx_);
  current_->Form_Load();
  if (pending_) return;  // the load already asked for another window
  current_->FitWindow();
  current_->adjustSize();

  QSize size = current_->size();
  // A window shown again (a sheet switch, a reload) keeps the size the user
  // gave it.
  if (old && current_->Grows() && old->id == current_->id())
    size = old->inner.size().expandedTo(current_->minimumSizeHint());
  QScreen* screen = nullptr;
  if (old) screen = QGuiApplication::screenAt(old->frame.center());
  if (!screen) screen = QGuiApplication::primaryScreen();
  const QRect area = screen ? screen->availableGeometry() : QRect(QPoint(0, 0), size);
  const QRect inner = old ? PlaceNext(&old->frame, &old->inner, size, area) : PlaceNext(nullptr, nullptr, size, area);
  // The inner area is placed; the window manager puts the frame around it.
  current_->setGeometry(inner);
  if (old && old->maximized && current_->Grows())
    current_->showMaximized();
  else
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
