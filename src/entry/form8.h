#pragma once
// The statement entry window: one of five sheets (general data, balance
// sheet, income statement, cash flow by the indirect method, expense
// details) in the grid, typed into through the cell editor, written back
// into the item table before the window switches sheet or is left.
#include <QColor>
#include <QLabel>
#include <QPushButton>

#include "entry/cell_editor.h"
#include "platform/form.h"
#include "platform/grid.h"
#include "platform/pictures.h"

class QLineEdit;

namespace morvadel {

// Background of the locked statement rows.
inline const QColor LockedShade(231, 231, 222);

// Shape and title of a statement sheet (ReportCode 1..5).
struct StatementSheet {
  int16_t code;
  int16_t sectionBase;
  int16_t gridRows;
  int16_t firstOpenRow;  // the current row when the sheet is shown
  const char* titleHr;
  const char* titleEn;
};
const StatementSheet& SheetOf(int code);
// The grid settings the entry window reads to show that sheet.
void SetStatementSheetSettings(SharedState& s, int code);

// True for the grid rows of a sheet into which typing starts no edit: the
// period-name row, the blank and heading rows and the computed totals.
bool IsLockedStatementRow(int sheet, int row);

class Form8 : public Form {
  Q_OBJECT

 public:
  explicit Form8(AppContext& ctx);
  void Form_Load() override;

  // Fills the data cells of grid rows 1..redaka-1 from the item table.
  void Napuni_Tablicu(int redaka);

  // Sheet buttons, general data, sum and continue.
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Command4_Click();
  void Command5_Click();
  void Command6_Click();
  void Picture1_Click();  // continue: back to the main window
  void Picture5_Click();  // sum: recalculate and show the sheet again
  void Picture2_Click();  // print the sheet (sheets 2..5)
  // Exports of the sheet as the grid shows it: spreadsheet, new document,
  // web page, page appended to the document.
  void Picture16_Click();
  void Picture17_Click();
  void Picture18_Click();
  void Picture19_Click();

  // Row rules of the sheets: on an unlocked row the typed key starts a
  // number edit; on the general data's name row 1, a text edit.
  void KeyPressRowsGeneralData(int row, int keyAscii);
  void KeyPressRowsBalanceSheet(int row, int keyAscii);
  void KeyPressRowsIncomeStatement(int row, int keyAscii);
  void KeyPressRowsCashFlow(int row, int keyAscii);
  void KeyPressRowsExpenses(int row, int keyAscii);

  CellEditFamily* Family() { return edit_; }

  BannerPicture* Picture4;  // banner
  QLabel* Label1;    // sheet title
  RulePicture* Picture3;    // rule
  Grid* Tablica;
  QLineEdit* tekst;  // the cell editor
  QPushButton *Command1, *Command2, *Command3, *Command4, *Command5, *Command6;
  PictureButton* Picture2;  // print
  PictureButton* Picture5;  // sum
  PictureButton* Picture1;  // continue
  PictureButton *Picture16, *Picture17, *Picture18, *Picture19;  // exports

 protected:
  // The close box leaves like "Continue": the grid is written back first.
  void CloseBox() override;

 private:
  void WriteBack();
  void ShowSheet(int code);
  void RowRule(int sheet, int row, int keyAscii);

  CellEditFamily* edit_;
  int sheet_ = 1;
};

}  // namespace morvadel
