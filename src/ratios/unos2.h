#pragma once
// The ratio window: one ratio of the catalogue (RatioCode) for periods I..VI
// with its numerator, denominator, ratio and dynamics index in a small grid
// and three charts; the real/average toggle where the ratio offers it,
// forward and back through the ratios, its help pages, and the ways back to
// the ratio-group window and the main window. Every change of view reloads
// the window.
#include <QLabel>
#include <QPushButton>

#include "platform/chart.h"
#include "platform/form.h"
#include "platform/grid.h"
#include "platform/pictures.h"
#include "platform/printer.h"
#include "ratios/ratio_engine.h"

namespace morvadel {

class Unos2 : public Form {
  Q_OBJECT

 public:
  explicit Unos2(AppContext& ctx);
  void Form_Load() override;

  void Command1_Click();  // to average values
  void Command2_Click();  // to real values
  void Picture3_Click();  // help page on average values
  void Pitaj_Click();     // help page of the ratio
  void Picture4_Click();  // forward
  void Picture5_Click();  // back
  void Izlaz3_Click();    // back to the ratio-group window
  void Image2_Click();    // main menu
  void Print1_Click();    // print the ratio page, then show real values

  // The ratio page on the printer (title, table and charts), as one page.
  void PrintReportPage(Printer& target, double scale);
  // Exports of the grid: spreadsheet, new document, web page, page appended
  // to the document. The document exports set ReportCode 21 (whole amounts
  // in the first rows, two decimals below) and leave it so.
  void Picture16_Click();
  void Picture17_Click();
  void Picture18_Click();
  void Picture19_Click();

  // What the last load computed (grid rows 2..5, chart values, problems).
  const RatioResult& result() const { return result_; }

  BannerPicture* Picture1;
  QLabel* Label1;
  Grid* Tablica;
  Chart *Graf1, *Graf2, *Graf3;
  QPushButton *Command1, *Command2;
  PictureButton *Picture3, *Picture4, *Picture5, *Izlaz3, *Image2, *Pitaj, *Print1;
  PictureButton *Picture16, *Picture17, *Picture18, *Picture19;  // exports

 protected:
  void CloseBox() override;

 private:
  void Step(int16_t code);
  void FillRatioChart();
  void FillNumeratorChart();
  void FillDenominatorChart();
  void ReportProblems();

  RatioResult result_;
};

// ReportCode of the ratio window's document exports.
inline constexpr int16_t kRatioDocumentCode = 21;

// Whether the ratio window offers its help button for a code.
bool OffersHelpButton(int16_t code);

}  // namespace morvadel
