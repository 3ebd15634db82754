#pragma once
// Base of every window: built afresh by the navigator on every showing, its
// Form_Load builds the whole content from the shared settings. The
// navigator shows it inside the run's one desktop window, whose caption,
// size rules and close box are those of the window it shows.
#include <QWidget>

#include "platform/app_context.h"

namespace morvadel {

class Form : public QWidget {
  Q_OBJECT

 public:
  Form(AppContext& ctx, FormId id);
  FormId id() const { return id_; }

  // Builds the window's content; runs once, right after construction.
  virtual void Form_Load() = 0;

  // A window whose grid, charts or text can use more room grows with its
  // frame and can be maximised; a window of buttons keeps its size and
  // cannot be maximised.
  bool Grows() const { return grows_; }
  // Sets the window's size rules once Form_Load has built it; the
  // navigator calls it before the window is placed and shown.
  void FitWindow();

 protected:
  // The title-bar close box (the frame's, handed on as a close event): by
  // default the window's way back to the main window; the main window
  // overrides it with Exit.
  virtual void CloseBox();
  void closeEvent(QCloseEvent* event) override;
  // Called from the constructor of a window that grows.
  void SetGrows(bool grows) { grows_ = grows; }

  AppContext& ctx_;
  SharedState& s_;

 private:
  FormId id_;
  bool grows_ = false;
};

}  // namespace morvadel
