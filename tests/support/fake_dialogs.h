#pragma once
// Dialogs answered by the test: queued answers, recorded messages.
#include <QGuiApplication>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "platform/recording_printer.h"

namespace morvadel {

class FakeDialogs : public Dialogs {
 public:
  struct Shown {
    std::string text;
    MsgIcon icon;
    std::string title;
  };

  std::deque<std::string> openAnswers;  // "" = cancel
  std::deque<std::string> saveAnswers;
  std::deque<bool> yesNoAnswers;
  std::deque<std::shared_ptr<Printer>> printerAnswers;  // nullptr = cancel
  std::vector<Shown> messages;
  std::vector<Shown> questions;
  std::vector<std::string> filters;
  struct SaveRequest {
    std::string filter, suggested, title, defaultExtension;
  };
  std::vector<SaveRequest> saveRequests;
  std::vector<std::string> openFolders;  // where each open dialog started
  int openCalls = 0, saveCalls = 0, printerCalls = 0;
  // Dialogs and messages that came up under the wait cursor.
  int underWaitCursor = 0;
  void NoteWaitCursor() {
    if (QGuiApplication::overrideCursor()) ++underWaitCursor;
  }

  std::string OpenFile(const std::string& filter, const std::string& folder) override {
    ++openCalls;
    NoteWaitCursor();
    filters.push_back(filter);
    openFolders.push_back(folder);
    return Pop(openAnswers);
  }
  std::string SaveFile(const std::string& filter, const std::string& suggested, const std::string& title) override {
    ++saveCalls;
    NoteWaitCursor();
    filters.push_back(filter);
    saveRequests.push_back({filter, suggested, title, ""});
    return Pop(saveAnswers);
  }
  std::string SaveFileWithExtension(const std::string& filter, const std::string& suggested, const std::string& title,
                                    const std::string& defaultExtension) override {
    std::string answer = SaveFile(filter, suggested, title);
    saveRequests.back().defaultExtension = defaultExtension;
    return answer;
  }
  void Message(const std::string& text, MsgIcon icon, const std::string& title) override {
    NoteWaitCursor();
    messages.push_back({text, icon, title});
  }
  bool AskYesNo(const std::string& text, MsgIcon icon, const std::string& title) override {
    NoteWaitCursor();
    questions.push_back({text, icon, title});
    if (yesNoAnswers.empty()) return false;
    bool a = yesNoAnswers.front();
    yesNoAnswers.pop_front();
    return a;
  }
  // A recording printer that the next print dialog gives.
  std::shared_ptr<RecordingPrinter> QueueRecordingPrinter() {
    auto p = std::make_shared<RecordingPrinter>();
    printerAnswers.push_back(p);
    return p;
  }
  std::shared_ptr<Printer> ChoosePrinter() override {
    ++printerCalls;
    NoteWaitCursor();
    if (printerAnswers.empty()) return nullptr;
    std::shared_ptr<Printer> p = printerAnswers.front();
    printerAnswers.pop_front();
    return p;
  }

 private:
  static std::string Pop(std::deque<std::string>& q) {
    if (q.empty()) return "";
    std::string a = q.front();
    q.pop_front();
    return a;
  }
};

}  // namespace morvadel
