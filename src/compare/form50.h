#pragma once
// The comparison window: one of five grid views of the workbook. The three
// industry views (Dun and Bradstreet, Prentice Hall, Robert Morris) set the
// company's ratios for periods I..VI beside their highest, lowest and average
// value and the industry figure the user types into column 10; the two
// common-size views show the balance sheet as a percentage of total assets
// and the income statement as a percentage of net sales. The view follows
// ReportCode and the shape settings the opener wrote; the grid is written
// back into its item-table section on every way out.
#include <QLabel>
#include <QPushButton>

#include "entry/cell_editor.h"
#include "platform/form.h"
#include "platform/grid.h"
#include "platform/pictures.h"

class QLineEdit;

namespace morvadel {

// ReportCode while the window's document export runs.
inline constexpr int16_t kComparisonDocumentCode = 20;

// The window caption of the industry views in Croatian.
inline constexpr const char* kIndustryCaptionHr = "Pokazatelji iz financijskih izvješća";

// Settings of a view as its openers write them.
struct CompareView {
  int16_t code;
  int16_t sectionBase;
  int16_t gridRows;
  int16_t gridCols;
  int16_t gridFixedCols;
  const char* titleHr;
  const char* titleEn;
};
// The view of a ReportCode (1, 2, 3, 9 or 10); nullptr for any other code.
const CompareView* CompareViewOf(int code);
// Writes the settings of a view (ReportCode, SectionBase, the grid shape and
// ReportTitle in the current language) for the next showing of form50.
void SetCompareViewSettings(SharedState& s, int code);

class Form50 : public Form {
  Q_OBJECT

 public:
  explicit Form50(AppContext& ctx);
  void Form_Load() override;

  void Command1_Click();  // common-size balance sheet
  void Command2_Click();  // common-size income statement
  void Picture1_Click();  // back to the main window
  void Picture2_Click();  // print the view (two pages)
  void Picture8_Click();  // common-size graphs
  void Picture9_Click();  // explanations on the industry source
  // Exports of the view as the grid shows it: spreadsheet, new document,
  // web page, page appended to the document. The document exports run
  // with ReportCode 20 (ratios and percentages, two decimals).
  void Picture16_Click();
  void Picture17_Click();
  void Picture18_Click();
  void Picture19_Click();

  // Row rules: a key typed on the grid starts a number edit unless the row
  // takes no typed input.
  void KeyPressRowsDunBradstreet(int row, int keyAscii);
  void KeyPressRowsPrenticeHall(int row, int keyAscii);
  void KeyPressRowsRobertMorris(int row, int keyAscii);
  void KeyPressRowsCommonSizeBalance(int row, int keyAscii);
  void KeyPressRowsCommonSizeIncome(int row, int keyAscii);

  CellEditFamily* Family() { return edit_; }
  bool IsIndustryView() const { return view_ >= 1 && view_ <= 3; }

  BannerPicture* Picture4;  // banner
  QLabel* Label1;    // view title
  RulePicture* Picture3;    // rule
  Grid* Tablica;
  QLineEdit* tekst;  // the cell editor
  QPushButton *Command1, *Command2;
  PictureButton* Picture8;  // common-size graphs
  QLabel* Picture7;         // source picture of the industry view
  PictureButton* Picture9;  // explanations on the industry source
  PictureButton* Picture2;  // print
  PictureButton* Picture1;  // back
  PictureButton *Picture16, *Picture17, *Picture18, *Picture19;  // exports

 protected:
  // The close box leaves like the back button: the grid is written back.
  void CloseBox() override;

 private:
  void WriteBack();
  void SwitchView(int16_t code);
  void ShadeIndustryCell(int row);
  void ShadeRow(int row);
  void ShadeRows();
  void RowRule(int row, int keyAscii);
  void Calculate();
  void FitGridFont();
  void ExportDocument(int mode);

  CellEditFamily* edit_;
  int view_ = 0;
};

}  // namespace morvadel
