#include "compare/form55.h"

#include <QEvent>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "compare/graphs.h"
#include "compare/slot_colours.h"
#include "model/number.h"
#include "output/export_run.h"
#include "output/graph_pages.h"
#include "platform/navigator.h"
#include "platform/printer.h"
#include "platform/window_frame.h"

namespace morvadel {

namespace {

constexpr int kSize = 7;  // columns and rows
// Twips.
constexpr int kHeadRowTwips = 250;
constexpr int kLabelColTwips = 2150;
constexpr int kPeriodColTwips = 1000;
constexpr int kDefaultRowTwips = 240;

constexpr int kMargin = 18;

constexpr const char* kHeadings[] = {"         I",  "         II", "        III",
                                     "         IV", "         V",  "         VI"};
constexpr const char* kNumeralsIII = "             I                         II";
constexpr const char* kNumeralsIIIIV = "         III                       IV";
constexpr const char* kNumeralsVVI = "           V                       VI";

// The numeral texts keep two periods 26 characters apart: a fixed-width
// font of this many pixels sets them a period apart under the chart.
constexpr int kNumeralPixels = 9;
constexpr int kNumeralPitch = 26;

QFont NumeralFont(int pixels) {
  QFont f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  f.setPixelSize(pixels);
  return f;
}

// The numerals of a caption: where each begins and ends among its characters.
std::vector<std::pair<qsizetype, qsizetype>> NumeralRuns(const QString& t) {
  std::vector<std::pair<qsizetype, qsizetype>> runs;
  for (qsizetype i = 0; i < t.size();) {
    if (t[i] == ' ') {
      ++i;
      continue;
    }
    qsizetype end = i;
    while (end < t.size() && t[end] != ' ') ++end;
    runs.emplace_back(i, end);
    i = end;
  }
  return runs;
}

// A caption of period numerals set in character cells of a chosen width:
// each numeral stands at the middle of the cells it takes, its letters as
// the font sets them, so that widening the cells never spreads a numeral
// ("III" never becomes "I I I").
class NumeralLabel : public QLabel {
 public:
  explicit NumeralLabel(QWidget* parent) : QLabel(parent) { setFont(NumeralFont(kNumeralPixels)); }

  // Sets the cell width and the label's size to the text it takes.
  void SetCell(double cell) {
    cell_ = cell;
    resize(static_cast<int>(std::ceil(cell * text().size())) + 2, QFontMetrics(font()).height() + 2);
    update();
  }
  // The middle of the cells of the n-th numeral (0-based), in cells from the
  // label's left edge; -1 when there is no such numeral.
  double MiddleOf(size_t n) const {
    const auto runs = NumeralRuns(text());
    return n < runs.size() ? (runs[n].first + runs[n].second) / 2.0 : -1;
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetricsF fm(font());
    for (const auto& [begin, end] : NumeralRuns(text())) {
      const QString numeral = text().mid(begin, end - begin);
      const double middle = (begin + end) / 2.0 * cell_;
      painter.drawText(QPointF(middle - fm.horizontalAdvance(numeral) / 2, 1 + fm.ascent()), numeral);
    }
  }

 private:
  double cell_ = QFontMetricsF(NumeralFont(kNumeralPixels)).horizontalAdvance(QChar(' '));
};

}  // namespace

Form55::Form55(AppContext& ctx) : Form(ctx, FormId::Form55) {
  SetGrows(true);
  const WindowFrame frame = BuildWindowFrame(this, QSize(), QMargins(kMargin, 12, kMargin, 12), 8);
  Picture1 = frame.banner;
  QWidget* body = frame.body;
  QBoxLayout* bodyLayout = frame.bodyLayout;

  Label1 = TitleLabel(body, QString::fromUtf8("Vrijednosti iz financiskih izvješća - grafički prikaz"));
  bodyLayout->addWidget(Label1);
  bodyLayout->addWidget(new RulePicture(QSize(0, 3), body));

  Tablica = new Grid(body);
  Tablica->setObjectName("Tablica");
  Tablica->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Tablica->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  const int gridWidth = GridWidthPx(Tablica, kLabelColTwips + 6 * kPeriodColTwips, false);
  Tablica->setFixedSize(gridWidth, GridHeightPx(Tablica, kHeadRowTwips + (kSize - 1) * kDefaultRowTwips));
  bodyLayout->addWidget(Tablica, 0, Qt::AlignLeft);

  Graf2 = new Chart(body);
  Graf2->setObjectName("Graf2");
  const int pitch = QFontMetrics(NumeralFont(kNumeralPixels)).horizontalAdvance(QChar(' ')) * kNumeralPitch;
  Graf2->setMinimumSize(std::max(gridWidth, 6 * pitch + 90), 340);
  Graf2->SetRowCount(6);
  Graf2->SetColumnCount(6);
  Graf2->SetSeriesInRows(true);
  Graf2->SetShowLegend(true);
  Graf2->SetLeaveOutUnnamedSeries(true);
  for (int row = 2; row <= 6; ++row) Graf2->SetSeriesColor(row, SlotQColor(row - 1));
  Graf2->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  bodyLayout->addWidget(Graf2, 1);

  // The period numerals, each pair set under its two periods of the chart.
  numerals_ = new QWidget(body);
  Label4 = new NumeralLabel(numerals_);
  Label2 = new NumeralLabel(numerals_);
  Label3 = new NumeralLabel(numerals_);
  numerals_->setFixedHeight(QFontMetrics(NumeralFont(kNumeralPixels)).height() + 4);
  bodyLayout->addWidget(numerals_);
  Graf2->installEventFilter(this);

  auto* commands = new QHBoxLayout;
  commands->setSpacing(8);
  Print1 = new PictureButton(IconKind::Print, body);
  commands->addWidget(Print1);
  commands->addSpacing(8);
  AddExportButtons(body, commands, Picture16, Picture17, Picture18, Picture19);
  commands->addStretch();
  Izlaz3 = new PictureButton(IconKind::Back, body);
  commands->addWidget(Izlaz3);
  bodyLayout->addLayout(commands);

  AddBottomRule(this, frame.layout, body->sizeHint().width());

  connect(Izlaz3, &QToolButton::clicked, this, &Form55::Izlaz3_Click);
  connect(Print1, &QToolButton::clicked, this, &Form55::Print1_Click);
  connect(Picture16, &QToolButton::clicked, this, &Form55::Picture16_Click);
  connect(Picture17, &QToolButton::clicked, this, &Form55::Picture17_Click);
  connect(Picture18, &QToolButton::clicked, this, &Form55::Picture18_Click);
  connect(Picture19, &QToolButton::clicked, this, &Form55::Picture19_Click);
}

void Form55::Form_Load() {
  s_.GridCols = kSize;
  s_.GridRows = kSize;
  Tablica->SetCols(kSize);
  Tablica->SetRows(kSize);
  Tablica->SetFixedCols(1);
  Tablica->SetFixedRows(1);
  Tablica->SetRowHeight(0, kHeadRowTwips);
  Tablica->SetColWidth(0, kLabelColTwips);
  for (int c = 1; c < kSize; ++c) Tablica->SetColWidth(c, kPeriodColTwips);

  if (s_.Language == kEnglish) {
    Picture1->SetLanguage(kEnglish);
    Label1->setText("Financial Statement Value Graphs");
  }
  Izlaz3->setToolTip(s_.Language == kEnglish ? " Back " : " Povratak ");
  Print1->setToolTip("Ispis na pisač");
  if (s_.Language == kEnglish) Print1->setToolTip("Print this page");

  for (int r = 0; r < kSize; ++r)
    for (int c = 0; c < kSize; ++c) Tablica->SetTextMatrix(r, c, QString());
  Label4->setText(kNumeralsIII);
  Label2->setText(kNumeralsIIIIV);
  Label3->setText(kNumeralsVVI);
  for (QLabel* l : {Label4, Label2, Label3}) l->adjustSize();
  for (int c = 1; c < kSize; ++c) Tablica->SetTextMatrix(0, c, kHeadings[c - 1]);
  if (s_.Language == kCroatian) Tablica->SetTextMatrix(1, 0, "Razdoblje");
  if (s_.Language == kEnglish) Tablica->SetTextMatrix(1, 0, "Period");

  ColourSeriesCells();
  for (int p = 1; p <= 6; ++p) Tablica->SetTextMatrix(1, p, QString::fromStdString(ItemText(s_, 101, p)));
  for (int row = 2; row <= 6; ++row) {
    Tablica->SetTextMatrix(row, 0, QString::fromStdString(CellText(s_.ChartLabels(row, 0), s_.DecimalMark)));
    for (int p = 1; p <= 6; ++p)
      Tablica->SetTextMatrix(row, p,
                             QString::fromStdString(FormatScaled(s_.ChartValues(row, p).raw, 4, s_.DecimalMark)));
  }

  FillChart();
  Graf2->SetChartType(3);
  Graf2->Refresh();
}

void Form55::ColourSeriesCells() {
  for (int row = 2; row <= 6; ++row) {
    Tablica->SetRow(row);
    Tablica->SetCol(1);
    Tablica->SetCellBackColor(SlotQColor(row - 1));
  }
  Tablica->SetRow(6);
  Tablica->SetCol(6);
}

void Form55::FillChart() {
  Graf2->SetDecimalMark(s_.DecimalMark);
  for (int k = 2; k <= 6; ++k) {
    Graf2->SetRow(k);
    Graf2->SetRowLabel(QString::fromStdString(CellText(s_.ChartLabels(k, 0), s_.DecimalMark)));
    for (int p = 1; p <= 6; ++p) {
      Graf2->SetColumn(p);
      Graf2->SetData(QString::fromStdString(FormatScaled(s_.ChartValues(k, p).raw, 4, s_.DecimalMark)));
    }
  }
  // The periods along the horizontal axis.
  for (int p = 1; p <= 6; ++p) {
    Graf2->SetColumn(p);
    Graf2->SetColumnLabel(QString::fromStdString(PeriodChartLabel(s_, p)));
  }
}

bool Form55::eventFilter(QObject* watched, QEvent* event) {
  // The plot area settles after the chart's own layout has run.
  if (watched == Graf2 && (event->type() == QEvent::Resize || event->type() == QEvent::Show))
    QTimer::singleShot(0, this, &Form55::PlaceNumerals);
  return Form::eventFilter(watched, event);
}

void Form55::PlaceNumerals() {
  const QRectF plot = Graf2->PlotArea();
  if (plot.isEmpty()) return;
  const double step = plot.width() / 6;
  const int offset = Graf2->mapTo(this, QPoint()).x() - numerals_->mapTo(this, QPoint()).x();
  QLabel* const labels[] = {Label4, Label2, Label3};
  for (int i = 0; i < 3; ++i) {
    auto* label = static_cast<NumeralLabel*>(labels[i]);
    const double first = label->MiddleOf(0), second = label->MiddleOf(1);
    if (first < 0) continue;
    // Cells as wide as put the two numerals of the text a period apart.
    const double cell = second > first ? step / (second - first) : step / kNumeralPitch;
    label->SetCell(cell);
    // The first numeral's middle under the middle of its period.
    const double middle = offset + plot.left() + (2 * i + 0.5) * step;
    label->move(static_cast<int>(std::lround(middle - first * cell)), 2);
  }
}

// The page, then the window afresh from the unchanged buffers; a cancelled
// or failed print keeps the window as it was.
void Form55::Print1_Click() {
  const bool printed = RunPrintCommand(ctx_.dialogs, s_.Language, [this](Printer& printer) {
    printer.SetOrientation(kLandscape);
    printer.SetScaleMode(kScaleInches);
    PrintReportPage(printer, 1.0);
  });
  if (!printed) return;
  s_.AverageMode = kFlagOff;
  s_.AverageOffered = kFlagOff;
  ctx_.nav.Show(FormId::Form55);
}

void Form55::PrintReportPage(Printer& target, double scale) {
  ValueGraphPage page;
  page.title = Label1->text().toStdString();
  for (int r = 1; r <= 6; ++r) page.rowLabels[static_cast<size_t>(r)] = Tablica->TextMatrix(r, 0).toStdString();
  for (int p = 1; p <= 6; ++p) page.periodNames[static_cast<size_t>(p)] = Tablica->TextMatrix(1, p).toStdString();
  std::vector<QColor> colours;
  for (int k = 1; k <= kGraphSlots; ++k) colours.push_back(SlotQColor(k));
  page.tableBackground = ValueTableBackground(colours);
  // The page prints the period names under the chart and keys the lines by
  // the coloured table cells: the plot sets its periods over the names.
  const double step = ValueChartPeriodCentre(2) - ValueChartPeriodCentre(1);
  const double plotLeft = ValueChartPeriodCentre(1) - step / 2 - kValueChartLeft;
  const double plotRight = ValueChartPeriodCentre(6) + step / 2 - kValueChartLeft;
  const Chart::PlotMargins plot{qRound(plotLeft * 1440), 170, kValueChartWidthTwips - qRound(plotRight * 1440), 370};
  page.chart = Graf2->Picture(kValueChartWidthTwips, kValueChartHeightTwips, plot);
  PrintValueGraphPage(target, s_, page, scale);
}

void Form55::Izlaz3_Click() { ctx_.nav.Show(FormId::Form2a); }

void Form55::Picture16_Click() { ExportGridToExcel(ctx_, *Label1, *Tablica); }
void Form55::Picture18_Click() { ExportGridToHtml(ctx_, *Label1, *Tablica); }
void Form55::Picture17_Click() { ExportGridToWord(ctx_, *Label1, *Tablica, 1); }
void Form55::Picture19_Click() { ExportGridToWord(ctx_, *Label1, *Tablica, 2); }

}  // namespace morvadel
