#pragma once
// Shows one window at a time without nesting event loops: a command asks
// for the next window, the current one is unloaded and the next one is built
// (Form_Load) and shown from the top-level event loop, so the call stack
// stays flat however long the user works.
#include <QObject>
#include <QPointer>
#include <QRect>
#include <functional>
#include <map>
#include <memory>

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
  // Carries out a pending Show now (the event loop does it otherwise).
  void ProcessPending();
  // Builds a window and runs its Form_Load without showing it.
  std::unique_ptr<Form> LoadHidden(FormId id);
  // Unloads every window and ends the program.
  void Quit();

  Form* Current() const { return current_.get(); }

  // Where the next window's inner area goes: it takes the place of the
  // window left (oldFrame with its decorations, oldInner without): the same
  // frame top-left when the frames are of one size, else the same centre;
  // always on `screen`. Without a window left it is centred on the screen.
  static QRect PlaceNext(const QRect* oldFrame, const QRect* oldInner, QSize size, const QRect& screen);
  bool HasPending() const { return pending_; }
  bool QuitRequested() const { return quit_; }

 private:
  AppContext* ctx_ = nullptr;
  std::map<FormId, Factory> factories_;
  std::unique_ptr<Form> current_;
  FormId next_{};
  bool pending_ = false;
  bool scheduled_ = false;
  bool quit_ = false;
};

}  // namespace morvadel
