// Printing into a PDF file offscreen: the balance sheet (two pages of the
// report page routines) and the ratio page of the ratio window (table and
// three charts pictured at print resolution), each a whole print job.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPrinter>
#include <filesystem>
#include <memory>
#include <string>

#include "model/labels.h"
#include "output/report_pages.h"
#include "bench_app.h"
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

void BM_PrintBalanceSheetToPdf(benchmark::State& state) {
  auto s = std::make_unique<SharedState>();
  FillHeader(*s);
  s->ReportCode = 2;
  s->SectionBase = 200;
  s->ReportTitle = "Balance Sheet";
  const auto labels = StatementLabels(2, kEnglish);
  for (size_t i = 0; i < labels.size(); ++i) s->ItemTable(201 + static_cast<int>(i), 0) = Cell::Text(labels[i]);
  for (int row = 202; row <= 252; ++row)
    for (int j = 1; j <= 6; ++j) s->ItemTable(row, j) = Cell::Text(std::to_string(row * 137 % 9000 + 100 * j));
  for (auto _ : state) {
    auto printer = PdfPrinter();
    PrintReport(*printer, *s, *StatementLayout(2));
    if (!printer->EndJob()) state.SkipWithError("the PDF file could not be written");
  }
  state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(PdfPath().toStdString()));
}
BENCHMARK(BM_PrintBalanceSheetToPdf)->Unit(benchmark::kMillisecond);

void BM_PrintRatioPageToPdf(benchmark::State& state) {
  auto s = std::make_unique<SharedState>();
  FillHeader(*s);
  bench::FillRatioWorkbook(*s);
  s->RatioCode = 11;
  SilentDialogs dialogs;
  Navigator nav;
  AppContext ctx{*s, nav, dialogs};
  nav.SetContext(&ctx);
  RegisterRatioForms(nav);
  nav.Show(FormId::Unos2);
  nav.ProcessPending();
  auto* window = dynamic_cast<Unos2*>(nav.Current());
  if (!window) {
    state.SkipWithError("no ratio window");
    return;
  }
  for (auto _ : state) {
    auto printer = PdfPrinter();
    printer->SetOrientation(kLandscape);
    printer->SetScaleMode(kScaleInches);
    window->PrintReportPage(*printer, 1.0);
    if (!printer->EndJob()) state.SkipWithError("the PDF file could not be written");
  }
  state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(PdfPath().toStdString()));
}
BENCHMARK(BM_PrintRatioPageToPdf)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  const int result = bench::RunBenchmarks(argc, argv);
  std::filesystem::remove(PdfPath().toStdString());
  return result;
}
