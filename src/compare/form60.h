#pragma once
// The common-size graph window: one item group of the common-size balance
// sheet or income statement (ReportCode 51..58, 61..63) for one period
// (SelectedPeriod), as a two-column grid of the items and their percentages
// and a chart with one bar per item. The group and period buttons reload the
// window; the grid takes edits but is never written back.
#include <QLabel>
#include <QPushButton>
#include <map>

#include "entry/cell_editor.h"
#include "platform/chart.h"
#include "platform/form.h"
#include "platform/grid.h"
#include "platform/pictures.h"

class QLineEdit;
class QToolButton;

namespace morvadel {

class Printer;

class Form60 : public Form {
  Q_OBJECT

 public:
  explicit Form60(AppContext& ctx);
  void Form_Load() override;

  // The group buttons (Command1, 2, 4..11) and the period buttons
  // (Picture5..10 for I..VI).
  void GroupButton_Click(int16_t code);
  void PeriodButton_Click(int period);
  void Picture1_Click();  // back to the main window
  void Picture2_Click();  // print the page, then the main window
  // The page on the printer (labels, figures, chart and legend), as one page.
  void PrintReportPage(Printer& target, double scale);
  // Exports of the grid as shown (edits included); the window stays.
  void Picture16_Click();  // spreadsheet
  void Picture18_Click();  // web page
  void Picture17_Click();  // a new document
  void Picture19_Click();  // a page appended to the document

  // The group button of a ReportCode; nullptr for a code without one.
  QPushButton* GroupButton(int16_t code) const;
  QToolButton* PeriodButton(int period) const;  // 1..6
  // True when the period's button shows the marking image.
  bool PeriodMarked(int period) const { return period == markedPeriod_; }
  CellEditFamily* Family() { return edit_; }

  BannerPicture* Picture4;  // banner
  QLabel* Label1;    // title
  QLabel* Label2;    // caption over the label column
  Grid* Tablica;
  QLineEdit* tekst;  // the cell editor
  Chart* Graf2;
  QPushButton *Command1, *Command2, *Command4, *Command5, *Command6, *Command7, *Command8, *Command9, *Command10,
      *Command11;
  QToolButton *Picture5, *Picture6, *Picture7, *Picture8, *Picture9, *Picture10;
  PictureButton* Picture1;  // back
  PictureButton* Picture2;  // print
  PictureButton *Picture16, *Picture17, *Picture18, *Picture19;  // exports

 private:
  void SetLanguageCaptions();
  void ResetPeriodButtons();
  void FillChart();
  void ColourSeriesCells();

  CellEditFamily* edit_;
  std::map<int16_t, QPushButton*> groupButtons_;
  int markedPeriod_ = 0;
};

}  // namespace morvadel
