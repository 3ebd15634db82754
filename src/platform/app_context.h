#pragma once
#include <string>

#include "model/shared_state.h"

namespace morvadel {

class Navigator;
class Dialogs;
class ExportRun;

// The windows of the program.
enum class FormId {
  Form1, Form2a,                         // start-up, main window
  for7, form8, For20, For21,             // general data, statements, conversion, inflation
  Form3, Form11, Form12, Form13, Form14, Form15, Unos2, Form18,  // ratios
  form50, form60, Form19, Form16, Form55,                        // comparisons, graphs
};

// What every window works with: the one shared state of the run, the
// navigator that shows the next window, the dialogs, and the exports of the
// run (their files, the desktop opener and the document preview).
struct AppContext {
  SharedState& s;
  Navigator& nav;
  Dialogs& dialogs;
  ExportRun* exports = nullptr;
  // A workbook named on the command line: the main window opens it, as its
  // Open command would, when it first shows, and takes it from here.
  std::string openOnStart = {};
};

}  // namespace morvadel
