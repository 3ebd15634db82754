#include "platform/navigator.h"

#include <QAbstractEventDispatcher>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QThread>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <vector>

#include "model/check.h"
#include "platform/application.h"
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

// `margins` are the decorations the desktop draws around w now.
Place PlaceOf(const QWidget& w, FormId id, const QMargins& margins) {
  Place p;
  p.maximized = w.isMaximized();
  // The place to come back to is the normal one, in its own frame.
  p.inner = p.maximized ? w.normalGeometry() : w.geometry();
  p.frame = p.inner.marginsAdded(margins);
  p.id = id;
  return p;
}

// A window manager decorates a frame by its size rules: one the user may
// resize has other decorations (a resize handle) than one of a fixed size.
bool Resizable(const QWidget& frame) { return frame.minimumSize() != frame.maximumSize(); }

// Tells when the desktop has mapped, moved or resized the frame's window:
// by then it has drawn the decorations of the size rules it was given.
class FramingWatch : public QObject {
 public:
  FramingWatch(QWindow* window, std::function<void()> framed) : QObject(window), framed_(std::move(framed)) {
    window->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    const QEvent::Type type = event->type();
    if (type == QEvent::Move || type == QEvent::Resize || type == QEvent::Expose) framed_();
    return false;
  }

 private:
  std::function<void()> framed_;
};

// How far the centre of a length lies from its start, as QRect::center()
// has it for a rect at a positive place; taken by itself it is the same
// wherever the rect lies, so a centre passed from window to window and back
// comes back to the pixel.
int Half(int length) { return (std::max(length, 1) - 1) / 2; }

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

// The user's input: what a window that is going away must not handle.
bool IsInput(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::InputMethod:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
    case QEvent::NativeGesture:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::Close:
      return true;
    default:
      return false;
  }
}

int LoopLevel() { return QThread::currentThread()->loopLevel(); }

}  // namespace

Navigator::Navigator() = default;

Navigator::~Navigator() {
  DropInput(false);
  current_.reset();
  frame_.reset();
}

void Navigator::Schedule() {
  if (scheduled_) return;
  scheduled_ = true;
  QMetaObject::invokeMethod(
      this,
      [this] {
        scheduled_ = false;
        CarryOut(1);
      },
      Qt::QueuedConnection);
}

// In the program every window's code runs inside an event's delivery, so
// a delivery under way beyond the caller's own says that some code runs,
// whatever loop it has started since. A loop above the windows' own says it
// for code run outside any delivery (a test's) that opened a loop.
bool Navigator::WindowCodeRuns(int ownDeliveries) const {
  return loading_ || Application::Deliveries() > ownDeliveries ||
         (homeLoopLevel_ >= 0 && LoopLevel() > homeLoopLevel_);
}

void Navigator::Hold() {
  if (held_) return;
  held_ = true;
  // Every event loop, Qt's own included, says when it is about to wait and
  // when it has woken: the first such moment with no window code under it
  // is the one to carry the change out from.
  if (auto* dispatcher = QAbstractEventDispatcher::instance()) {
    connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, &Navigator::Retry, Qt::UniqueConnection);
    connect(dispatcher, &QAbstractEventDispatcher::awake, this, &Navigator::Retry, Qt::UniqueConnection);
  }
}

void Navigator::Retry() {
  const bool due = pending_ && !quit_;
  if (due && WindowCodeRuns(0)) return;
  held_ = false;
  if (auto* dispatcher = QAbstractEventDispatcher::instance()) disconnect(dispatcher, nullptr, this, nullptr);
  if (due) Schedule();
}

void Navigator::DropInput(bool drop) {
  if (drop == dropping_) return;
  QCoreApplication* app = QCoreApplication::instance();
  if (!app) return;
  dropping_ = drop;
  if (drop)
    app->installEventFilter(this);
  else
    app->removeEventFilter(this);
}

bool Navigator::eventFilter(QObject* watched, QEvent* event) {
  if (!dropping_ || !frame_ || !IsInput(event->type()) || !watched->isWidgetType()) return false;
  auto* widget = static_cast<QWidget*>(watched);
  // The frame and the window in it; the dialogs are windows of their own.
  if (widget->window() != frame_.get()) return false;
  if (event->type() == QEvent::Close && widget != frame_.get()) return false;
  // Dropped as refused: a close box then closes nothing, a drag is turned
  // away; a click or key is taken, so that it goes to no other control.
  const QEvent::Type t = event->type();
  event->setAccepted(!(t == QEvent::Close || t == QEvent::DragEnter || t == QEvent::DragMove || t == QEvent::Drop));
  return true;
}

void Navigator::Register(FormId id, Factory factory) { factories_[id] = std::move(factory); }

bool Navigator::Has(FormId id) const { return factories_.count(id) != 0; }

void Navigator::Show(FormId id) {
  MORVADEL_CHECK(Has(id));
  if (quit_) return;
  next_ = id;
  pending_ = true;
  DropInput(true);
  Schedule();
}

QRect Navigator::WantedPlace(const QRect* oldFrame, QSize size, const QMargins& margins, const QRect& screen) {
  if (!oldFrame) {
    QRect inner(QPoint(0, 0), size);
    inner.moveCenter(screen.center());
    return inner;
  }
  // The new window's frame, in its own decorations, around the old frame's
  // centre; of one size, that is the same top-left.
  QRect frame(QPoint(0, 0), size.grownBy(margins));
  frame.moveTopLeft(oldFrame->topLeft() + QPoint(Half(oldFrame->width()) - Half(frame.width()),
                                                 Half(oldFrame->height()) - Half(frame.height())));
  return frame.marginsRemoved(margins);
}

QRect Navigator::PlaceNext(const QRect* oldFrame, QSize size, const QMargins& margins, const QRect& screen) {
  return KeptInside(WantedPlace(oldFrame, size, margins, screen).marginsAdded(margins), screen)
      .marginsRemoved(margins);
}

QMargins Navigator::FrameMargins() const {
  const QWindow* window = frame_ ? frame_->windowHandle() : nullptr;
  if (!window) return {};
  return readMargins_ ? readMargins_(*window) : window->frameMargins();
}

void Navigator::Framed() {
  QWidget* frame = frame_.get();
  const QWindow* window = frame ? frame->windowHandle() : nullptr;
  if (!window || !placedMargins_ || frame->isMaximized()) return;
  const QMargins margins = FrameMargins();
  // Not framed yet, framed as foreseen, or moved or resized since (by the
  // user or the desktop): the place stays.
  if (margins.isNull() || margins == *placedMargins_ || window->geometry() != placed_) return;
  seenMargins_[Resizable(*frame)] = margins;
  const QRect meant = wanted_.marginsAdded(*placedMargins_);
  const QRect inner = PlaceNext(&meant, placed_.size(), margins, area_);
  wanted_ = WantedPlace(&meant, placed_.size(), margins, area_);
  placedMargins_ = margins;
  if (inner == placed_) return;
  placed_ = inner;
  frame->setGeometry(inner);
}

QWidget* Navigator::EnsureFrame() {
  if (!frame_) {
    frame_ = std::make_unique<AppFrame>(*this);
    SetDialogOwner(frame_.get());
  }
  return frame_.get();
}

void Navigator::ProcessPending() { CarryOut(0); }

void Navigator::CarryOut(int ownDeliveries) {
  if (!pending_ || quit_) return;
  // Code of the window shown, or of the one being loaded, still runs: it
  // goes on with its window, and the change follows when it has returned.
  if (WindowCodeRuns(ownDeliveries)) {
    Hold();
    return;
  }
  if (homeLoopLevel_ < 0) homeLoopLevel_ = LoopLevel();
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
  struct Loading {
    bool& flag;
    explicit Loading(bool& f) : flag(f) { flag = true; }
    ~Loading() { flag = false; }
  };
  {
    Loading loading(loading_);
    current_->Form_Load();
  }
  if (quit_) return;  // the load ended the program
  if (pending_) {     // the load already asked for another window
    Schedule();
    return;
  }
  // On again while the frame is empty, so that only the frame itself is
  // marked for repainting, not each control of the new window.
  frame->setUpdatesEnabled(true);
  ShowInFrame(hadWindow);
  // The input from here on is the new window's.
  DropInput(false);
}

void Navigator::ShowInFrame(bool hadWindow) {
  QWidget* frame = frame_.get();
  Form& form = *current_;
  std::optional<Place> old;
  const QMargins oldMargins = FrameMargins();
  if (hadWindow) {
    old = PlaceOf(*frame, *shownId_, oldMargins);
    if (!old->maximized) seenMargins_[Resizable(*frame)] = oldMargins;
  }
  QScreen* screen = nullptr;
  if (old) screen = QGuiApplication::screenAt(old->frame.center());
  if (!screen) screen = QGuiApplication::primaryScreen();
  if (old && old->inner == placed_ && wanted_.isValid()) {
    // Where the user left it: the place meant for the last window, which
    // the screen's edge may have held back, in the decorations it was
    // placed for.
    old->inner = wanted_;
    old->frame = wanted_.marginsAdded(placedMargins_.value_or(oldMargins));
  }

  form.FitWindow();
  form.adjustSize();
  if (form.layout()) form.layout()->activate();
  const bool grows = form.Grows();
  QSize size = form.size();
  // A window shown again (a sheet switch, a reload) keeps the size the user
  // gave it.
  if (old && grows && old->id == form.id()) size = old->inner.size().expandedTo(form.minimumSizeHint());
  const QRect area = screen ? screen->availableGeometry() : QRect(QPoint(0, 0), size);
  // A window that grows may be enlarged and maximised beyond its design
  // size; one of buttons has its size only, so that the desktop offers no
  // maximise.
  const QSize least = grows ? form.minimumSize() : size;
  const QSize most = grows ? QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX) : size;
  // The frame will have the decorations last seen around one of its size
  // rules, else, until one has been seen, the old window's.
  const QRect* oldFrame = old ? &old->frame : nullptr;
  const QMargins margins = old ? seenMargins_[least != most].value_or(oldMargins) : QMargins();
  const QRect inner = PlaceNext(oldFrame, size, margins, area);

  // The focus its load chose; moving into the frame forgets it.
  QPointer<QWidget> chosen = form.focusWidget();
  form.setParent(frame);
  frame->layout()->addWidget(&form);
  frame->setWindowTitle(form.windowTitle());
  connect(&form, &QWidget::windowTitleChanged, frame, &QWidget::setWindowTitle);

  // While the frame is placed the rules admit both its old and its new
  // size, so that it never passes through a size of neither window.
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
    placed_ = inner;
    wanted_ = WantedPlace(oldFrame, size, margins, area);
    placedMargins_ = old ? std::optional<QMargins>(margins) : std::nullopt;
    area_ = area;
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
    // Framed by the desktop in other decorations than foreseen, the frame
    // is placed again for its own.
    QWindow* window = frame->windowHandle();
    if (window && !window->findChild<FramingWatch*>(QString(), Qt::FindDirectChildrenOnly))
      new FramingWatch(window, [this] { Framed(); });
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
  DropInput(false);
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
