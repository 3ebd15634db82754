#pragma once
// Shows one window at a time without nesting event loops: a command asks
// for the next window, the current one is unloaded and the next one is built
// (Form_Load) and shown from the top-level event loop, so the call stack
// stays flat however long the user works.
//
// A window object lives until none of its code runs: a change is carried
// out only between two events of the run's own event loop, never while an
// event is being handled and never inside another event loop, whoever runs
// it (a dialog's, a handler's pending-message run, Qt's own drag or context
// menu). A change asked for meanwhile waits until they have returned.
//
// A window that has asked for a change takes no more input: the clicks and
// keys that reach it before the change is carried out were aimed at a
// window that is going away, and are dropped, so that no handler of it runs
// with the settings it has already written for the next window.
//
// The run has one desktop window, the frame, created with the first window
// shown: every window is built afresh and shown inside it, so a window
// change never unmaps one desktop window and maps another.
#include <QMargins>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "platform/app_context.h"

namespace morvadel {

class Form;

class Navigator : public QObject {
  Q_OBJECT

 public:
  using Factory = std::function<std::unique_ptr<Form>(AppContext&)>;

  Navigator();
  ~Navigator() override;
  void SetContext(AppContext* ctx) { ctx_ = ctx; }

  void Register(FormId id, Factory factory);
  bool Has(FormId id) const;

  // Unloads the current window and shows `id` once the caller's handler has
  // returned. The last request wins.
  void Show(FormId id);
  // Carries out a pending Show now (the event loop does it otherwise);
  // nothing while window code runs (an event is being handled, another
  // event loop runs, a window's load runs): the change is then carried out
  // when they have returned.
  void ProcessPending();
  // Builds a window and runs its Form_Load without showing it.
  std::unique_ptr<Form> LoadHidden(FormId id);
  // Unloads every window and ends the program.
  void Quit();

  Form* Current() const { return current_.get(); }
  // The desktop window the windows are shown in; nullptr until the first
  // one is shown.
  QWidget* Frame() const { return frame_.get(); }

  // Where the next window's inner area goes: it takes the place of the
  // frame left (decorations included). Its own frame, the inner area of
  // `size` in the decorations `margins` the desktop will draw around it,
  // has the same top-left when the frames are of one size, else the same
  // centre, and stays on `screen` as far as it fits. Without a window
  // left it is centred on the screen.
  static QRect PlaceNext(const QRect* oldFrame, QSize size, const QMargins& margins, const QRect& screen);
  // The same place before it is kept on the screen: the centre a frame
  // held back at the screen's edge was meant to have.
  static QRect WantedPlace(const QRect* oldFrame, QSize size, const QMargins& margins, const QRect& screen);
  // How the frame's decorations are read: from its desktop window unless
  // set (a test puts in a window manager's own).
  using MarginsReader = std::function<QMargins(const QWindow& window)>;
  void SetMarginsReader(MarginsReader read) { readMargins_ = std::move(read); }
  bool HasPending() const { return pending_; }
  bool QuitRequested() const { return quit_; }

 protected:
  // Drops the input that reaches the frame while a change is pending.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* EnsureFrame();
  // Puts the loaded `current_` into the frame with its size rules, place
  // and caption, and gives the focus to the control its load chose.
  void ShowInFrame(bool hadWindow);
  // The decorations the desktop draws around the frame now.
  QMargins FrameMargins() const;
  // The desktop has framed the window: drawn with decorations other than
  // the ones it was placed for, it is placed again for its own.
  void Framed();
  // Has the change carried out from the event loop.
  void Schedule();
  // Carries out the pending change unless window code runs; `ownDeliveries`
  // is the number of event deliveries the caller itself stands in (1 for
  // the navigator's own queued call).
  void CarryOut(int ownDeliveries);
  bool WindowCodeRuns(int ownDeliveries) const;
  // A change held back: asked for again each time an event loop is about to
  // wait or has woken, until no window code runs.
  void Hold();
  void Retry();
  void DropInput(bool drop);

  AppContext* ctx_ = nullptr;
  std::map<FormId, Factory> factories_;
  // Declared before current_: the window goes before the frame it is in.
  std::unique_ptr<QWidget> frame_;
  std::unique_ptr<Form> current_;
  // The window the frame shows (a load that asked for another window never
  // got there).
  std::optional<FormId> shownId_;
  FormId next_{};
  bool pending_ = false;
  bool scheduled_ = false;
  bool quit_ = false;
  bool loading_ = false;
  bool held_ = false;
  bool dropping_ = false;
  // The level of the event loop the windows are shown from, once one has
  // been shown; a change waits while a loop above it runs.
  int homeLoopLevel_ = -1;
  // The inner area the frame was given at the last change, and the one it
  // was meant to have before it was kept on the screen. While the user has
  // neither moved nor resized the frame, the next window takes the place
  // meant, so that a window held back at the screen's edge moves nobody's
  // centre and going forward and back returns each window to where it was.
  QRect placed_;
  QRect wanted_;
  // The decorations both were reckoned with (none for the first window,
  // centred on the screen as it comes), and the screen they were kept on.
  std::optional<QMargins> placedMargins_;
  QRect area_;
  // The decorations last seen around a fixed-size and around a resizable
  // frame: a window manager draws them by the frame's size rules (openbox
  // puts a resize handle under a resizable one), so the next window is
  // placed for those of its own kind.
  std::optional<QMargins> seenMargins_[2];
  MarginsReader readMargins_;
};

}  // namespace morvadel
