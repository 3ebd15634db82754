#include "ratios/form3.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "platform/navigator.h"
#include "platform/window_frame.h"

namespace morvadel {
namespace {

struct Item {
  const char* hr;
  const char* en;
};

// List1: the English list names the financial stability before the cash
// ratio, so it has a column of its own.
constexpr const char* kLiquidityHr[] = {"Koeficijent tekuće likvidnosti", "Koeficijent ubrzane likvidnosti",
                                        "Koeficijent trenutačne likvidnosti",
                                        "Koeficijent financijske stabilnosti"};
constexpr const char* kLiquidityEn[] = {"Current Ratio", "Quick Ratio", "Index of Financial Stability",
                                        "Cash Ratio"};

constexpr Item kLeverage[] = {
    {"Koeficijent zaduženosti", "Debt Ratio"},
    {"Koeficijent vlastitig financiranja", "Coefficient of Self-Financing"},
    {"Koeficijent financiranja", "Debt to Equity Ratio"},
    {"Pokriće troškova kamata", "Times Interest Earned"},
    {"Faktor zaduženosti", "Debt Factor"},
    {"Stupanj pokrića(i)", "Liquidity Ratio(I)"},
    {"Stupanj pokrića(II)", "Liquidity Ratio(II)"},
};
constexpr Item kActivity[] = {
    {"Koeficijent obrtaja ukupnih sredstava", "Total Assets Turnover Ratio"},
    {"Koeficijent obrtaja obrtnih sredstava", "Working Capital Turnover"},
    {"Koeficijent obrtaja zaliha", "Inventory Turnover Ratio"},
    {"Prosječno vrijeme obrta zaliha", "Inventory Processing Period"},
    {"Koeficijent obrtaja potraživanja", "Receivables Turnover Ratio"},
    {"Trajanje naplate u danima", "Receivables Collection Period"},
    {"Koeficijent obrta obveza", "Payables Turnover Ratio"},
    {"Trajanje plaćanja u danima", "Payables Payment Period"},
};
constexpr Item kProfitability[] = {
    {"Marža profita", "Profit Margin"},
    {"Marža profita(brutto)", "Pre-tax Profit Margin Ratio"},
    {"Operativna marža profita", "Operating Profit Margin"},
    {"Rentabilnost ukupnih sredstava - kapitala", "Return on Assets (Net)"},
    {"Rentabilnost ukupnih sredstava - (imovine) bruto", "Return on Assets (Gross) - ROA"},
    {"Rentabilnost vlastitog kapitala", "Return on Total Equity"},
};
constexpr Item kEfficiency[] = {
    {"Akumulativnost", "Capital-generating Ability"},
    {"Reproduktivna sposobnost", "Income-generating Capacity"},
    {"Ekonomičnost proizvodnje", "Production Efficiency"},
    {"Ekonomičnost poslovanja", "Bussiness Efficiency"},
    {"Ekonomičnost prodaje", "Sales Efficiency"},
    {"Ekonomičnost financiranja", "Efficiency of Financial Activities"},
    {"Ekonomičnost izvanrednih aktivnosti", "Efficiency of Extra Activities"},
};

constexpr int kWidth = 720;

// Every item in view without scrolling: the design's number of rows.
void FitHeight(QListWidget* list) {
  const int rows = list->property("designRows").toInt();
  const int row = (list->count() > 0 ? list->sizeHintForRow(0) : list->fontMetrics().height() + 2) +
                  2 * list->spacing();
  list->setFixedHeight(rows * row + 2 * list->frameWidth() + 6);
}

QListWidget* MakeList(QGroupBox* frame, int rows) {
  auto* layout = new QVBoxLayout(frame);
  layout->setContentsMargins(8, 6, 8, 8);
  auto* list = new QListWidget(frame);
  list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list->setSpacing(1);
  list->setProperty("designRows", rows);
  FitHeight(list);
  layout->addWidget(list);
  layout->addStretch();
  return list;
}

template <size_t N>
void Fill(QListWidget* list, const Item (&items)[N], bool english) {
  for (const Item& i : items) list->addItem(QString::fromUtf8(english ? i.en : i.hr));
}

}  // namespace

Form3::Form3(AppContext& ctx) : Form(ctx, FormId::Form3) {
  const WindowFrame frame = BuildWindowFrame(this, QSize(kWidth, 80), QMargins(20, 12, 20, 8), 10);
  Picture1 = frame.banner;
  QWidget* body = frame.body;
  QBoxLayout* bodyLayout = frame.bodyLayout;

  Label1 = TitleLabel(body, "Financijski pokazatelji", 14);
  bodyLayout->addWidget(Label1);

  Frame1 = new QGroupBox("Likvidnost", body);
  Frame2 = new QGroupBox("Zaduženost", body);
  Frame3 = new QGroupBox("Aktivnost", body);
  Frame4 = new QGroupBox("Profitabilnost", body);
  Frame5 = new QGroupBox("Ekonomičnost", body);
  List1 = MakeList(Frame1, 4);
  List2 = MakeList(Frame2, 7);
  List3 = MakeList(Frame3, 8);
  List4 = MakeList(Frame4, 6);
  List5 = MakeList(Frame5, 7);
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(14);
  grid->setVerticalSpacing(8);
  grid->addWidget(Frame1, 0, 0);
  grid->addWidget(Frame2, 0, 1);
  grid->addWidget(Frame3, 1, 0);
  grid->addWidget(Frame4, 1, 1);
  grid->addWidget(Frame5, 2, 0);
  grid->setColumnStretch(0, 1);
  grid->setColumnStretch(1, 1);
  bodyLayout->addLayout(grid);

  auto* bottom = new QHBoxLayout;
  bottom->addStretch();
  Picture4 = new PictureButton(IconKind::Back, body, 36);
  connect(Picture4, &QToolButton::clicked, this, &Form3::Picture4_Click);
  bottom->addWidget(Picture4);
  bodyLayout->addLayout(bottom);

  Picture3 = AddBottomRule(this, frame.layout, kWidth);
  // The banner and the rule are drawn for this width.
  setFixedWidth(kWidth);
}

void Form3::Form_Load() {
  if (s_.Language == kCroatian) {
    Frame1->setTitle("Likvidnost");
    Frame2->setTitle("Zaduženost");
    Frame3->setTitle("Aktivnost");
    Frame4->setTitle("Profitabilnost");
    Frame5->setTitle("Ekonomičnost");
    for (const char* t : kLiquidityHr) List1->addItem(QString::fromUtf8(t));
  }
  if (s_.Language == kEnglish) {
    Picture1->SetLanguage(kEnglish);
    Label1->setText("Financial Ratios");
    Frame1->setTitle("Liquidity");
    Frame2->setTitle("Leverage");
    Frame3->setTitle("Activity");
    Frame4->setTitle("Profitability");
    Frame5->setTitle("Efficiency");
    for (const char* t : kLiquidityEn) List1->addItem(QString::fromUtf8(t));
  }
  if (s_.Language == kCroatian || s_.Language == kEnglish) {
    const bool english = s_.Language == kEnglish;
    Fill(List2, kLeverage, english);
    Fill(List3, kActivity, english);
    Fill(List4, kProfitability, english);
    Fill(List5, kEfficiency, english);
  }
  for (QListWidget* list : {List1, List2, List3, List4, List5}) FitHeight(list);
}

void Form3::Picture4_Click() { ctx_.nav.Show(FormId::Form2a); }

}  // namespace morvadel
