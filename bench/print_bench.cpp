// Printing into a PDF file offscreen, every page kind as a whole print job:
// the statement sheets and the comparison views (the report page routines,
// one or two pages), the ratio page (table and three charts), the
// common-size graph page (figures, chart and legend) and the value-graph
// page (table, chart and names). Each reports the size of its file.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPrinter>
#include <filesystem>
#include <memory>
#include <string>

#include "bench_app.h"
#include "compare/common_size.h"
#include "compare/compare_forms.h"
#include "compare/form50.h"
#include "compare/form55.h"
#include "compare/form60.h"
#include "compare/graphs.h"
#include "model/labels.h"
#include "output/report_pages.h"
#include "platform/navigator.h"
#include "platform/qt_printer.h"
#include "ratios/ratio_forms.h"
#include "ratios/unos2.h"

namespace {

using namespace morvadel;
using bench::SilentDialogs;

QString PdfPath() {
  return QString::fromStdString((std::filesystem::temp_directory_path() / "morvadel_print_bench.pdf").string());
}

std::unique_ptr<QtPrinter> PdfPrinter() {
  auto device = std::make_unique<QPrinter>(QPrinter::HighResolution);
  device->setOutputFormat(QPrinter::PdfFormat);
  device->setOutputFileName(PdfPath());
  auto printer = std::make_unique<QtPrinter>(std::move(device));
  printer->Start();
  return printer;
}

void FillHeader(SharedState& s) {
  s.Language = kEnglish;
  s.ShowCompany = 1;
  s.Company(1, 1) = Cell::Text("Kvarner d.d.");
  s.Company(2, 1) = Cell::Text("Riva 12");
  s.Company(5, 1) = Cell::Text("Rijeka");
  s.CurrencyName = "EUR";
  s.UnitText = "  ( x 1,000)";
  s.ReportedBy = Cell::Text("Ana Horvat");
  for (int j = 1; j <= 6; ++j) {
    s.ItemTable(1, j) = Cell::Text(std::to_string(2018 + j));
    s.ItemTable(101, j) = Cell::Text(std::to_string(2018 + j));
  }
}

// Every statement row filled for six periods, as text and as numbers, and
// the common-size sections computed from them.
void FillStatements(SharedState& s) {
  for (int row = 201; row <= 514; ++row)
    for (int j = 1; j <= 6; ++j) {
      const int value = (row * 137 % 9000 + 100 * j);
      s.ItemTable(row, j) = Cell::Text(std::to_string(value));
      s.ItemValues(row, j) = value;
    }
  ApplyCompareResult(s, ComputeCommonSizeBalance(s));
  ApplyCompareResult(s, ComputeCommonSizeIncome(s));
}

// A whole print job into the PDF file per iteration; the file's size after.
template <class Pages>
void PrintToPdf(benchmark::State& state, Pages&& pages) {
  for (auto _ : state) {
    auto printer = PdfPrinter();
    printer->SetOrientation(kLandscape);
    printer->SetScaleMode(kScaleInches);
    pages(*printer);
    if (!printer->EndJob()) state.SkipWithError("the PDF file could not be written");
  }
  state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(PdfPath().toStdString()));
}

// A statement sheet (2 balance sheet, 3 income statement, 4 cash flow, 5
// expenses) with its labels, as the entry window's print button prints it.
void PrintStatementSheet(benchmark::State& state, int sheet) {
  auto s = std::make_unique<SharedState>();
  FillHeader(*s);
  FillStatements(*s);
  s->ReportCode = static_cast<int16_t>(sheet);
  s->SectionBase = static_cast<int16_t>(sheet * 100);
  s->ReportTitle = "Statement";
  const auto labels = StatementLabels(sheet, kEnglish);
  for (size_t i = 0; i < labels.size(); ++i)
    s->ItemTable(sheet * 100 + 1 + static_cast<int>(i), 0) = Cell::Text(labels[i]);
  PrintToPdf(state, [&](Printer& printer) { PrintReport(printer, *s, *StatementLayout(sheet)); });
}

void BM_PrintBalanceSheetToPdf(benchmark::State& state) { PrintStatementSheet(state, 2); }
BENCHMARK(BM_PrintBalanceSheetToPdf)->Unit(benchmark::kMillisecond);

// Arg: the sheet, 3 income statement, 4 cash flow, 5 expenses (one page).
void BM_PrintStatementSheetToPdf(benchmark::State& state) {
  PrintStatementSheet(state, static_cast<int>(state.range(0)));
}
BENCHMARK(BM_PrintStatementSheetToPdf)->Arg(3)->Arg(4)->Arg(5)->Unit(benchmark::kMillisecond);

// The windows whose pages the benchmarks print, on one filled workbook.
struct Program {
  std::unique_ptr<SharedState> s = std::make_unique<SharedState>();
  SilentDialogs dialogs;
  Navigator nav;
  AppContext ctx{*s, nav, dialogs};
  Program() {
    nav.SetContext(&ctx);
    RegisterRatioForms(nav);
    RegisterCompareForms(nav);
    FillHeader(*s);
    FillStatements(*s);
    bench::FillRatioWorkbook(*s);
  }
  template <class F>
  F* Show(FormId id) {
    nav.Show(id);
    nav.ProcessPending();
    return dynamic_cast<F*>(nav.Current());
  }
};

// Arg: the view, 1 to 3 the industry comparisons (ten columns), 9 and 10
// the common-size statements; its two pages as the comparison window has
// computed them.
void BM_PrintComparisonViewToPdf(benchmark::State& state) {
  Program p;
  const int view = static_cast<int>(state.range(0));
  SetCompareViewSettings(*p.s, view);
  if (!p.Show<Form50>(FormId::form50)) {
    state.SkipWithError("no comparison window");
    return;
  }
  PrintToPdf(state, [&](Printer& printer) { PrintReport(printer, *p.s, *ComparisonLayout(view)); });
}
BENCHMARK(BM_PrintComparisonViewToPdf)->Arg(1)->Arg(2)->Arg(3)->Arg(9)->Arg(10)->Unit(benchmark::kMillisecond);

// The page of a window the program shows, printed by the window itself.
template <class Window>
void PrintWindowPage(benchmark::State& state, Program& p, FormId id) {
  auto* window = p.Show<Window>(id);
  if (!window) {
    state.SkipWithError("the window did not come up");
    return;
  }
  PrintToPdf(state, [&](Printer& printer) { window->PrintReportPage(printer, 1.0); });
}

void BM_PrintRatioPageToPdf(benchmark::State& state) {
  Program p;
  p.s->RatioCode = 11;
  PrintWindowPage<Unos2>(state, p, FormId::Unos2);
}
BENCHMARK(BM_PrintRatioPageToPdf)->Unit(benchmark::kMillisecond);

// The group of five income items in period III: five values and shares,
// the chart and the legend of five keys.
void BM_PrintCommonSizeGraphPageToPdf(benchmark::State& state) {
  Program p;
  SetGraphGroupSettings(*p.s, 62);
  p.s->SelectedPeriod = 3;
  PrintWindowPage<Form60>(state, p, FormId::form60);
}
BENCHMARK(BM_PrintCommonSizeGraphPageToPdf)->Unit(benchmark::kMillisecond);

// Five accounts over the six periods.
void BM_PrintValueGraphPageToPdf(benchmark::State& state) {
  Program p;
  for (int sheet : {2, 3, 4}) FillStatementLabels(*p.s, sheet, kEnglish);
  const int codes[] = {200, 212, 300, 314, 430};
  AssignAccountSlots(*p.s, codes);
  FillValueGraphBuffers(*p.s);
  PrintWindowPage<Form55>(state, p, FormId::Form55);
}
BENCHMARK(BM_PrintValueGraphPageToPdf)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  const int result = bench::RunBenchmarks(argc, argv);
  std::filesystem::remove(PdfPath().toStdString());
  return result;
}
