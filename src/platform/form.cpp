#include "platform/form.h"

#include <QCloseEvent>
#include <QLayout>

#include "platform/dialogs.h"
#include "platform/navigator.h"

namespace morvadel {

Form::Form(AppContext& ctx, FormId id) : QWidget(nullptr), ctx_(ctx), s_(ctx.s), id_(id) {
  setWindowTitle(kAppTitle);
  setAttribute(Qt::WA_DeleteOnClose, false);
}

void Form::FitWindow() {
  if (grows_) {
    // Never smaller than the design; any larger size the content takes.
    if (layout()) layout()->setSizeConstraint(QLayout::SetMinimumSize);
    return;
  }
  // Its design size only; the navigator gives the frame the same rule.
  if (layout()) layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void Form::CloseBox() { ctx_.nav.Show(FormId::Form2a); }

void Form::closeEvent(QCloseEvent* event) {
  // The navigator unloads windows itself; a close box only asks to leave.
  event->ignore();
  CloseBox();
}

}  // namespace morvadel
