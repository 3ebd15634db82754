#pragma once
// The main window: the hub of every analysis window and the owner of the
// workbook commands (New, Open, Save, Save As, Exit) and the status line.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "platform/form.h"
#include "platform/pictures.h"
#include "platform/workbook_save.h"

namespace morvadel {

class Form2a : public Form {
  Q_OBJECT

 public:
  explicit Form2a(AppContext& ctx);
  void Form_Load() override;
  void UpdateCommandsAndStatus();

  // Commands.
  void Command1_Click();
  void Command3_Click();
  void Command4_Click();
  void Command7_Click();
  void Command81_Click();
  void Command82_Click();
  void Picture5_Click();
  void Picture6_Click();
  void Picture7_Click();
  // Workbook commands.
  void Picture2_Click();   // New
  void Picture9_Click();   // Open
  void Picture10_Click();  // Save
  void Picture11_Click();  // Save As
  void Picture8_Click();   // Exit
  // The save dialog of Exit, then the write: FileName := the chosen name.
  // False when the dialog is cancelled or the write fails (reported).
  bool SaveAsOnExit();

  BannerPicture* Picture1;
  QPushButton *Command1, *Command3, *Command4, *Command7, *Command81, *Command82;
  QGroupBox *Frame1, *Frame2;
  PictureButton *Picture2, *Picture9, *Picture10, *Picture11, *Picture8;
  QToolButton *Picture5, *Picture6, *Picture7;
  QLineEdit* Text1;

 protected:
  void CloseBox() override;

 private:
  void EnableAnalysis(bool enable);
  void SetStatus(const QString& text, const QColor& color);
  // Save As: asks for a name and writes there; false when cancelled or failed.
  bool SaveAsDialog();
  bool ReadFileAndEnable(const std::string& path);
  void CloseAllAndEnd();
  // The grid settings a grid window reads (one heading row), then that window.
  struct GridView {
    int16_t code, section, rows, cols, fixedCols;
  };
  void OpenGridView(FormId target, const GridView& view, const char* titleHr, const char* titleEn);
  void Hand(FormId target);
};

// Status-line colours.
inline const QColor kStatusRed(255, 0, 0);
inline const QColor kStatusBlack(0, 0, 0);
inline const QColor kStatusDesign(0x1f, 0x3a, 0x5f);

void RegisterShellForms(Navigator& nav);

}  // namespace morvadel
