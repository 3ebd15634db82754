#pragma once
// Message boxes and file dialogs. Windows use them through this interface so
// that tests can answer them.
#include <memory>
#include <string>

class QWidget;

namespace morvadel {

class Printer;

enum class MsgIcon { None, Information, Question, Warning, Critical };

inline constexpr const char* kAppTitle = "Morvadel";

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // filter as the windows give it: "description|pattern" pairs joined by "|".
  // An empty result means the user cancelled. The open dialog starts in
  // `folder`; the save dialog at `suggested`, a file's path or a folder's
  // path ending in "/", and asks before it names an existing file.
  virtual std::string OpenFile(const std::string& filter, const std::string& folder) = 0;
  virtual std::string SaveFile(const std::string& filter, const std::string& suggested,
                               const std::string& title = "") = 0;
  // A save dialog in which a name typed without an extension gets
  // defaultExtension (before the question about an existing file).
  virtual std::string SaveFileWithExtension(const std::string& filter, const std::string& suggested,
                                            const std::string& title, const std::string& defaultExtension) {
    (void)defaultExtension;
    return SaveFile(filter, suggested, title);
  }
  virtual void Message(const std::string& text, MsgIcon icon, const std::string& title = kAppTitle) = 0;
  virtual bool AskYesNo(const std::string& text, MsgIcon icon, const std::string& title = kAppTitle) = 0;
  // The print dialog: the printer (or PDF file) chosen, its job started
  // (Failed when it could not start); nullptr when the user cancelled.
  // Without a print dialog nothing is printed.
  virtual std::shared_ptr<Printer> ChoosePrinter() { return nullptr; }
};

// The real dialogs, over QFileDialog and QMessageBox.
class QtDialogs : public Dialogs {
 public:
  std::string OpenFile(const std::string& filter, const std::string& folder) override;
  std::string SaveFile(const std::string& filter, const std::string& suggested,
                       const std::string& title) override;
  std::string SaveFileWithExtension(const std::string& filter, const std::string& suggested, const std::string& title,
                                    const std::string& defaultExtension) override;
  void Message(const std::string& text, MsgIcon icon, const std::string& title) override;
  bool AskYesNo(const std::string& text, MsgIcon icon, const std::string& title) override;
  // QPrintDialog with landscape preselected; "Print to File (PDF)" is
  // offered beside the system's printers.
  std::shared_ptr<Printer> ChoosePrinter() override;
};

// The window message boxes, file and print dialogs and the document preview
// are centred on and modal to: a dialog already up, else the program's
// frame (set by the navigator when it makes it), else the active window.
QWidget* DialogOwner();
void SetDialogOwner(QWidget* frame);

// "Datoteke (*.eka) |*.eka" as a Qt name filter list.
std::string QtNameFilters(const std::string& filter);

// The extension a save dialog gives a name typed without one: that of the
// filter's first pattern ("eka" for "*.eka"); "" when it names none.
std::string DefaultSuffix(const std::string& filter);
// The path with "." and the suffix added when its file name has no
// extension of its own; a name with another extension stays as typed.
std::string WithDefaultSuffix(const std::string& path, const std::string& suffix);

// Where the file dialogs of the workbook start: the folder of the workbook
// file when one is named (and its folder exists), else the user's documents
// folder (the home folder when there is none). OpenDialogFolder gives the
// folder; SaveDialogStart the file's path or the folder's path ending in
// "/".
std::string DocumentsFolder();
std::string OpenDialogFolder(const std::string& fileName);
std::string SaveDialogStart(const std::string& fileName);

}  // namespace morvadel
