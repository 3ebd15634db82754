// Start-up: one shared state for the run, the real dialogs, the navigator
// with every window of the program, and the language choice first.
#include <QApplication>
#include <QLocale>
#include <memory>

#include "app/command_line.h"
#include "model/atomic_file.h"
#include "model/shared_state.h"
#include "output/export_run.h"
#include "platform/application.h"
#include "platform/dialogs.h"
#include "platform/memory_use.h"
#include "platform/navigator.h"
#include "platform/user_account.h"
#include "compare/compare_forms.h"
#include "entry/entry_forms.h"
#include "ratios/ratio_forms.h"
#include "shell/form2a.h"

int main(int argc, char** argv) {
  // Before anything is written: a file-size limit makes a write fail, not the run end.
  morvadel::CatchFileSizeSignal();
  morvadel::TuneMemoryReturn();
  const morvadel::StartRequest start = morvadel::TakeCommandLine(argc, argv);
  if (start.exitCode) return *start.exitCode;
  morvadel::Application app(argc, argv);
  QApplication::setApplicationName("Morvadel");
  QApplication::setQuitOnLastWindowClosed(false);
  QApplication::setStyle("Fusion");

  auto state = std::make_unique<morvadel::SharedState>();
  const QString mark = QLocale::system().decimalPoint();
  state->DecimalMark = mark == "," ? ',' : '.';
  state->ReportedBy = morvadel::Cell::Text(morvadel::SystemReporterName());
  morvadel::QtDialogs dialogs;
  morvadel::Navigator nav;
  morvadel::ExportRun exports;
  morvadel::AppContext ctx{*state, nav, dialogs, &exports};
  ctx.openOnStart = start.workbook;
  nav.SetContext(&ctx);
  morvadel::RegisterShellForms(nav);
  morvadel::RegisterEntryForms(nav);
  morvadel::RegisterRatioForms(nav);
  morvadel::RegisterCompareForms(nav);

  nav.Show(morvadel::FormId::Form1);
  return app.exec();
}
