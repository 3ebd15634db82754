#include "shell/form2a.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QTimer>
#include <utility>

#include "model/recalc.h"
#include "model/workbook_file.h"
#include "platform/dialogs.h"
#include "platform/navigator.h"
#include "platform/window_frame.h"
#include "shell/form1.h"

namespace morvadel {
namespace {

QPushButton* CommandButton(QWidget* parent) {
  auto* b = new QPushButton(parent);
  b->setMinimumSize(260, 42);
  b->setCursor(Qt::PointingHandCursor);
  return b;
}

QToolButton* SourceButton(int source, QWidget* parent) {
  auto* b = new QToolButton(parent);
  b->setIcon(QIcon(SourcePicture(source, QSize(109, 42))));
  b->setIconSize(QSize(109, 42));
  b->setAutoRaise(true);
  b->setCursor(Qt::PointingHandCursor);
  return b;
}

}  // namespace

Form2a::Form2a(AppContext& ctx) : Form(ctx, FormId::Form2a) {
  const WindowFrame frame = BuildWindowFrame(this, QSize(720, 90), QMargins(20, 16, 20, 12), 14);
  Picture1 = frame.banner;
  QWidget* body = frame.body;
  QBoxLayout* bodyLayout = frame.bodyLayout;

  Frame1 = new QGroupBox("File", body);
  auto* files = new QHBoxLayout(Frame1);
  Picture2 = new PictureButton(IconKind::New, Frame1);
  Picture9 = new PictureButton(IconKind::Open, Frame1);
  Picture10 = new PictureButton(IconKind::Save, Frame1);
  Picture11 = new PictureButton(IconKind::SaveAs, Frame1);
  Picture8 = new PictureButton(IconKind::Exit, Frame1);
  for (auto* b : {Picture2, Picture9, Picture10, Picture11}) files->addWidget(b);
  files->addStretch();
  files->addWidget(Picture8);
  bodyLayout->addWidget(Frame1);

  auto* commands = new QGridLayout;
  commands->setHorizontalSpacing(16);
  commands->setVerticalSpacing(10);
  Command7 = CommandButton(body);
  Command1 = CommandButton(body);
  Command3 = CommandButton(body);
  Command4 = CommandButton(body);
  Command81 = CommandButton(body);
  Command82 = CommandButton(body);
  commands->addWidget(Command7, 0, 0);
  commands->addWidget(Command1, 1, 0);
  commands->addWidget(Command3, 2, 0);
  commands->addWidget(Command4, 0, 1);
  commands->addWidget(Command81, 1, 1);
  commands->addWidget(Command82, 2, 1);
  bodyLayout->addLayout(commands);

  Frame2 = new QGroupBox("Usporedba po", body);
  auto* sources = new QHBoxLayout(Frame2);
  Picture5 = SourceButton(1, Frame2);
  Picture6 = SourceButton(2, Frame2);
  Picture7 = SourceButton(3, Frame2);
  sources->addWidget(Picture5);
  sources->addWidget(Picture6);
  sources->addWidget(Picture7);
  sources->addStretch();
  bodyLayout->addWidget(Frame2);

  Text1 = new QLineEdit(body);
  Text1->setReadOnly(true);
  Text1->setFocusPolicy(Qt::NoFocus);
  bodyLayout->addWidget(Text1);

  Command1->setText("Financijski pokazatelji");
  Command3->setText("Strukturna financijska izvješća");
  Command4->setText("Grafički prikaz vrijednosti iz izvješća ");
  Command7->setText("Unos podataka");
  Command81->setText("Konverzija valuta");
  Command82->setText("Nivelacija inflatornih kretanja");

  connect(Command1, &QPushButton::clicked, this, &Form2a::Command1_Click);
  connect(Command3, &QPushButton::clicked, this, &Form2a::Command3_Click);
  connect(Command4, &QPushButton::clicked, this, &Form2a::Command4_Click);
  connect(Command7, &QPushButton::clicked, this, &Form2a::Command7_Click);
  connect(Command81, &QPushButton::clicked, this, &Form2a::Command81_Click);
  connect(Command82, &QPushButton::clicked, this, &Form2a::Command82_Click);
  connect(Picture5, &QToolButton::clicked, this, &Form2a::Picture5_Click);
  connect(Picture6, &QToolButton::clicked, this, &Form2a::Picture6_Click);
  connect(Picture7, &QToolButton::clicked, this, &Form2a::Picture7_Click);
  connect(Picture2, &QToolButton::clicked, this, &Form2a::Picture2_Click);
  connect(Picture9, &QToolButton::clicked, this, &Form2a::Picture9_Click);
  connect(Picture10, &QToolButton::clicked, this, &Form2a::Picture10_Click);
  connect(Picture11, &QToolButton::clicked, this, &Form2a::Picture11_Click);
  connect(Picture8, &QToolButton::clicked, this, &Form2a::Picture8_Click);
}

void Form2a::Form_Load() {
  Picture2->setToolTip(" New ");
  Picture9->setToolTip(" Open ");
  Picture10->setToolTip(" Save ");
  Picture11->setToolTip(" SaveAs ");
  Picture8->setToolTip(" Exit ");
  EnableAnalysis(!s_.FileName.empty());
  // Data entry is never disabled, once its window exists.
  Command7->setEnabled(ctx_.nav.Has(FormId::form8));
  if (s_.Language == kEnglish) {
    Picture1->SetLanguage(kEnglish);
    Frame2->setTitle("Comparable with");
    Command1->setText("Financial Ratios");
    Command3->setText("Common Size Statements ");
    Command4->setText("Financial Statement Value Graphs");
    Command7->setText("Data Entry");
    Command81->setText("Foreign Currency Conversion");
    Command82->setText("Inflation Adjustment");
  }
  SetStatus(QString::fromStdString(s_.FileName), kStatusDesign);
  if (s_.FileName.empty()) {
    if (s_.Language == kCroatian) SetStatus("Molim otvorite datoteku!", kStatusRed);
    if (s_.Language == kEnglish) SetStatus("Open file, please !", kStatusRed);
  }
  // Once the window stands, so that a message about the file shows over it
  // as one after Open does.
  if (!ctx_.openOnStart.empty())
    QTimer::singleShot(0, this, [this, path = std::exchange(ctx_.openOnStart, {})] { ReadFileAndEnable(path); });
}

void Form2a::UpdateCommandsAndStatus() {
  EnableAnalysis(true);
  SetStatus(QString::fromStdString(s_.FileName), kStatusBlack);
}

void Form2a::EnableAnalysis(bool enable) {
  // A command whose window is not part of the program yet stays disabled.
  auto set = [&](QWidget* w, FormId target) { w->setEnabled(enable && ctx_.nav.Has(target)); };
  set(Command1, FormId::Form11);
  set(Command3, FormId::form50);
  set(Command4, FormId::Form16);
  set(Command81, FormId::For20);
  set(Command82, FormId::For21);
  set(Picture5, FormId::form50);
  set(Picture6, FormId::form50);
  set(Picture7, FormId::form50);
}

void Form2a::SetStatus(const QString& text, const QColor& color) {
  QPalette p = Text1->palette();
  p.setColor(QPalette::Text, color);
  Text1->setPalette(p);
  Text1->setText(text);
}

void Form2a::Hand(FormId target) {
  if (ctx_.nav.Has(target)) ctx_.nav.Show(target);
}

void Form2a::Command1_Click() {
  s_.SelectedPeriod = 1;
  Hand(FormId::Form11);
}

void Form2a::Command3_Click() {
  OpenGridView(FormId::form50, {9, 900, 53, 7, 1}, "Strukturna bilanca", "Common Size Balance Sheet");
}

void Form2a::Command4_Click() { Hand(FormId::Form16); }

void Form2a::Command7_Click() {
  s_.RatioCode = 1;
  OpenGridView(FormId::form8, {1, 100, 14, 7, 1}, "Opći podaci", "General Data");
}

void Form2a::Command81_Click() { Hand(FormId::For20); }
void Form2a::Command82_Click() { Hand(FormId::For21); }

void Form2a::OpenGridView(FormId target, const GridView& view, const char* titleHr, const char* titleEn) {
  s_.GridCols = view.cols;
  s_.GridRows = view.rows;
  s_.GridFixedCols = view.fixedCols;
  s_.GridFixedRows = 1;
  s_.ReportCode = view.code;
  if (s_.Language == kCroatian) s_.ReportTitle = titleHr;
  if (s_.Language == kEnglish) s_.ReportTitle = titleEn;
  s_.SectionBase = view.section;
  Hand(target);
}

void Form2a::Picture5_Click() {
  OpenGridView(FormId::form50, {1, 600, 45, 11, 10}, "Pokazatelji po Dun and Bradstreet-u",
               "Dun and Bradstreet Ratios");
}
void Form2a::Picture6_Click() {
  OpenGridView(FormId::form50, {2, 700, 31, 11, 10}, "Pokazatelji po Prentence Hall-u", "Prentice Hall Ratios");
}
void Form2a::Picture7_Click() {
  OpenGridView(FormId::form50, {3, 800, 48, 11, 10}, "Pokazatelji po Robert Morris-u", "Robert Morris Ratios");
}

// New: an empty workbook; it is not backed by a file until Save As.
void Form2a::Picture2_Click() {
  s_.NewDocFlag = kFlagOn;
  if (s_.Language == kCroatian) SetStatus("Spremite file prije obrade (Save As)", kStatusRed);
  if (s_.Language == kEnglish) SetStatus("Before you start data processing - Save As!", kStatusRed);
  BrisiDatoteku(s_);
  s_.ItemValues.Fill(0);
  s_.FileBacked = false;
  s_.FileEncoding = TextEncoding::Windows1250;
}

void Form2a::Picture9_Click() {
  std::string path = ctx_.dialogs.OpenFile(kWorkbookFilter, OpenDialogFolder(s_.FileName));
  if (path.empty()) return;
  ReadFileAndEnable(path);
}

bool Form2a::ReadFileAndEnable(const std::string& path) {
  const std::string previous = s_.FileName;
  s_.FileName = path;
  FileError e = CitajDatoteku(s_);
  if (!e.ok()) {
    s_.FileName = previous;
    ctx_.dialogs.Message(DescribeFileError(e, path, s_.Language), MsgIcon::Critical);
    return false;
  }
  s_.NewDocFlag = kFlagOff;
  s_.FileBacked = true;
  UpdateCommandsAndStatus();
  // Amounts that cannot be read count as 0; say so once, by row and period.
  const std::vector<UnreadableAmount> unreadable = FindUnreadableAmounts(s_);
  if (!unreadable.empty())
    ctx_.dialogs.Message(DescribeUnreadableAmounts(unreadable, s_, s_.Language), MsgIcon::Warning);
  return true;
}

void Form2a::Picture10_Click() {
  if (s_.NewDocFlag == kFlagOn) {
    if (s_.Language == kCroatian) ctx_.dialogs.Message(" Molim koristite SaveAs  !!!", MsgIcon::Information);
    if (s_.Language == kEnglish) ctx_.dialogs.Message(" Please use SaveAs  !!!", MsgIcon::Information);
    return;
  }
  // A workbook not backed by its own file gets a name first.
  if (s_.FileName.empty() || !s_.FileBacked) {
    SaveAsDialog();
    return;
  }
  SaveWorkbook(s_, ctx_.dialogs);
}

void Form2a::Picture11_Click() {
  // Ended without writing: the status line shows FileName, in its colour.
  if (!SaveAsDialog()) SetStatus(QString::fromStdString(s_.FileName), Text1->palette().color(QPalette::Text));
}

bool Form2a::SaveAsDialog() {
  if (!SaveWorkbookAs(s_, ctx_.dialogs)) return false;
  UpdateCommandsAndStatus();
  return true;
}

void Form2a::Picture8_Click() {
  bool yes = false;
  if (s_.Language == kEnglish)
    yes = ctx_.dialogs.AskYesNo("Do you want to save the changes you made?", MsgIcon::None);
  else
    yes = ctx_.dialogs.AskYesNo("Želite li snimiti datoteke?", MsgIcon::Question);
  // Yes, then a cancelled or failed save, goes back to the main window
  // instead of ending without the workbook saved.
  if (yes && !SaveAsOnExit()) return;
  CloseAllAndEnd();
}

bool Form2a::SaveAsOnExit() { return SaveWorkbookAs(s_, ctx_.dialogs); }

void Form2a::CloseAllAndEnd() { ctx_.nav.Quit(); }

void Form2a::CloseBox() { Picture8_Click(); }

void RegisterShellForms(Navigator& nav) {
  nav.Register(FormId::Form1, [](AppContext& c) { return std::make_unique<Form1>(c); });
  nav.Register(FormId::Form2a, [](AppContext& c) { return std::make_unique<Form2a>(c); });
}

}  // namespace morvadel
