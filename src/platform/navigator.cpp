#include "platform/navigator.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>

#include "model/check.h"
#include "platform/dialogs.h"
#include "platform/form.h"

namespace morvadel {

namespace {

// The desktop window of the run. Its close box is the close box of the
// window it shows.
class AppFrame : public QWidget {
 public:
  explicit AppFrame(Navigator& nav) : nav_(nav) {
    setWindowTitle(kAppTitle);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    // The navigator sets the frame's size rules from the window shown.
    layout->setSizeConstraint(QLayout::SetNoConstraint);
  }

 protected:
  void closeEvent(QCloseEvent* event) override {
    event->ignore();
    if (Form* form = nav_.Current()) {
      QCloseEvent close;
      QCoreApplication::sendEvent(form, &close);
    }
  }

 private:
  Navigator& nav_;
};

// Where the window being left stood: the frame's outer and inner area in
// normal (not maximised) state, whether it was maximised, and which window
// it showed.
struct Place {
  QRect frame, inner;
  bool maximized = false;
  FormId id{};
};

Place PlaceOf(const QWidget& w, FormId id) {
  Place p;
  p.frame = w.frameGeometry();
  p.inner = w.geometry();
  p.maximized = w.isMaximized();
  p.id = id;
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

// Where the keyboard focus goes when a window is shown, as the desktop's
// activation of a window would put it: on the control its load chose, else
// on the first control of its tab order that takes the focus.
QWidget* FocusOnShow(const QWidget& frame, const Form& form, QWidget* chosen) {
  if (chosen && form.isAncestorOf(chosen) && chosen->isVisibleTo(&frame) && chosen->isEnabled()) return chosen;
  for (QWidget* w = frame.nextInFocusChain(); w && w != &frame; w = w->nextInFocusChain()) {
    if (!form.isAncestorOf(w)) continue;
    QWidget* proxy = w;
    while (proxy->focusProxy()) proxy = proxy->focusProxy();
    if (proxy != w && proxy->isAncestorOf(w)) continue;  // the proxy comes itself
    if ((proxy->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && proxy->isEnabled() && w->isVisibleTo(&frame) &&
        w->isEnabled())
      return w;
  }
  return nullptr;
}

}  // namespace

Navigator::Navigator() = default;

Navigator::~Navigator() {
  current_.reset();
  frame_.reset();
}

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

QWidget* Navigator::EnsureFrame() {
  if (!frame_) {
    frame_ = std::make_unique<AppFrame>(*this);
    SetDialogOwner(frame_.get());
  }
  return frame_.get();
}

void Navigator::ProcessPending() {
  scheduled_ = false;
  if (!pending_ || quit_) return;
  pending_ = false;
  QWidget* frame = EnsureFrame();
  const bool hadWindow = shownId_.has_value();
  // The frame keeps showing the old window's picture until the new one is
  // in it: it never paints itself empty, even when a load lets events run
  // (a message it shows). The old window is hidden first: one hidden while
  // the frame's updates are off leaves the next window to be painted twice.
  if (current_) current_->hide();
  frame->setUpdatesEnabled(false);
  current_.reset();
  MORVADEL_CHECK(ctx_ != nullptr);
  // Built and loaded on its own, as a window of its own would be, then put
  // into the frame.
  current_ = factories_.at(next_)(*ctx_);
  current_->Form_Load();
  if (pending_) return;  // the load already asked for another window
  // On again while the frame is empty, so that only the frame itself is
  // marked for repainting, not each control of the new window.
  frame->setUpdatesEnabled(true);
  ShowInFrame(hadWindow);
}

void Navigator::ShowInFrame(bool hadWindow) {
  QWidget* frame = frame_.get();
  Form& form = *current_;
  std::optional<Place> old;
  if (hadWindow) old = PlaceOf(*frame, *shownId_);

  form.FitWindow();
  form.adjustSize();
  if (form.layout()) form.layout()->activate();
  const bool grows = form.Grows();
  QSize size = form.size();
  // A window shown again (a sheet switch, a reload) keeps the size the user
  // gave it.
  if (old && grows && old->id == form.id()) size = old->inner.size().expandedTo(form.minimumSizeHint());
  QScreen* screen = nullptr;
  if (old) screen = QGuiApplication::screenAt(old->frame.center());
  if (!screen) screen = QGuiApplication::primaryScreen();
  const QRect area = screen ? screen->availableGeometry() : QRect(QPoint(0, 0), size);
  const QRect inner = old ? PlaceNext(&old->frame, &old->inner, size, area) : PlaceNext(nullptr, nullptr, size, area);

  // The focus its load chose; moving into the frame forgets it.
  QPointer<QWidget> chosen = form.focusWidget();
  form.setParent(frame);
  frame->layout()->addWidget(&form);
  frame->setWindowTitle(form.windowTitle());
  connect(&form, &QWidget::windowTitleChanged, frame, &QWidget::setWindowTitle);

  // A window that grows may be enlarged and maximised beyond its design
  // size; one of buttons has its size only, so that the desktop offers no
  // maximise. While the frame is placed the rules admit both its old and
  // its new size, so that it never passes through a size of neither window.
  const QSize least = grows ? form.minimumSize() : size;
  const QSize most = grows ? QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX) : size;
  const bool maximized = old && old->maximized && grows;
  if (!maximized) {
    if (frame->isMaximized()) frame->setWindowState(frame->windowState() & ~Qt::WindowMaximized);
    frame->setMinimumSize(least.boundedTo(frame->size()));
    frame->setMaximumSize(most.expandedTo(frame->size()));
    // The window manager learns the new rules before the frame changes
    // size: one that lays out its decorations only on a resize (openbox)
    // would otherwise keep the resize handle of the rules it saw last.
    if (QWindow* window = frame->windowHandle()) {
      window->setMinimumSize(least);
      window->setMaximumSize(most);
    }
    // The inner area is placed; the window manager puts its frame around it.
    frame->setGeometry(inner);
  }
  frame->setMinimumSize(least);
  frame->setMaximumSize(most);
  frame->layout()->activate();
  form.show();
  if (QWidget* focus = FocusOnShow(*frame, form, chosen)) focus->setFocus(Qt::ActiveWindowFocusReason);

  shownId_ = form.id();
  if (!frame->isVisible()) {
    frame->show();
    frame->raise();
    frame->activateWindow();
  }
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
  if (frame_) frame_->hide();
  QCoreApplication::quit();
}

}  // namespace morvadel
