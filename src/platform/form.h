#pragma once
// Base of every window: built afresh by the navigator on every showing, its
// Form_Load builds the whole content from the shared settings.
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

 protected:
  // The title-bar close box: by default the window's way back to the main
  // window; the main window overrides it with Exit.
  virtual void CloseBox();
  void closeEvent(QCloseEvent* event) override;

  AppContext& ctx_;
  SharedState& s_;

 private:
  FormId id_;
};

}  // namespace morvadel
