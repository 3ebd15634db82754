#include "ratios/unos2.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QTimer>
#include <QVBoxLayout>

#include "output/ratio_page.h"
#include "output/export_run.h"
#include "platform/dialogs.h"
#include "platform/navigator.h"
#include "platform/window_frame.h"
#include "ratios/ratio_catalogue.h"
#include "ratios/ratio_forms.h"
#include "ratios/ratio_help_pages.h"

namespace morvadel {
namespace {

constexpr int kCols = 7;
constexpr int kRows = 6;
constexpr int kLabelColWidth = 2150;  // twips
constexpr int kPeriodColWidth = 1000;
constexpr int kHeadingRowHeight = 250;
constexpr int kBodyRowHeight = 285;  // rows 1..5: room for the 8-point figures
constexpr int kWidth = 1010;         // px: three charts side by side

const char* const kHeadings[6] = {"         I", "         II", "        III",
                                  "         IV", "         V", "         VI"};

constexpr const char* kCommand1Hr[2] = {"        Računato iz STVARNE vrijednosti.     -",
                                        "Kliknite i koristite prosječnu vrijednost!"};
constexpr const char* kCommand2Hr[2] = {"  Računato iz PROSJEČNE vrijednosti. ",
                                        "Kliknite i koristite stvarnu vrijednost!"};
constexpr const char* kCommand1En[2] = {" Calculation based on REAL values.", "Click to use average values!"};
constexpr const char* kCommand2En[2] = {" Calculation based on AVERAGE values.", "Click to use real values!"};

// A caption of two lines (CR LF in the design) as the button shows it.
QString TwoLines(const char* const (&lines)[2]) {
  return QString::fromUtf8(lines[0]) + "\n" + QString::fromUtf8(lines[1]);
}

QPushButton* ToggleButton(QWidget* parent) {
  auto* b = new QPushButton(parent);
  b->setMinimumSize(300, 46);
  b->setCursor(Qt::PointingHandCursor);
  return b;
}

}  // namespace

bool OffersHelpButton(int16_t code) {
  switch (code) {
    case 14: case 21: case 24: case 25: case 26: case 27: case 45: return false;
    default: return code <= 46;
  }
}

Unos2::Unos2(AppContext& ctx) : Form(ctx, FormId::Unos2) {
  SetGrows(true);
  const WindowFrame frame = BuildWindowFrame(this, QSize(kWidth, 80), QMargins(16, 10, 16, 10), 10);
  Picture1 = frame.banner;
  QWidget* body = frame.body;
  QBoxLayout* bodyLayout = frame.bodyLayout;

  // Title with the navigation on the same line.
  auto* top = new QHBoxLayout;
  Label1 = TitleLabel(body, {}, 14);
  top->addWidget(Label1, 1);
  Picture5 = new PictureButton(IconKind::Back, body, 36);
  Picture4 = new PictureButton(IconKind::Forward, body, 36);
  Pitaj = new PictureButton(IconKind::Help, body, 36);
  Izlaz3 = new PictureButton(IconKind::Previous, body, 36);
  Image2 = new PictureButton(IconKind::Menu, body, 36);
  top->addWidget(Picture5);
  top->addWidget(Picture4);
  top->addSpacing(14);
  top->addWidget(Pitaj);
  top->addSpacing(14);
  Print1 = new PictureButton(IconKind::Print, body, 36);
  top->addWidget(Print1);
  top->addSpacing(14);
  top->addWidget(Izlaz3);
  top->addWidget(Image2);
  // Every button keeps its slot whether or not its neighbours are shown, so
  // that a second click lands where the first did.
  for (QWidget* b : std::initializer_list<QWidget*>{Picture5, Picture4, Pitaj, Print1, Izlaz3, Image2})
    KeepPlaceWhenHidden(b);
  bodyLayout->addLayout(top);

  // The grid with the export buttons under it and the real/average toggle
  // beside it: the toggle comes and goes with the ratio without moving or
  // widening anything else.
  auto* middle = new QHBoxLayout;
  middle->setSpacing(16);
  auto* table = new QVBoxLayout;
  table->setSpacing(6);
  Tablica = new Grid(body);
  Tablica->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Tablica->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Tablica->setFixedSize(GridWidthPx(Tablica, kLabelColWidth + 6 * kPeriodColWidth, false),
                        GridHeightPx(Tablica, kHeadingRowHeight + 5 * kBodyRowHeight));
  table->addWidget(Tablica);
  auto* exportRow = new QHBoxLayout;
  exportRow->setSpacing(4);
  AddExportButtons(body, exportRow, Picture16, Picture17, Picture18, Picture19, 36);
  exportRow->addStretch();
  table->addLayout(exportRow);
  middle->addLayout(table);
  middle->setAlignment(table, Qt::AlignTop);
  auto* toggle = new QVBoxLayout;
  toggle->setSpacing(8);
  Command1 = ToggleButton(body);
  Command2 = ToggleButton(body);
  Command1->setText(TwoLines(kCommand1Hr));
  Command2->setText(TwoLines(kCommand2Hr));
  toggle->addWidget(Command1);
  toggle->addWidget(Command2);
  auto* helpRow = new QHBoxLayout;
  Picture3 = new PictureButton(IconKind::Average, body, 36);
  helpRow->addWidget(Picture3);
  helpRow->addStretch();
  toggle->addLayout(helpRow);
  toggle->addStretch();
  middle->addLayout(toggle);
  middle->addStretch();
  bodyLayout->addLayout(middle);

  // Numerator, denominator and ratio charts, in the order of the printed page.
  auto* charts = new QHBoxLayout;
  charts->setSpacing(12);
  Graf1 = new Chart(body);
  Graf2 = new Chart(body);
  Graf3 = new Chart(body);
  for (Chart* c : {Graf2, Graf3, Graf1}) {
    c->setMinimumSize(316, 270);
    c->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    c->SetRowCount(1);
    c->SetColumnCount(6);
    charts->addWidget(c);
  }
  Graf1->SetShowLegend(true);
  bodyLayout->addLayout(charts, 1);

  AddBottomRule(this, frame.layout, kWidth);

  connect(Command1, &QPushButton::clicked, this, &Unos2::Command1_Click);
  connect(Command2, &QPushButton::clicked, this, &Unos2::Command2_Click);
  connect(Picture3, &QToolButton::clicked, this, &Unos2::Picture3_Click);
  connect(Pitaj, &QToolButton::clicked, this, &Unos2::Pitaj_Click);
  connect(Picture4, &QToolButton::clicked, this, &Unos2::Picture4_Click);
  connect(Picture5, &QToolButton::clicked, this, &Unos2::Picture5_Click);
  connect(Izlaz3, &QToolButton::clicked, this, &Unos2::Izlaz3_Click);
  connect(Image2, &QToolButton::clicked, this, &Unos2::Image2_Click);
  connect(Print1, &QToolButton::clicked, this, &Unos2::Print1_Click);
  connect(Picture16, &QToolButton::clicked, this, &Unos2::Picture16_Click);
  connect(Picture17, &QToolButton::clicked, this, &Unos2::Picture17_Click);
  connect(Picture18, &QToolButton::clicked, this, &Unos2::Picture18_Click);
  connect(Picture19, &QToolButton::clicked, this, &Unos2::Picture19_Click);
}

void Unos2::Form_Load() {
  s_.GridCols = kCols;
  s_.GridRows = kRows;
  Tablica->SetCols(kCols);
  Tablica->SetRows(kRows);
  Tablica->SetFixedCols(1);
  Tablica->SetFixedRows(1);
  Tablica->SetRowHeight(0, kHeadingRowHeight);
  for (int r = 1; r < kRows; ++r) Tablica->SetRowHeight(r, kBodyRowHeight);
  Tablica->SetColWidth(0, kLabelColWidth);
  for (int c = 1; c < kCols; ++c) Tablica->SetColWidth(c, kPeriodColWidth);

  if (s_.Language == kEnglish) Picture1->SetLanguage(kEnglish);
  if (s_.Language == kEnglish) {
    Command1->setText(TwoLines(kCommand1En));
    Command2->setText(TwoLines(kCommand2En));
  }
  Pitaj->setVisible(OffersHelpButton(s_.RatioCode));

  if (s_.Language == kCroatian) {
    Picture4->setToolTip("Slijedeći prikaz");
    Picture5->setToolTip("Prethodni prikaz");
    Izlaz3->setToolTip("Financijski pokazatelji");
    Image2->setToolTip("Glavni izbornik");
    Pitaj->setToolTip("Pojmovni riječnik");
    Print1->setToolTip("Ispis na pisač");
  }
  if (s_.Language == kEnglish) {
    Picture4->setToolTip("Forward");
    Picture5->setToolTip("Back");
    Izlaz3->setToolTip("Financial Ratios");
    Image2->setToolTip("Menu");
    Pitaj->setToolTip("Help");
    Print1->setToolTip("Print this page");
  }

  // The engine computes the title together with the figures.
  result_ = LoadRatio(s_);
  Label1->setText(QString::fromStdString(result_.title));

  const bool offered = s_.AverageOffered == kFlagOn;
  const bool averaged = s_.AverageMode == kFlagOn;
  Command1->setVisible(offered && !averaged);
  Command2->setVisible(offered && averaged);
  Picture3->setVisible(offered);
  if (offered && averaged) {
    QPalette p = Command2->palette();
    p.setColor(QPalette::Button, p.color(QPalette::Light));
    Command2->setPalette(p);
  }

  for (int r = 0; r < kRows; ++r)
    for (int c = 0; c < kCols; ++c) Tablica->SetTextMatrix(r, c, " ");
  for (int c = 1; c < kCols; ++c) Tablica->SetTextMatrix(0, c, kHeadings[c - 1]);
  if (s_.Language == kCroatian) {
    Tablica->SetTextMatrix(1, 0, "Razdoblje");
    Tablica->SetTextMatrix(5, 0, "Dinamika I = 100");
  }
  if (s_.Language == kEnglish) {
    Tablica->SetTextMatrix(1, 0, "Period");
    Tablica->SetTextMatrix(5, 0, "Dynamics 1st = 100");
  }
  for (int j = 1; j <= 6; ++j) Tablica->SetTextMatrix(1, j, QString::fromStdString(ItemText(s_, 101, j)));
  for (int r = 2; r <= 5; ++r)
    for (int c = 0; c < kCols; ++c) Tablica->SetTextMatrix(r, c, QString::fromStdString(result_.cell(r, c)));

  FillRatioChart();
  FillNumeratorChart();
  FillDenominatorChart();
  Graf1->Refresh();
  Graf2->Refresh();
  Graf3->Refresh();
  Tablica->setFocus();

  ReportProblems();
}

void Unos2::FillRatioChart() {
  for (Chart* chart : {Graf1, Graf2, Graf3}) chart->SetDecimalMark(s_.DecimalMark);
  Graf1->SetRow(1);
  Graf1->SetRowLabel(QString::fromStdString(result_.ratioChart.rowLabel));
  for (int j = 1; j <= 6; ++j) {
    Graf1->SetColumn(j);
    Graf1->SetData(QString::fromStdString(result_.ratioChart.values[j - 1]));
    Graf1->SetColumnLabel(QString::fromStdString(RatioLegendText(s_, j)));
  }
}

void Unos2::FillNumeratorChart() {
  Graf2->SetRow(1);
  Graf2->SetRowLabel(QString::fromStdString(result_.numeratorChart.rowLabel));
  for (int j = 1; j <= 6; ++j) {
    Graf2->SetColumn(j);
    Graf2->SetData(QString::fromStdString(result_.numeratorChart.values[j - 1]));
  }
}

void Unos2::FillDenominatorChart() {
  Graf3->SetRow(1);
  Graf3->SetRowLabel(QString::fromStdString(result_.denominatorChart.rowLabel));
  for (int j = 1; j <= 6; ++j) {
    Graf3->SetColumn(j);
    Graf3->SetData(QString::fromStdString(result_.denominatorChart.values[j - 1]));
  }
}

// Cells that are not numbers were shown without a value; say so once the
// window stands, so the user knows which figures to correct.
void Unos2::ReportProblems() {
  const std::string message = result_.ProblemMessage();
  if (message.empty()) return;
  QTimer::singleShot(0, this, [this, message] { ctx_.dialogs.Message(message, MsgIcon::Warning); });
}

void Unos2::Command1_Click() {
  s_.AverageMode = kFlagOn;
  ctx_.nav.Show(FormId::Unos2);
}

void Unos2::Command2_Click() {
  s_.AverageMode = kFlagOff;
  ctx_.nav.Show(FormId::Unos2);
}

void Unos2::Picture3_Click() {
  s_.SavedRatioCode = s_.RatioCode;
  s_.RatioCode = kAveragesHelpCode;
  ctx_.nav.Show(FormId::Form18);
}

void Unos2::Pitaj_Click() { ctx_.nav.Show(FormId::Form18); }

void Unos2::Step(int16_t code) {
  s_.RatioCode = code;
  s_.AverageOffered = OffersAverageAfterNavigation(code) ? kFlagOn : kFlagOff;
  // A ratio without the toggle is shown on real values: the user could not
  // see, nor switch off, averaging carried over from the previous ratio.
  if (s_.AverageOffered == kFlagOff) s_.AverageMode = kFlagOff;
  ctx_.nav.Show(FormId::Unos2);
}

void Unos2::Picture4_Click() { Step(NextRatioCode(s_.RatioCode)); }
void Unos2::Picture5_Click() { Step(PreviousRatioCode(s_.RatioCode)); }

void Unos2::Izlaz3_Click() {
  s_.AverageMode = kFlagOff;
  s_.AverageOffered = kFlagOff;
  ctx_.nav.Show(GroupWindow(s_.RatioGroup));
}

void Unos2::Image2_Click() {
  s_.AverageMode = kFlagOff;
  s_.AverageOffered = kFlagOff;
  ctx_.nav.Show(FormId::Form2a);
}

void Unos2::Print1_Click() {
  const bool printed = RunPrintCommand(ctx_.dialogs, s_.Language, [this](Printer& printer) {
    printer.SetOrientation(kLandscape);
    printer.SetScaleMode(kScaleInches);
    PrintReportPage(printer, 1.0);
  });
  if (!printed) return;  // cancelled or failed: the window stays as it was
  s_.AverageMode = kFlagOff;
  s_.AverageOffered = kFlagOff;
  ctx_.nav.Show(FormId::Unos2);
}

void Unos2::PrintReportPage(Printer& target, double scale) {
  // The table background is the same for every ratio: drawn once.
  static const QPicture tableBackground = RatioTableBackground();
  RatioPage page;
  page.title = Label1->text().toStdString();
  for (int r = 1; r <= 5; ++r) page.rowLabels[r] = Tablica->TextMatrix(r, 0).toStdString();
  for (int c = 1; c <= 6; ++c) page.periodNames[c] = Tablica->TextMatrix(1, c).toStdString();
  page.tableBackground = tableBackground;
  page.numeratorChart = Graf2->Picture(kRatioChartWidthTwips, kRatioChartHeightTwips);
  page.denominatorChart = Graf3->Picture(kRatioChartWidthTwips, kRatioChartHeightTwips);
  page.ratioChart = Graf1->Picture(kRatioChartWidthTwips, kRatioChartHeightTwips);
  PrintRatioReportPage(target, s_, page, scale);
}

void Unos2::Picture16_Click() { ExportGridToExcel(ctx_, *Label1, *Tablica); }
void Unos2::Picture18_Click() { ExportGridToHtml(ctx_, *Label1, *Tablica); }

void Unos2::Picture17_Click() {
  s_.ReportCode = kRatioDocumentCode;
  ExportGridToWord(ctx_, *Label1, *Tablica, 1);
}

void Unos2::Picture19_Click() {
  s_.ReportCode = kRatioDocumentCode;
  ExportGridToWord(ctx_, *Label1, *Tablica, 2);
}

// The close box leaves the way the window's own back button does.
void Unos2::CloseBox() { Izlaz3_Click(); }

}  // namespace morvadel
