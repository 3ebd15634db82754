#include "entry/for7.h"

#include "platform/workbook_save.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>

#include "entry/form8.h"
#include "model/recalc.h"
#include "model/workbook_file.h"
#include "platform/dialogs.h"
#include "platform/navigator.h"
#include "platform/window_frame.h"

namespace morvadel {

namespace {

constexpr int kHeadRowTwips = 250;
constexpr int kLabelColTwips = 2350;
constexpr int kValueColTwips = 4000;
constexpr int kDefaultRowTwips = 240;
constexpr int kBannerWidth = 560;

void FillCompanyLabels(CompanyBlock& company, const char* const (&texts)[6]) {
  company(0, 1) = Cell::Text(texts[0]);
  for (int k = 1; k <= 5; ++k) company(k, 0) = Cell::Text(texts[k]);
}

}  // namespace

void FillCompanyLabelsHr(CompanyBlock& company) {
  static const char* const kTexts[6] = {"Ova analiza opisuje financije za:", "Poduzeće (Korisnik)",
                                        "Adresa linija 1.",                  "Adresa linija 2.",
                                        "Poštanski broj",                    "Grad"};
  FillCompanyLabels(company, kTexts);
}

void FillCompanyLabelsEn(CompanyBlock& company) {
  static const char* const kTexts[6] = {"This analysis describes finances for:",
                                        "Company name (Name)",
                                        "Business Address",
                                        "Address Line 2",
                                        "Zip Code",
                                        "City"};
  FillCompanyLabels(company, kTexts);
}

For7::For7(AppContext& ctx) : Form(ctx, FormId::for7) {
  const WindowFrame frame = BuildWindowFrame(this, QSize(kBannerWidth, 80), QMargins(22, 12, 22, 16), 8);
  Picture4 = frame.banner;
  QWidget* body = frame.body;
  QBoxLayout* bodyLayout = frame.bodyLayout;

  Label3 = TitleLabel(body);
  bodyLayout->addWidget(Label3);

  Picture3 = new QLabel(body);
  Picture3->setPixmap(Rule(QSize(kBannerWidth - 44, 3)));
  bodyLayout->addWidget(Picture3);

  Tablica = new Grid(body);
  Tablica->setObjectName("Tablica");
  Tablica->setFixedSize(GridWidthPx(Tablica, kLabelColTwips + kValueColTwips, false) + 1,
                        GridHeightPx(Tablica, kHeadRowTwips + 5 * kDefaultRowTwips) + 1);
  bodyLayout->addWidget(Tablica, 0, Qt::AlignLeft);

  edit_ = new CellEditFamily(Tablica, this);
  edit_->WatchBackground(body);
  tekst = edit_->tekst;

  auto* fields = new QGridLayout;
  fields->setHorizontalSpacing(12);
  fields->setVerticalSpacing(8);
  Label1 = new QLabel("Valuta", body);
  Ime1 = new QLineEdit(body);
  Ime1->setMaximumWidth(200);
  Label2 = new QLabel("Unos u", body);
  Option1[0] = new QRadioButton("           1.000", body);
  Option1[1] = new QRadioButton("    1,000.000", body);
  auto* units = new QButtonGroup(this);
  units->addButton(Option1[0], 0);
  units->addButton(Option1[1], 1);
  auto* unitRow = new QHBoxLayout;
  unitRow->addWidget(Option1[0]);
  unitRow->addSpacing(16);
  unitRow->addWidget(Option1[1]);
  unitRow->addStretch();
  fields->addWidget(Label1, 0, 0);
  fields->addWidget(Ime1, 0, 1, Qt::AlignLeft);
  fields->addWidget(Label2, 1, 0);
  fields->addLayout(unitRow, 1, 1);
  fields->setColumnStretch(1, 1);
  bodyLayout->addSpacing(6);
  bodyLayout->addLayout(fields);

  Check1 = new QCheckBox(body);
  bodyLayout->addWidget(Check1);

  auto* commands = new QHBoxLayout;
  Command1 = new QPushButton(body);
  Command1->setMinimumSize(140, 34);
  Command1->setCursor(Qt::PointingHandCursor);
  Picture1 = new PictureButton(IconKind::Continue, body);
  commands->addWidget(Command1);
  commands->addStretch();
  commands->addWidget(Picture1);
  bodyLayout->addSpacing(6);
  bodyLayout->addLayout(commands);

  // The design's captions.
  Label3->setText("Osnove");
  Command1->setText("Opći podaci");
  Check1->setText("   Ispiši ime poduzeća na stranicama izvještaja");

  // The currency name is stored in the workbook file.
  GuardLineEdit(Ime1, &StorableCharacter);
  Ime1->installEventFilter(this);

  connect(Option1[0], &QRadioButton::toggled, this, [this](bool on) {
    if (on) Option1_Click(0);
  });
  connect(Option1[1], &QRadioButton::toggled, this, [this](bool on) {
    if (on) Option1_Click(1);
  });
  connect(Command1, &QPushButton::clicked, this, &For7::Command1_Click);
  connect(Picture1, &QToolButton::clicked, this, &For7::Picture1_Click);
}

void For7::Form_Load() {
  const bool hr = s_.Language == kCroatian, en = s_.Language == kEnglish;
  if (hr) {
    Label3->setText("Osnove");
    Command1->setText("Opći podaci");
    Check1->setText("   Ispiši ime poduzeća na stranicama izvještaja");
  }
  if (en) {
    Picture4->SetLanguage(kEnglish);
    Picture1->setToolTip(" Continue ");
    Check1->setText("   Display the company name on the reporting sheets");
    Command1->setText("General Data");
    Label3->setText("About");
    Label1->setText("Currency");
    Label2->setText("Values");
    Option1[0]->setText("       1,000x");
    Option1[1]->setText("1,000,000x");
  }

  Ime1->setText(QString::fromStdString(s_.CurrencyName));
  if (s_.UnitIndex == 0 || s_.UnitIndex == 1) Option1[s_.UnitIndex]->setChecked(true);
  Ime1->setSelection(0, static_cast<int>(Ime1->text().size()));
  Check1->setChecked(s_.ShowCompany == 1);

  Tablica->SetCols(2);
  Tablica->SetRows(6);
  Tablica->SetFixedCols(1);
  Tablica->SetFixedRows(1);
  Tablica->SetRowHeight(0, kHeadRowTwips);
  Tablica->SetColWidth(0, kLabelColTwips);
  Tablica->SetColWidth(1, kValueColTwips);

  if (hr) FillCompanyLabelsHr(s_.Company);
  if (en) FillCompanyLabelsEn(s_.Company);
  Napuni_Tablicu(s_.Company);

  edit_->SetKeyRouting(CellEditFamily::TextEditOnEveryRow());
  edit_->SetKeyFilter(&GeneralDataKeyPasses);
  edit_->SetWriteBack([this] { StoreWindow(); });
  edit_->SetUpEditor();
  Tablica->setFocus(Qt::OtherFocusReason);
}

void For7::Napuni_Tablicu(const CompanyBlock& firma1) {
  for (int r = 0; r <= 5; ++r)
    for (int c = 0; c <= 1; ++c) Tablica->SetTextMatrix(r, c, QString::fromStdString(CellText(firma1(r, c))));
}

void For7::Ime1_Click() { Ime1->setSelection(0, static_cast<int>(Ime1->text().size())); }

void For7::Option1_Click(int index) {
  if (index < 0 || index > 1 || !Option1[index]->isChecked()) return;
  s_.UnitIndex = static_cast<int16_t>(index);
  ApplyUnitText(s_);
}

void For7::StoreWindow() {
  for (int r = 0; r <= 5; ++r)
    for (int c = 0; c <= 1; ++c) s_.Company(r, c) = Cell::Text(Tablica->TextMatrix(r, c).toStdString());
  s_.ShowCompany = Check1->isChecked() ? 1 : 0;
  s_.CurrencyName = Ime1->text().toStdString();
}

void For7::Command1_Click() {
  edit_->CommitAndWriteBack();
  SetStatementSheetSettings(s_, 1);
  if (s_.Language == kCroatian) s_.ReportTitle = SheetOf(1).titleHr;
  if (s_.Language == kEnglish) s_.ReportTitle = SheetOf(1).titleEn;
  ctx_.nav.Show(FormId::form8);
}

void For7::Picture1_Click() {
  edit_->CommitAndWriteBack();
  const RecalcError e = RecalculateStatements(s_);
  if (!e.ok()) {
    ctx_.dialogs.Message(DescribeRecalcError(e, s_, s_.Language), MsgIcon::Critical);
    return;
  }
  if (!SaveWorkbook(s_, ctx_.dialogs)) return;
  ctx_.nav.Show(FormId::Form2a);
}

void For7::CloseBox() {
  edit_->CommitAndWriteBack();
  ctx_.nav.Show(FormId::Form2a);
}

bool For7::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Ime1 && event->type() == QEvent::MouseButtonRelease && static_cast<QWidget*>(watched)->isEnabled())
    Ime1_Click();
  return Form::eventFilter(watched, event);
}

}  // namespace morvadel
