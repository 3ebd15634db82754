// The grid and the chart with texts far too long for them, shown offscreen:
// a repaint of a grid whose cells hold long runs of letters of no width, a
// letter with many accents or wide letters, which a cursor move or a scroll
// causes; and a chart with a cut label widened a pixel at a time, as a
// window being dragged wider does.
#include <benchmark/benchmark.h>

#include <QString>
#include <QWidget>
#include <memory>

#include "bench_app.h"
#include "platform/chart.h"
#include "platform/grid.h"

namespace {

using namespace morvadel;

enum TextKind { kZeroWidthSpaces, kSoftHyphens, kAccents, kCjk, kWords, kCroatianWords, kCjkWords };

// `units` UTF-16 units of one kind of text.
QString LongText(TextKind kind, qsizetype units) {
  switch (kind) {
    case kZeroWidthSpaces:
      return QString(QChar(0x200B)).repeated(units);
    case kSoftHyphens:
      return QString(QChar(0x00AD)).repeated(units);
    case kAccents:
      return "e" + QString(QChar(0x0301)).repeated(units - 1);
    case kCjk:
      return QString(QChar(0x8D44)).repeated(units);  // 资, of "assets"
    case kWords:
      return QString("Ukupna aktiva ").repeated(units / 14 + 1).left(units);
    case kCroatianWords:
      return QString::fromUtf8("Ukupna imovina društva čini ").repeated(units / 28 + 1).left(units);
    case kCjkWords:
      break;
  }
  return QString::fromUtf8("资产负债表中的流动资产合计，").repeated(units / 14 + 1).left(units);
}

// Args: the kind of text, its units. A statement-like grid whose first row
// holds the text as its label and as its first period's figure, the other
// rows short labels and figures.
void BM_RepaintGridWithLongTexts(benchmark::State& state) {
  const auto kind = static_cast<TextKind>(state.range(0));
  const QString text = LongText(kind, state.range(1));
  QWidget window;
  window.resize(760, 380);
  auto* grid = new Grid(&window);
  grid->setGeometry(10, 10, 700, 300);
  grid->SetCols(7);
  grid->SetRows(14);
  grid->SetFixedCols(1);
  grid->SetFixedRows(1);
  grid->SetColWidth(0, 3200);
  for (int c = 1; c < 7; ++c) grid->SetColWidth(c, 1000);
  grid->SetTextMatrix(1, 0, text);
  grid->SetTextMatrix(1, 1, text);
  for (int r = 2; r < 14; ++r) {
    grid->SetTextMatrix(r, 0, QString("Account %1").arg(r));
    for (int c = 1; c < 7; ++c) grid->SetTextMatrix(r, c, QString::number(1000 * r + 37 * c));
  }
  window.show();
  QApplication::processEvents();
  for (auto _ : state) grid->viewport()->repaint();
}
BENCHMARK(BM_RepaintGridWithLongTexts)
    ->ArgNames({"kind", "units"})
    ->Args({kZeroWidthSpaces, 100000})
    ->Args({kZeroWidthSpaces, 1000000})
    ->Args({kSoftHyphens, 100000})
    ->Args({kSoftHyphens, 1000000})
    ->Args({kAccents, 1000000})
    ->Args({kCjk, 1000000})
    ->Args({kWords, 1000000})
    ->Args({kCroatianWords, 1000000})
    ->Args({kCjkWords, 1000000})
    ->Unit(benchmark::kMillisecond);

// A line chart whose title and series name are a label of many words, cut
// for drawing, widened from 600 to 800 pixels a pixel at a time.
void BM_WidenChartWithCutLabel(benchmark::State& state) {
  const QString label = QString("Zalihe ").repeated(1000);
  constexpr int kFrom = 600, kSteps = 200;
  Chart chart;
  chart.SetChartType(3);
  chart.SetSeriesInRows(true);
  chart.SetShowLegend(true);
  chart.SetTitle(label);
  chart.SetRowCount(1);
  chart.SetColumnCount(6);
  chart.SetRow(1);
  chart.SetRowLabel(label);
  for (int col = 1; col <= 6; ++col) {
    chart.SetColumn(col);
    chart.SetData(QString::number(100 + 7 * col));
  }
  chart.resize(kFrom, 400);
  chart.show();
  QApplication::processEvents();
  for (auto _ : state) {
    state.PauseTiming();
    chart.resize(kFrom, 400);
    chart.Refresh();
    QApplication::processEvents();
    state.ResumeTiming();
    for (int step = 1; step <= kSteps; ++step) chart.resize(kFrom + step, 400);
  }
  state.counters["per_step"] =
      benchmark::Counter(kSteps * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate |
                                                                            benchmark::Counter::kInvert);
}
BENCHMARK(BM_WidenChartWithCutLabel)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  // The offscreen platform's notes (it cannot raise a window) would drown
  // the table.
  qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  return morvadel::bench::RunBenchmarks(argc, argv);
}
