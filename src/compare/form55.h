#pragma once
// The value graphs: the accounts picked in the options over periods I..VI,
// as a 7 x 7 grid and a line chart, both built from the graph buffers and
// the period names alone.
#include <QLabel>

#include "platform/chart.h"
#include "platform/form.h"
#include "platform/grid.h"
#include "platform/pictures.h"

namespace morvadel {

class Printer;

class Form55 : public Form {
  Q_OBJECT

 public:
  explicit Form55(AppContext& ctx);
  void Form_Load() override;

  void Print1_Click();  // print the page, then show the window again
  // The page on the printer (table, chart and period names), as one page.
  void PrintReportPage(Printer& target, double scale);
  void Izlaz3_Click();  // back to the main window
  // Exports of the grid; the window stays.
  void Picture16_Click();  // spreadsheet
  void Picture18_Click();  // web page
  void Picture17_Click();  // a new document
  void Picture19_Click();  // a page appended to the document

  BannerPicture* Picture1;  // banner
  QLabel* Label1;    // title, also of the printed page and the exports
  Grid* Tablica;
  Chart* Graf2;
  QLabel *Label4, *Label2, *Label3;  // period numerals under the chart
  PictureButton* Print1;             // print
  PictureButton* Izlaz3;             // back
  PictureButton *Picture16, *Picture17, *Picture18, *Picture19;  // exports

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void PlaceNumerals();

  void ColourSeriesCells();
  void FillChart();

  QWidget* numerals_ = nullptr;
};

}  // namespace morvadel
