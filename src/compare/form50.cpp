#include "compare/form50.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>
#include <algorithm>

#include "compare/compare_result.h"
#include "compare/graphs.h"
#include "entry/form8.h"
#include "model/labels.h"
#include "output/report_pages.h"
#include "output/export_run.h"
#include "platform/navigator.h"
#include "platform/window_frame.h"

namespace morvadel {

namespace {

constexpr CompareView kViews[] = {
    {kDunBradstreetView, 600, 45, 11, 10, "Pokazatelji po Dun and Bradstreet-u", "Dun and Bradstreet Ratios"},
    {kPrenticeHallView, 700, 31, 11, 10, "Pokazatelji po Prentence Hall-u", "Prentice Hall Ratios"},
    {kRobertMorrisView, 800, 48, 11, 10, "Pokazatelji po Robert Morris-u", "Robert Morris Ratios"},
    {kCommonSizeBalanceView, 900, 53, 7, 1, "Strukturna bilanca", "Common Size Balance Sheet"},
    {kCommonSizeIncomeView, 1000, 33, 7, 1, "Strukturni račun dobiti i gubitka", "Common Size Income Statement"},
};

constexpr const char* kPeriodHeads[] = {"      I", "      II", "     III", "      IV", "      V", "      VI"};
constexpr const char* kIndustryHeadsEn[] = {"    High", "     Low", "Average", "Ind Comp"};
constexpr const char* kIndustryHeadsHr[] = {"    Max.", "    Min.", "Prosjek", "Ind.komp"};

constexpr const char* kCommand1Hr = "Strukturna bilanca";
constexpr const char* kCommand2Hr = "Strukturni račun dobiti i gubitaka";
constexpr const char* kCommand1En = "Common Size Balance Sheet";
constexpr const char* kCommand2En = "Common Size Income Statement";

// Twips.
constexpr int kHeadRowTwips = 250;
constexpr int kIndustryLabelTwips = 2270;
constexpr int kIndustryPeriodTwips = 685;
constexpr int kIndustryFigureTwips = 765;
constexpr int kCommonLabelTwips = 3200;
constexpr int kCommonPeriodTwips = 1000;
constexpr int kGridWidthTwips = 9200;  // both layouts: 2270 + 9 x 685 + 765 = 3200 + 6 x 1000
constexpr int kDefaultRowTwips = 240;
constexpr int kVisibleRows = 23;  // rows the grid shows at once, heading included

constexpr int kMargin = 18;
constexpr double kSmallestPointSize = 6.5;
const QSize kSourcePictureSize(109, 42);

QPushButton* ViewButton(QWidget* parent) {
  auto* b = new QPushButton(parent);
  b->setMinimumSize(220, 34);
  b->setCursor(Qt::PointingHandCursor);
  return b;
}

}  // namespace

const CompareView* CompareViewOf(int code) {
  for (const CompareView& v : kViews)
    if (v.code == code) return &v;
  return nullptr;
}

void SetCompareViewSettings(SharedState& s, int code) {
  const CompareView* v = CompareViewOf(code);
  if (!v) return;
  s.ReportCode = v->code;
  s.GridFixedCols = v->gridFixedCols;
  s.GridFixedRows = 1;
  s.GridCols = v->gridCols;
  s.GridRows = v->gridRows;
  if (s.Language == kCroatian) s.ReportTitle = v->titleHr;
  if (s.Language == kEnglish) s.ReportTitle = v->titleEn;
  s.SectionBase = v->sectionBase;
}

Form50::Form50(AppContext& ctx) : Form(ctx, FormId::form50) {
  SetGrows(true);
  // The banner is drawn once the grid's width is known.
  const WindowFrame frame = BuildWindowFrame(this, QSize(), QMargins(kMargin, 12, kMargin, 14), 8);
  Picture4 = frame.banner;
  QWidget* body = frame.body;
  QBoxLayout* bodyLayout = frame.bodyLayout;

  const TitledGrid titled = AddTitledGrid(body, bodyLayout, kGridWidthTwips);
  Label1 = titled.title;
  Picture3 = titled.rule;
  Tablica = titled.grid;
  Tablica->setMinimumHeight(GridHeightPx(Tablica, kHeadRowTwips + (kVisibleRows - 1) * kDefaultRowTwips));

  edit_ = new CellEditFamily(Tablica, this);
  edit_->WatchBackground(body);
  tekst = edit_->tekst;

  // View buttons (common-size views) or the source and its explanations
  // (industry views); under them the exports and, on the right, the way back.
  auto* views = new QHBoxLayout;
  views->setSpacing(8);
  auto* commands = new QHBoxLayout;
  commands->setSpacing(8);
  Command1 = ViewButton(body);
  Command2 = ViewButton(body);
  views->addWidget(Command1);
  views->addWidget(Command2);
  Picture8 = new PictureButton(IconKind::Graph, body);
  views->addWidget(Picture8);
  Picture7 = new QLabel(body);
  Picture7->setFixedSize(kSourcePictureSize);
  Picture7->setPixmap(SourcePicture(kRobertMorrisView, kSourcePictureSize));
  views->addWidget(Picture7);
  Picture9 = new PictureButton(IconKind::Help, body);
  views->addWidget(Picture9);
  views->addStretch();
  commands->addStretch();
  AddExportButtons(body, commands, Picture16, Picture17, Picture18, Picture19);
  commands->addSpacing(8);
  Picture2 = new PictureButton(IconKind::Print, body);
  commands->addWidget(Picture2);
  commands->addSpacing(8);
  Picture1 = new PictureButton(IconKind::Back, body);
  commands->addWidget(Picture1);
  bodyLayout->addSpacing(4);
  bodyLayout->addLayout(views);
  bodyLayout->addLayout(commands);

  // The design's captions.
  Command1->setText(kCommand1Hr);
  Command2->setText(kCommand2Hr);

  connect(Command1, &QPushButton::clicked, this, &Form50::Command1_Click);
  connect(Command2, &QPushButton::clicked, this, &Form50::Command2_Click);
  connect(Picture1, &QToolButton::clicked, this, &Form50::Picture1_Click);
  connect(Picture9, &QToolButton::clicked, this, &Form50::Picture9_Click);
  connect(Picture2, &QToolButton::clicked, this, &Form50::Picture2_Click);
  connect(Picture16, &QToolButton::clicked, this, &Form50::Picture16_Click);
  connect(Picture17, &QToolButton::clicked, this, &Form50::Picture17_Click);
  connect(Picture18, &QToolButton::clicked, this, &Form50::Picture18_Click);
  connect(Picture19, &QToolButton::clicked, this, &Form50::Picture19_Click);
  connect(Picture8, &QToolButton::clicked, this, &Form50::Picture8_Click);
}

void Form50::Form_Load() {
  view_ = s_.ReportCode;
  const bool hr = s_.Language == kCroatian, en = s_.Language == kEnglish;
  const bool industry = IsIndustryView();

  if (en) {
    Picture4->SetLanguage(kEnglish);
    Command1->setText(kCommand1En);
    Command2->setText(kCommand2En);
    Picture1->setToolTip(" Back ");
    Picture2->setToolTip(" Print ");
    Picture9->setToolTip(" Explanations ");
    Picture8->setToolTip(" Graphs ");
  }
  Label1->setText(QString::fromStdString(s_.ReportTitle));

  if (industry) Picture7->setPixmap(SourcePicture(view_, kSourcePictureSize));
  if (!industry) {
    Picture7->hide();
    Picture9->hide();
  } else {
    for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{Picture8, Command1, Command2}) {
      b->hide();
      b->setEnabled(false);
    }
  }
  if (hr) {
    Command1->setText(kCommand1Hr);
    Command2->setText(kCommand2Hr);
    Picture1->setToolTip(" Povratak ");
    Picture2->setToolTip(" Ispis ");
    Picture9->setToolTip(" Objašnjenja ");
    Picture8->setToolTip(" Grafovi ");
  }
  if (view_ == kCommonSizeBalanceView) Command1->setEnabled(false);
  if (view_ == kCommonSizeIncomeView) Command2->setEnabled(false);

  // Grid shape from the shared settings, never beyond the item table's columns.
  const int rows = std::clamp<int>(s_.GridRows, 2, 100);
  const int cols = std::clamp<int>(s_.GridCols, 2, 11);
  Tablica->SetRows(rows);
  Tablica->SetCols(cols);
  Tablica->SetFixedCols(std::clamp<int>(s_.GridFixedCols, 0, cols - 1));
  Tablica->SetFixedRows(std::clamp<int>(s_.GridFixedRows, 0, rows - 1));
  Tablica->SetRowHeight(0, kHeadRowTwips);
  if (industry) {
    Tablica->SetColWidth(0, kIndustryLabelTwips);
    for (int c = 1; c < std::min(cols, 10); ++c) Tablica->SetColWidth(c, kIndustryPeriodTwips);
    if (cols > 10) Tablica->SetColWidth(10, kIndustryFigureTwips);
  } else {
    Tablica->SetColWidth(0, kCommonLabelTwips);
    for (int c = 1; c < std::min(cols, 7); ++c) Tablica->SetColWidth(c, kCommonPeriodTwips);
  }

  ShadeRows();
  if (industry) {
    Tablica->SetRow(view_ == kDunBradstreetView ? 4 : 3);
    Tablica->SetCol(10);
  } else {
    // The grid opens at its top: the first data cell is the current one.
    Tablica->SetRow(1);
    Tablica->SetCol(1);
  }

  for (int c = 1; c < std::min(cols, 7); ++c) Tablica->SetTextMatrix(0, c, kPeriodHeads[c - 1]);
  if (industry) {
    const char* const* heads = en ? kIndustryHeadsEn : hr ? kIndustryHeadsHr : nullptr;
    if (heads)
      for (int c = 7; c < std::min(cols, 11); ++c) Tablica->SetTextMatrix(0, c, heads[c - 7]);
    if (hr) setWindowTitle(kIndustryCaptionHr);
  }

  switch (view_) {
    case kDunBradstreetView: FillDunBradstreetLabels(s_); break;
    case kPrenticeHallView: FillPrenticeHallLabels(s_); break;
    case kRobertMorrisView: FillRobertMorrisLabels(s_); break;
    case kCommonSizeBalanceView: FillStatementLabels(s_, 2, s_.Language); break;
    case kCommonSizeIncomeView: FillStatementLabels(s_, 3, s_.Language); break;
    default: break;
  }
  // Row 0 is included: the industry lists head their label column there,
  // and the statement lists leave it as the last industry list set it.
  for (int i = 0; i < rows && i < 100; ++i) {
    Tablica->SetTextMatrix(i, 0, QString::fromStdString(ItemText(s_, i, 0)));
    const int item = s_.SectionBase + i;
    if (item >= 0 && item < ItemTableT::kRows) s_.ItemTable(item, 0) = s_.ItemTable(i, 0);
  }

  if (industry) FitGridFont();
  Calculate();

  // After the calculation, which empties row 1: the period or company names.
  for (int c = 0; c < std::min(cols, 7); ++c)
    Tablica->SetTextMatrix(1, c, QString::fromStdString(ItemText(s_, 101, c)));

  edit_->SetKeyRouting([this](CellEditFamily&, int row, int keyAscii) { RowRule(row, keyAscii); });
  edit_->SetKeyFilter(&StatementKeyPasses);
  edit_->SetWriteBack([this] { WriteBack(); });
  edit_->SetUpEditor();
  Tablica->setFocus(Qt::OtherFocusReason);
}

void Form50::Calculate() {
  const CompareView* v = CompareViewOf(view_);
  if (!v) return;
  // The view's own section: the calculation writes there whatever SectionBase says.
  const CompareResult result = ComputeView(s_, view_);
  const int rows = std::min(result.lastRow(), Tablica->Rows() - 1);
  const int cols = std::min(result.lastColumn(), Tablica->Cols() - 1);
  for (int r = 1; r <= rows; ++r)
    for (int c = 1; c <= cols; ++c) Tablica->SetTextMatrix(r, c, QString::fromStdString(result.GridText(r, c)));
  ApplyCompareResult(s_, result);
}

// The industry columns are narrow (685 and 765 twips); the grid's font is
// the one they were measured for, but where another font stands in and a
// heading or label would be cut, the font is narrowed, then made smaller,
// until they fit.
void Form50::FitGridFont() {
  auto fits = [this] {
    for (int c = 0; c < Tablica->Cols(); ++c) {
      const int lastRow = c == 0 ? Tablica->Rows() - 1 : 0;
      for (int r = 0; r <= lastRow; ++r)
        if (!Tablica->CellTextFits(r, c)) return false;
    }
    return true;
  };
  if (fits()) return;
  QFont font = Tablica->font();
  font.setStretch(QFont::SemiCondensed);
  Tablica->setFont(font);
  while (!fits() && font.pointSizeF() - 0.25 >= kSmallestPointSize) {
    font.setPointSizeF(font.pointSizeF() - 0.25);
    Tablica->setFont(font);
  }
}

void Form50::ShadeIndustryCell(int row) {
  Tablica->SetRow(row);
  Tablica->SetCol(10);
  Tablica->SetCellBackColor(LockedShade);
}

void Form50::ShadeRow(int row) {
  Tablica->SetRow(row);
  for (int c = 1; c <= 6 && c < Tablica->Cols(); ++c) {
    Tablica->SetCol(c);
    Tablica->SetCellBackColor(LockedShade);
  }
}

void Form50::ShadeRows() {
  if (IsIndustryView()) {
    if (Tablica->Cols() <= 10) return;
    for (int row : LockedRowsOfView(view_))
      if (row < Tablica->Rows()) ShadeIndustryCell(row);
    return;
  }
  if (!CompareViewOf(view_)) return;
  for (int r = 1; r < Tablica->Rows(); ++r) ShadeRow(r);
}

void Form50::WriteBack() { SaveGridToTable(*Tablica, s_); }

void Form50::SwitchView(int16_t code) {
  edit_->CommitAndWriteBack();
  SetCompareViewSettings(s_, code);
  ctx_.nav.Show(FormId::form50);
}

void Form50::Command1_Click() { SwitchView(kCommonSizeBalanceView); }
void Form50::Command2_Click() { SwitchView(kCommonSizeIncomeView); }

void Form50::Picture1_Click() {
  edit_->CommitAndWriteBack();
  ctx_.nav.Show(FormId::Form2a);
}

void Form50::Picture2_Click() {
  // The pages show the grid as it stands, industry figures just typed included.
  if (const ReportLayout* layout = ComparisonLayout(view_))
    PrintReportCommand(ctx_.dialogs, s_, *layout, [this] { edit_->CommitAndWriteBack(); });
}

// Both common-size sections are made current by loading this window
// unseen in each common-size view; the graphs then read them.
void Form50::Picture8_Click() {
  if (IsIndustryView() || !CompareViewOf(view_)) return;
  edit_->CommitAndWriteBack();
  for (int16_t code : {kCommonSizeBalanceView, kCommonSizeIncomeView}) {
    SetCompareViewSettings(s_, code);
    ctx_.nav.LoadHidden(FormId::form50);
  }
  SetGraphGroupSettings(s_, kFirstGraphGroup);
  s_.SelectedPeriod = 1;
  ctx_.nav.Show(FormId::form60);
}

void Form50::Picture9_Click() {
  if (s_.ReportCode < kDunBradstreetView || s_.ReportCode > kRobertMorrisView) return;
  edit_->CommitAndWriteBack();
  ctx_.nav.Show(FormId::Form19);
}

// The exports take the grid as it shows, an open edit included; they leave
// the view and the item table as they are.
void Form50::Picture16_Click() {
  edit_->CommitCellEdit();
  ExportGridToExcel(ctx_, *Label1, *Tablica);
}

void Form50::Picture18_Click() {
  edit_->CommitCellEdit();
  ExportGridToHtml(ctx_, *Label1, *Tablica);
}

void Form50::Picture17_Click() { ExportDocument(1); }
void Form50::Picture19_Click() { ExportDocument(2); }

void Form50::ExportDocument(int mode) {
  edit_->CommitCellEdit();
  s_.ReportCode = kComparisonDocumentCode;
  ExportGridToWord(ctx_, *Label1, *Tablica, mode);
  s_.ReportCode = static_cast<int16_t>(view_);
}

void Form50::CloseBox() { Picture1_Click(); }

void Form50::RowRule(int row, int keyAscii) {
  switch (s_.ReportCode) {
    case kDunBradstreetView: KeyPressRowsDunBradstreet(row, keyAscii); break;
    case kPrenticeHallView: KeyPressRowsPrenticeHall(row, keyAscii); break;
    case kRobertMorrisView: KeyPressRowsRobertMorris(row, keyAscii); break;
    case kCommonSizeBalanceView: KeyPressRowsCommonSizeBalance(row, keyAscii); break;
    case kCommonSizeIncomeView: KeyPressRowsCommonSizeIncome(row, keyAscii); break;
    default: break;
  }
}

void Form50::KeyPressRowsDunBradstreet(int row, int keyAscii) {
  if (!IsLockedRow(kDunBradstreetView, row)) edit_->StartNumberEdit(keyAscii);
}
void Form50::KeyPressRowsPrenticeHall(int row, int keyAscii) {
  if (!IsLockedRow(kPrenticeHallView, row)) edit_->StartNumberEdit(keyAscii);
}
void Form50::KeyPressRowsRobertMorris(int row, int keyAscii) {
  if (!IsLockedRow(kRobertMorrisView, row)) edit_->StartNumberEdit(keyAscii);
}
void Form50::KeyPressRowsCommonSizeBalance(int, int keyAscii) { edit_->StartNumberEdit(keyAscii); }
void Form50::KeyPressRowsCommonSizeIncome(int, int keyAscii) { edit_->StartNumberEdit(keyAscii); }

}  // namespace morvadel
