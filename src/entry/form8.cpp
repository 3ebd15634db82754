#include "entry/form8.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include "model/labels.h"
#include "model/recalc.h"
#include "output/report_pages.h"
#include "output/export_run.h"
#include "platform/dialogs.h"
#include "platform/navigator.h"
#include "platform/window_frame.h"

namespace morvadel {

namespace {

constexpr StatementSheet kSheets[] = {
    {1, 100, kStatementSheetRows[0] + 1, 1, kStatementTitles[0].hr, kStatementTitles[0].en},
    {2, 200, kStatementSheetRows[1] + 1, 5, kStatementTitles[1].hr, kStatementTitles[1].en},
    {3, 300, kStatementSheetRows[2] + 1, 3, kStatementTitles[2].hr, kStatementTitles[2].en},
    {4, 400, kStatementSheetRows[3] + 1, 4, kStatementTitles[3].hr, kStatementTitles[3].en},
    {5, 500, kStatementSheetRows[4] + 1, 3, kStatementTitles[4].hr, kStatementTitles[4].en},
};

using Span = std::pair<int, int>;  // first and last row, inclusive
const std::vector<Span> kLocked[] = {
    {},
    {{1, 4}, {10, 12}, {15, 17}, {21, 25}, {32, 34}, {38, 41}, {46, 52}},
    {{1, 2}, {5, 7}, {10, 12}, {17, 22}, {24, 26}, {29, 29}},
    {{1, 3}, {5, 7}, {13, 15}, {24, 27}, {32, 36}, {44, 47}, {49, 50}},
    {{1, 2}},
};

constexpr const char* kColumnHeads[] = {"      I", "      II", "     III", "      IV", "      V", "      VI"};

constexpr int kHeadRowTwips = 250;
constexpr int kLabelColTwips = 3200;
constexpr int kPeriodColTwips = 1000;
constexpr int kVisibleRows = 23;  // rows the grid shows at once, heading included
constexpr int kDefaultRowTwips = 240;

int ValidSheet(int code) { return code >= 1 && code <= 5 ? code : 1; }

QPushButton* SheetButton(QWidget* parent) {
  auto* b = new QPushButton(parent);
  b->setMinimumSize(118, 34);
  b->setCursor(Qt::PointingHandCursor);
  return b;
}

// The design's captions, which the Croatian window shows again on loading.
void SetCroatianCaptions(Form8& f) {
  f.Command1->setText("Opći podaci");
  f.Command2->setText("Bruto bilanca");
  f.Command3->setText("Rn dobiti i gubitaka");
  f.Command4->setText("Novčani tijek");
  f.Command5->setText("Troškovi");
  f.Command6->setText("Osnove");
}

}  // namespace

const StatementSheet& SheetOf(int code) { return kSheets[ValidSheet(code) - 1]; }

void SetStatementSheetSettings(SharedState& s, int code) {
  const StatementSheet& sheet = SheetOf(code);
  s.GridCols = 7;
  s.GridRows = sheet.gridRows;
  s.GridFixedCols = 1;
  s.GridFixedRows = 1;
  s.ReportCode = sheet.code;
  s.SectionBase = sheet.sectionBase;
}

bool IsLockedStatementRow(int sheet, int row) {
  if (sheet < 1 || sheet > 5) return false;
  for (const Span& s : kLocked[sheet - 1])
    if (row >= s.first && row <= s.second) return true;
  return false;
}

Form8::Form8(AppContext& ctx) : Form(ctx, FormId::form8) {
  SetGrows(true);
  // The banner is drawn once the grid's width is known.
  const WindowFrame frame = BuildWindowFrame(this, QSize(), QMargins(18, 12, 18, 14), 8);
  Picture4 = frame.banner;
  QWidget* body = frame.body;
  QBoxLayout* bodyLayout = frame.bodyLayout;

  const TitledGrid titled = AddTitledGrid(body, bodyLayout, kLabelColTwips + 6 * kPeriodColTwips);
  Label1 = titled.title;
  Picture3 = titled.rule;
  Tablica = titled.grid;

  edit_ = new CellEditFamily(Tablica, this);
  edit_->WatchBackground(body);
  tekst = edit_->tekst;

  auto* sheets = new QHBoxLayout;
  sheets->setSpacing(6);
  Command1 = SheetButton(body);
  Command2 = SheetButton(body);
  Command3 = SheetButton(body);
  Command4 = SheetButton(body);
  Command5 = SheetButton(body);
  for (QPushButton* b : {Command1, Command2, Command3, Command4, Command5}) sheets->addWidget(b);
  sheets->addStretch();
  bodyLayout->addSpacing(4);
  bodyLayout->addLayout(sheets);

  auto* commands = new QHBoxLayout;
  commands->setSpacing(6);
  Command6 = SheetButton(body);
  commands->addWidget(Command6);
  commands->addStretch();
  AddExportButtons(body, commands, Picture16, Picture17, Picture18, Picture19);
  commands->addSpacing(8);
  Picture2 = new PictureButton(IconKind::Print, body);
  Picture5 = new PictureButton(IconKind::Sum, body);
  Picture1 = new PictureButton(IconKind::Continue, body);
  // The print button keeps its place on the general-data sheet, where it is hidden.
  KeepPlaceWhenHidden(Picture2);
  commands->addWidget(Picture2);
  commands->addSpacing(8);
  commands->addWidget(Picture5);
  commands->addSpacing(8);
  commands->addWidget(Picture1);
  bodyLayout->addLayout(commands);

  SetCroatianCaptions(*this);

  connect(Command1, &QPushButton::clicked, this, &Form8::Command1_Click);
  connect(Command2, &QPushButton::clicked, this, &Form8::Command2_Click);
  connect(Command3, &QPushButton::clicked, this, &Form8::Command3_Click);
  connect(Command4, &QPushButton::clicked, this, &Form8::Command4_Click);
  connect(Command5, &QPushButton::clicked, this, &Form8::Command5_Click);
  connect(Command6, &QPushButton::clicked, this, &Form8::Command6_Click);
  connect(Picture1, &QToolButton::clicked, this, &Form8::Picture1_Click);
  connect(Picture5, &QToolButton::clicked, this, &Form8::Picture5_Click);
  connect(Picture2, &QToolButton::clicked, this, &Form8::Picture2_Click);
  connect(Picture16, &QToolButton::clicked, this, &Form8::Picture16_Click);
  connect(Picture17, &QToolButton::clicked, this, &Form8::Picture17_Click);
  connect(Picture18, &QToolButton::clicked, this, &Form8::Picture18_Click);
  connect(Picture19, &QToolButton::clicked, this, &Form8::Picture19_Click);
}

void Form8::Form_Load() {
  sheet_ = ValidSheet(s_.ReportCode);
  const StatementSheet& sheet = SheetOf(sheet_);
  const bool hr = s_.Language == kCroatian, en = s_.Language == kEnglish;

  if (hr) setWindowTitle("Unos podataka");
  if (en) Picture4->SetLanguage(kEnglish);

  if (hr) {
    Label1->setText(sheet.titleHr);
    s_.ReportTitle = sheet.titleHr;
    SetCroatianCaptions(*this);
    Picture1->setToolTip(" Nastavak ");
    Picture2->setToolTip(" Ispis ");
    Picture5->setToolTip(" Izračun ");
  }
  if (en) {
    Label1->setText(sheet.titleEn);
    s_.ReportTitle = sheet.titleEn;
    Command1->setText("General Data");
    Command2->setText("Balance Sheet");
    Command3->setText("Income Statement");
    Command4->setText("Cash Flow");
    Command5->setText("Expenses");
    Command6->setText("About");
    Picture1->setToolTip(" Continue ");
    Picture2->setToolTip(" Print ");
    Picture5->setToolTip(" Sum ");
  }
  QPushButton* const sheetButtons[] = {Command1, Command2, Command3, Command4, Command5};
  sheetButtons[sheet_ - 1]->setEnabled(false);
  // The general data are not printed.
  Picture2->setEnabled(sheet_ != 1);
  Picture2->setVisible(sheet_ != 1);

  // Grid shape from the shared settings, never beyond the section.
  const int rows = std::clamp<int>(s_.GridRows, 2, 100);
  const int cols = std::clamp<int>(s_.GridCols, 2, 7);
  Tablica->SetRows(rows);
  Tablica->SetCols(cols);
  Tablica->SetFixedCols(std::clamp<int>(s_.GridFixedCols, 0, cols - 1));
  Tablica->SetFixedRows(std::clamp<int>(s_.GridFixedRows, 0, rows - 1));
  Tablica->SetRowHeight(0, kHeadRowTwips);
  Tablica->SetColWidth(0, kLabelColTwips);
  for (int c = 1; c < cols; ++c) Tablica->SetColWidth(c, kPeriodColTwips);
  // A screenful of rows on every sheet, so that the window and its buttons
  // stay where they are from sheet to sheet; longer sheets scroll.
  Tablica->setMinimumHeight(GridHeightPx(Tablica, kHeadRowTwips + (kVisibleRows - 1) * kDefaultRowTwips) + 1);

  if (sheet_ >= 2) {
    for (int r = 1; r < rows; ++r) {
      if (!IsLockedStatementRow(sheet_, r)) continue;
      Tablica->SetRow(r);
      for (int c = 1; c < cols; ++c) {
        Tablica->SetCol(c);
        Tablica->SetCellBackColor(LockedShade);
      }
    }
    Tablica->SetRow(sheet.firstOpenRow);
    Tablica->SetCol(1);
  }

  for (int c = 1; c < cols; ++c) Tablica->SetTextMatrix(0, c, kColumnHeads[c - 1]);

  FillStatementLabels(s_, sheet_, s_.Language);
  for (int r = 0; r < rows; ++r) {
    Tablica->SetTextMatrix(r, 0, QString::fromStdString(ItemText(s_, r, 0)));
    if (s_.SectionBase + r >= 0 && s_.SectionBase + r < ItemTableT::kRows)
      s_.ItemTable(s_.SectionBase + r, 0) = s_.ItemTable(r, 0);
  }
  for (int c = 0; c < cols; ++c) Tablica->SetTextMatrix(1, c, QString::fromStdString(ItemText(s_, 101, c)));

  s_.SectionBase = sheet.sectionBase;
  Napuni_Tablicu(sheet.gridRows);

  const int16_t code = static_cast<int16_t>(sheet_);
  edit_->SetKeyRouting([this, code](CellEditFamily&, int row, int keyAscii) { RowRule(code, row, keyAscii); });
  edit_->SetKeyFilter(&StatementKeyPasses);
  edit_->SetWriteBack([this] { WriteBack(); });
  edit_->SetUpEditor();
  Tablica->setFocus(Qt::OtherFocusReason);
}

void Form8::Napuni_Tablicu(int redaka) {
  // Right after New the data cells start empty, once.
  if (s_.NewDocFlag == kFlagOn) {
    s_.NewDocFlag = kFlagOff;
    return;
  }
  const int rows = std::min(redaka, Tablica->Rows());
  const int cols = std::min(7, Tablica->Cols());
  for (int r = 1; r < rows; ++r) {
    // Row 1 of every sheet shows the period names of the general data.
    if (r == 1 && sheet_ != 1) continue;
    for (int c = 1; c < cols; ++c)
      Tablica->SetTextMatrix(r, c, QString::fromStdString(ItemText(s_, s_.SectionBase + r, c)));
  }
}

// The grid into its section; on sheets 2..5 row 1 shows the period names of
// the general data, so a name changed there is a change of those names.
void Form8::WriteBack() {
  SaveGridToTable(*Tablica, s_);
  if (sheet_ != 1 && Tablica->Rows() > 1) {
    const int cols = std::min<int>({static_cast<int>(s_.GridCols), Tablica->Cols(), 7});
    for (int c = 1; c < cols; ++c) s_.ItemTable(101, c) = Cell::Text(Tablica->TextMatrix(1, c).toStdString());
  }
}

void Form8::ShowSheet(int code) {
  edit_->CommitAndWriteBack();
  SetStatementSheetSettings(s_, code);
  ctx_.nav.Show(FormId::form8);
}

void Form8::Command1_Click() { ShowSheet(1); }
void Form8::Command2_Click() { ShowSheet(2); }
void Form8::Command3_Click() { ShowSheet(3); }
void Form8::Command4_Click() { ShowSheet(4); }
void Form8::Command5_Click() { ShowSheet(5); }

void Form8::Command6_Click() {
  edit_->CommitAndWriteBack();
  ctx_.nav.Show(FormId::for7);
}

void Form8::Picture1_Click() {
  edit_->CommitAndWriteBack();
  ctx_.nav.Show(FormId::Form2a);
}

void Form8::Picture5_Click() {
  edit_->CommitAndWriteBack();
  const RecalcError e = RecalculateStatements(s_);
  if (!e.ok()) {
    // The sheet stays as typed; the table keeps what the write-back stored.
    ctx_.dialogs.Message(DescribeRecalcError(e, s_, s_.Language), MsgIcon::Critical);
    return;
  }
  ctx_.nav.Show(FormId::form8);
}

void Form8::Picture2_Click() {
  // The pages show the figures on the screen, one still in the editor included.
  if (const ReportLayout* layout = StatementLayout(sheet_))
    PrintReportCommand(ctx_.dialogs, s_, *layout, [this] { edit_->CommitAndWriteBack(); });
}

// The exports take the grid as it shows, an open edit included; they leave
// the sheet and the item table as they are.
void Form8::Picture16_Click() {
  edit_->CommitCellEdit();
  ExportGridToExcel(ctx_, *Label1, *Tablica);
}

void Form8::Picture17_Click() {
  edit_->CommitCellEdit();
  ExportGridToWord(ctx_, *Label1, *Tablica, 1);
}

void Form8::Picture18_Click() {
  edit_->CommitCellEdit();
  ExportGridToHtml(ctx_, *Label1, *Tablica);
}

void Form8::Picture19_Click() {
  edit_->CommitCellEdit();
  ExportGridToWord(ctx_, *Label1, *Tablica, 2);
}

void Form8::CloseBox() { Picture1_Click(); }

void Form8::RowRule(int sheet, int row, int keyAscii) {
  switch (sheet) {
    case 1: KeyPressRowsGeneralData(row, keyAscii); break;
    case 2: KeyPressRowsBalanceSheet(row, keyAscii); break;
    case 3: KeyPressRowsIncomeStatement(row, keyAscii); break;
    case 4: KeyPressRowsCashFlow(row, keyAscii); break;
    case 5: KeyPressRowsExpenses(row, keyAscii); break;
    default: break;
  }
}

// Row 1 takes the period or company names: its first key starts the
// editor with that letter, as a digit does on the other rows.
void Form8::KeyPressRowsGeneralData(int row, int keyAscii) {
  if (IsLockedStatementRow(1, row)) return;
  if (row == 1)
    edit_->StartTextEdit(keyAscii);
  else
    edit_->StartNumberEdit(keyAscii);
}
void Form8::KeyPressRowsBalanceSheet(int row, int keyAscii) {
  if (!IsLockedStatementRow(2, row)) edit_->StartNumberEdit(keyAscii);
}
void Form8::KeyPressRowsIncomeStatement(int row, int keyAscii) {
  if (!IsLockedStatementRow(3, row)) edit_->StartNumberEdit(keyAscii);
}
void Form8::KeyPressRowsCashFlow(int row, int keyAscii) {
  if (!IsLockedStatementRow(4, row)) edit_->StartNumberEdit(keyAscii);
}
void Form8::KeyPressRowsExpenses(int row, int keyAscii) {
  if (!IsLockedStatementRow(5, row)) edit_->StartNumberEdit(keyAscii);
}

}  // namespace morvadel
