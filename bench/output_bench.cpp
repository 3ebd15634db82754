// The three exporters on the balance sheet grid (53 rows by 7 columns), each
// writing its file the way the export buttons do, and the document preview
// painting its pages.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QGuiApplication>
#include <QPdfWriter>
#include <filesystem>
#include <string>

#include "model/labels.h"
#include "output/document_preview.h"
#include "output/export_files.h"
#include "output/html_export.h"
#include "output/spreadsheet_export.h"
#include "output/word_export.h"

namespace {

using namespace morvadel;
namespace fs = std::filesystem;

const fs::path& Folder() {
  static const fs::path dir = [] {
    fs::path d = fs::temp_directory_path() / ("morvadel_output_bench_" + std::to_string(::getpid()));
    fs::create_directories(d);
    return d;
  }();
  return dir;
}

// The balance sheet as the statement window shows it: labels, period
// names, figures in three periods.
ExportTable BalanceSheet() {
  SharedState s;
  FillStatementLabels(s, 2, kEnglish);
  ExportTable t("Balance Sheet", 53, 7);
  const char* heads[] = {"      I", "      II", "     III", "      IV", "      V", "      VI"};
  for (int c = 1; c < 7; ++c) t.Text(0, c) = heads[c - 1];
  for (int r = 1; r < 53; ++r) {
    t.Text(r, 0) = CellText(s.ItemTable(r, 0));
    for (int c = 1; c <= 3; ++c) t.Text(r, c) = r == 1 ? std::to_string(2020 + c) : std::to_string(r * 137 + c * 11);
  }
  return t;
}

const CompanyLines kCompany{"Tvornica d.d.", "Zagreb", "Ilica 1"};

void BM_SpreadsheetExport(benchmark::State& state) {
  const std::vector<SpreadsheetSheet> sheets{{1, BalanceSheet(), kCompany}};
  RunFile file("Export", ".xlsx");
  for (auto _ : state) {
    const ExportError e = file.Write(Folder().string(), [&](const std::string& path) {
      return WriteSpreadsheet(path, sheets, kEnglish, '.');
    });
    if (!e.ok()) state.SkipWithError("write failed");
  }
}
BENCHMARK(BM_SpreadsheetExport)->Unit(benchmark::kMillisecond);

void BM_WebPageExport(benchmark::State& state) {
  const ExportTable table = BalanceSheet();
  const std::string path = (Folder() / "page.html").string();
  for (auto _ : state) {
    if (WriteHtmlPage(path, HtmlPageLines(table, kCompany, kEnglish, "31-12-24")) != 0)
      state.SkipWithError("write failed");
  }
}
BENCHMARK(BM_WebPageExport)->Unit(benchmark::kMillisecond);

void BM_DocumentExport(benchmark::State& state) {
  const ExportTable table = BalanceSheet();
  RunFile file("Export", ".docx");
  for (auto _ : state) {
    DocDocument doc;
    TypeWordExport(doc, table, kCompany, 2, false, '.');
    const ExportError e =
        file.Write(Folder().string(), [&doc](const std::string& path) { return WriteDocx(path, doc); }, true);
    if (!e.ok()) state.SkipWithError("write failed");
    fs::remove(file.path());
  }
}
BENCHMARK(BM_DocumentExport)->Unit(benchmark::kMillisecond);

// The print preview's pages of that document, painted into a PDF file.
void BM_DocumentPreviewPages(benchmark::State& state) {
  DocDocument doc;
  TypeWordExport(doc, BalanceSheet(), kCompany, 2, false, '.');
  const QString path = QString::fromStdString((Folder() / "preview.pdf").string());
  for (auto _ : state) {
    QPdfWriter pdf(path);
    pdf.setResolution(1200);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(72, 72, 72, 72),
                                  QPageLayout::Point));
    benchmark::DoNotOptimize(PaintDocument(doc, pdf));
  }
}
BENCHMARK(BM_DocumentPreviewPages)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  fs::remove_all(Folder());
  return 0;
}
