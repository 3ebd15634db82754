#include "compare/form60.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "compare/graphs.h"
#include "compare/slot_colours.h"
#include "model/labels.h"
#include "model/number.h"
#include "output/export_run.h"
#include "output/graph_pages.h"
#include "platform/navigator.h"
#include "platform/printer.h"
#include "platform/twips.h"
#include "platform/window_frame.h"

namespace morvadel {

namespace {

// Twips.
constexpr int kHeadRowTwips = 250;
constexpr int kLabelColTwips = 3200;
constexpr int kValueColTwips = 1000;
constexpr int kDefaultRowTwips = 240;

constexpr int kMargin = 18;
const QSize kPeriodButtonSize(44, 30);
const QSize kChartMinimum(470, 330);

// The chart at its print size with its left edge kept clear: the legend
// keys of the page stand over it there.
QPicture ChartWithClearLeftEdge(const Chart& chart) {
  constexpr int kClearTwips = 216;
  const QPicture inner = chart.Picture(kCommonSizeChartWidthTwips - kClearTwips, kCommonSizeChartHeightTwips);
  const QSizeF inches(kCommonSizeChartWidthTwips / 1440.0, kCommonSizeChartHeightTwips / 1440.0);
  return RecordDrawing(inches, 1440, [&](QPainter& painter) {
    // The inner drawing keeps its own scale: drawn in the drawing's units.
    painter.resetTransform();
    painter.drawPicture(QPointF(kClearTwips / 1440.0 * inner.logicalDpiX(), 0), inner);
  });
}

QPushButton* GroupCommand(QWidget* parent) {
  auto* b = new QPushButton(parent);
  b->setMinimumSize(250, 30);
  b->setCursor(Qt::PointingHandCursor);
  return b;
}

QToolButton* PeriodTile(QWidget* parent) {
  auto* b = new QToolButton(parent);
  b->setAutoRaise(true);
  b->setIconSize(kPeriodButtonSize);
  b->setFixedSize(kPeriodButtonSize + QSize(4, 4));
  b->setCursor(Qt::PointingHandCursor);
  b->setStyleSheet(QStringLiteral("QToolButton { border: none; padding: 0; }"));
  return b;
}

}  // namespace

Form60::Form60(AppContext& ctx) : Form(ctx, FormId::form60) {
  SetGrows(true);
  const WindowFrame frame = BuildWindowFrame(this, QSize(), QMargins(kMargin, 12, kMargin, 12), 8);
  Picture4 = frame.banner;
  QWidget* body = frame.body;
  QBoxLayout* bodyLayout = frame.bodyLayout;

  Label1 = TitleLabel(body);
  bodyLayout->addWidget(Label1);
  bodyLayout->addWidget(new RulePicture(QSize(0, 3), body));

  auto* main = new QHBoxLayout;
  main->setSpacing(18);

  // The group buttons: the balance-sheet groups, then the income-statement
  // groups.
  auto* groups = new QVBoxLayout;
  groups->setSpacing(5);
  QPushButton** commands[] = {&Command1, &Command2, &Command4, &Command5, &Command6,
                              &Command7, &Command8, &Command9, &Command10, &Command11};
  const int16_t codes[] = {51, 52, 54, 55, 56, 57, 58, 61, 62, 63};
  for (int i = 0; i < 10; ++i) {
    *commands[i] = GroupCommand(body);
    (*commands[i])->setObjectName(QStringLiteral("Command%1").arg(i == 0 ? 1 : i == 1 ? 2 : i + 2));
    groupButtons_[codes[i]] = *commands[i];
    if (codes[i] == 61) groups->addSpacing(10);
    groups->addWidget(*commands[i]);
    const int16_t code = codes[i];
    connect(*commands[i], &QPushButton::clicked, this, [this, code] { GroupButton_Click(code); });
  }
  groups->addStretch();
  main->addLayout(groups);

  // Period buttons, the caption and the grid.
  auto* centre = new QVBoxLayout;
  centre->setSpacing(6);
  auto* periods = new QHBoxLayout;
  periods->setSpacing(3);
  QToolButton** tiles[] = {&Picture5, &Picture6, &Picture7, &Picture8, &Picture9, &Picture10};
  for (int p = 1; p <= 6; ++p) {
    *tiles[p - 1] = PeriodTile(body);
    (*tiles[p - 1])->setObjectName(QStringLiteral("Picture%1").arg(p + 4));
    periods->addWidget(*tiles[p - 1]);
    connect(*tiles[p - 1], &QToolButton::clicked, this, [this, p] { PeriodButton_Click(p); });
  }
  periods->addStretch();
  centre->addLayout(periods);
  Label2 = new QLabel(body);
  QFont captionFont = Label2->font();
  captionFont.setBold(true);
  Label2->setFont(captionFont);
  centre->addWidget(Label2);
  Tablica = new Grid(body);
  Tablica->setObjectName("Tablica");
  Tablica->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Tablica->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Tablica->setFixedSize(GridWidthPx(Tablica, kLabelColTwips + kValueColTwips, false),
                        GridHeightPx(Tablica, kHeadRowTwips + (kGraphGridRows - 1) * kDefaultRowTwips));
  centre->addWidget(Tablica);
  centre->addStretch();
  main->addLayout(centre);

  Graf2 = new Chart(body);
  Graf2->setObjectName("Graf2");
  Graf2->setMinimumSize(kChartMinimum);
  Graf2->SetRowCount(1);
  Graf2->SetColumnCount(kGraphSlots);
  Graf2->SetShowLegend(true);
  Graf2->SetLeaveOutUnnamedSeries(true);
  for (int k = 1; k <= kGraphSlots; ++k) Graf2->SetSeriesColor(k, SlotQColor(k));
  Graf2->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  main->addWidget(Graf2, 1);
  bodyLayout->addLayout(main, 1);

  edit_ = new CellEditFamily(Tablica, this);
  edit_->WatchBackground(body);
  tekst = edit_->tekst;

  auto* commandsRow = new QHBoxLayout;
  commandsRow->setSpacing(8);
  Picture2 = new PictureButton(IconKind::Print, body);
  commandsRow->addWidget(Picture2);
  commandsRow->addSpacing(8);
  AddExportButtons(body, commandsRow, Picture16, Picture17, Picture18, Picture19);
  commandsRow->addStretch();
  Picture1 = new PictureButton(IconKind::Back, body);
  commandsRow->addWidget(Picture1);
  bodyLayout->addLayout(commandsRow);

  // The design's Croatian captions; the banner spans the body.
  Label2->setText("Razdoblje /Firma/");
  for (const GraphGroup& g : GraphGroups())
    if (QPushButton* b = GroupButton(g.code)) b->setText(QString::fromUtf8(g.titleHr));
  AddBottomRule(this, frame.layout, body->sizeHint().width());

  connect(Picture1, &QToolButton::clicked, this, &Form60::Picture1_Click);
  connect(Picture2, &QToolButton::clicked, this, &Form60::Picture2_Click);
  connect(Picture16, &QToolButton::clicked, this, &Form60::Picture16_Click);
  connect(Picture17, &QToolButton::clicked, this, &Form60::Picture17_Click);
  connect(Picture18, &QToolButton::clicked, this, &Form60::Picture18_Click);
  connect(Picture19, &QToolButton::clicked, this, &Form60::Picture19_Click);
}

QPushButton* Form60::GroupButton(int16_t code) const {
  const auto it = groupButtons_.find(code);
  return it == groupButtons_.end() ? nullptr : it->second;
}

QToolButton* Form60::PeriodButton(int period) const {
  QToolButton* const tiles[] = {Picture5, Picture6, Picture7, Picture8, Picture9, Picture10};
  return period >= 1 && period <= 6 ? tiles[period - 1] : nullptr;
}

void Form60::SetLanguageCaptions() {
  if (s_.Language == kCroatian) {
    Label2->setText("Razdoblje /Firma/");
    for (const GraphGroup& g : GraphGroups())
      if (QPushButton* b = GroupButton(g.code)) b->setText(QString::fromUtf8(g.titleHr));
    Picture1->setToolTip(" Povratak ");
    Picture2->setToolTip("Ispis na pisač");
  }
  if (s_.Language == kEnglish) {
    Picture4->SetLanguage(kEnglish);
    Label2->setText("Period, /Company/");
    for (const GraphGroup& g : GraphGroups())
      if (QPushButton* b = GroupButton(g.code)) b->setText(QString::fromUtf8(g.titleEn));
    Picture1->setToolTip(" Back ");
    Picture2->setToolTip("Print this page");
  }
  for (const auto& [code, button] : groupButtons_) button->setEnabled(code != s_.ReportCode);
  Label1->setText(QString::fromStdString(s_.ReportTitle));
}

void Form60::ResetPeriodButtons() {
  for (int p = 1; p <= 6; ++p)
    PeriodButton(p)->setIcon(QIcon(PeriodPicture(PeriodNumeral(p), false, kPeriodButtonSize)));
  markedPeriod_ = 0;
}

void Form60::Form_Load() {
  SetLanguageCaptions();

  // The shape the opener set: two columns by thirteen rows.
  const int rows = std::clamp<int>(s_.GridRows, 8, 99);
  const int cols = std::clamp<int>(s_.GridCols, 2, 7);
  Tablica->SetCols(cols);
  Tablica->SetRows(rows);
  Tablica->SetFixedCols(std::clamp<int>(s_.GridFixedCols, 0, cols - 1));
  Tablica->SetFixedRows(std::clamp<int>(s_.GridFixedRows, 0, rows - 1));
  Tablica->SetRowHeight(0, kHeadRowTwips);
  Tablica->SetColWidth(0, kLabelColTwips);
  Tablica->SetColWidth(1, kValueColTwips);

  // The label list of the group's statement.
  if (s_.SectionBase == kBalanceGraphSection) FillStatementLabels(s_, 2, s_.Language);
  if (s_.SectionBase == kIncomeGraphSection) FillStatementLabels(s_, 3, s_.Language);

  for (int i = 0; i < rows; ++i) {
    Tablica->SetTextMatrix(i, 0, QString());
    Tablica->SetTextMatrix(i, 1, QString());
  }

  const int p = std::clamp<int>(s_.SelectedPeriod, 1, 6);
  ResetPeriodButtons();
  PeriodButton(p)->setIcon(QIcon(PeriodPicture(PeriodNumeral(p), true, kPeriodButtonSize)));
  markedPeriod_ = p;
  Tablica->SetTextMatrix(0, 1, GraphPeriodHeading(p));

  Tablica->SetTextMatrix(1, 0, QString::fromStdString(ItemText(s_, 1, 0)));
  Tablica->SetTextMatrix(1, 1, QString::fromStdString(ItemText(s_, 101, p)));

  LoadGraphGroup(s_, s_.ReportCode, p);
  for (int r = 3; r <= 7; ++r) {
    Tablica->SetTextMatrix(r, 0, QString::fromStdString(CellText(s_.ChartLabels(r, 0), s_.DecimalMark)));
    const Currency v = s_.ChartValues(r, 1);
    if (!v.IsZero()) Tablica->SetTextMatrix(r, 1, QString::fromStdString(FormatScaled(v.raw, 4, s_.DecimalMark)));
  }

  FillChart();

  // Every row opens the number editor; nothing writes the grid back.
  edit_->SetKeyRouting([](CellEditFamily& family, int, int keyAscii) { family.StartNumberEdit(keyAscii); });
  edit_->SetKeyFilter(&StatementKeyPasses);
  edit_->SetUpEditor();
  Tablica->setFocus(Qt::OtherFocusReason);
}

void Form60::ColourSeriesCells() {
  for (int row = 3; row <= 7; ++row) {
    Tablica->SetRow(row);
    Tablica->SetCol(1);
    if (!s_.ChartValues(row, 1).IsZero()) Tablica->SetCellBackColor(SlotQColor(row - 2));
  }
  Tablica->SetRow(Tablica->Rows() - 1);
  Tablica->SetCol(1);
}

void Form60::FillChart() {
  ColourSeriesCells();
  const int p = std::clamp<int>(s_.SelectedPeriod, 1, 6);
  // The one category is the period.
  Graf2->SetDecimalMark(s_.DecimalMark);
  Graf2->SetRow(1);
  Graf2->SetRowLabel(QString::fromStdString(PeriodChartLabel(s_, p)));
  for (int k = 1; k <= kGraphSlots; ++k) {
    Graf2->SetColumn(k);
    Graf2->SetData(QString::fromStdString(FormatScaled(s_.ChartValues(k + 2, 1).raw, 4, s_.DecimalMark)));
    Graf2->SetColumnLabel(QString::fromStdString(CellText(s_.ChartLabels(k + 2, 0), s_.DecimalMark)));
  }
  Graf2->Refresh();
}

void Form60::GroupButton_Click(int16_t code) {
  SetGraphGroupSettings(s_, code);
  ctx_.nav.Show(FormId::form60);
}

void Form60::PeriodButton_Click(int period) {
  s_.SelectedPeriod = static_cast<int16_t>(period);
  ctx_.nav.Show(FormId::form60);
}

void Form60::Picture1_Click() { ctx_.nav.Show(FormId::Form2a); }

// The page, then the main window; a cancelled or failed print keeps the
// window as it was.
void Form60::Picture2_Click() {
  const bool printed = RunPrintCommand(ctx_.dialogs, s_.Language, [this](Printer& printer) {
    edit_->CommitCellEdit();  // the page shows the grid as it stands
    printer.SetOrientation(kLandscape);
    printer.SetScaleMode(kScaleInches);
    PrintReportPage(printer, 1.0);
  });
  if (printed) ctx_.nav.Show(FormId::Form2a);
}

void Form60::Picture16_Click() {
  edit_->CommitCellEdit();
  ExportGridToExcel(ctx_, *Label1, *Tablica);
}

void Form60::Picture18_Click() {
  edit_->CommitCellEdit();
  ExportGridToHtml(ctx_, *Label1, *Tablica);
}

void Form60::Picture17_Click() {
  edit_->CommitCellEdit();
  ExportGridToWord(ctx_, *Label1, *Tablica, 1);
}

void Form60::Picture19_Click() {
  edit_->CommitCellEdit();
  ExportGridToWord(ctx_, *Label1, *Tablica, 2);
}

void Form60::PrintReportPage(Printer& target, double scale) {
  CommonSizeGraphPage page;
  for (int i = 1; i <= 7; ++i) page.labels[static_cast<size_t>(i)] = Tablica->TextMatrix(i, 0).toStdString();
  page.periodName = Tablica->TextMatrix(1, 1).toStdString();
  page.chart = ChartWithClearLeftEdge(*Graf2);
  for (int keys = 2; keys <= kGraphSlots; ++keys) {
    std::vector<QColor> colours;
    for (int k = 1; k <= keys; ++k) colours.push_back(SlotQColor(k));
    page.legends[static_cast<size_t>(keys)] = CommonSizeLegend(colours);
  }
  PrintCommonSizeGraphPage(target, s_, page, scale);
}

}  // namespace morvadel
