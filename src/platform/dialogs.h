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
  // An empty result means the user cancelled. A save dialog asks before it
  // names an existing file.
  virtual std::string OpenFile(const std::string& filter) = 0;
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
  std::string OpenFile(const std::string& filter) override;
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

// "Datoteke (*.eka) |*.eka" as a Qt name filter list.
std::string QtNameFilters(const std::string& filter);

}  // namespace morvadel
