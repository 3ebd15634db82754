#include "ratios/ratio_group_form.h"

#include <QFont>
#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>
#include <array>

#include "model/check.h"
#include "platform/fonts.h"
#include "platform/navigator.h"
#include "platform/window_frame.h"
#include "ratios/ratio_forms.h"

namespace morvadel {
namespace {

constexpr RatioButtonDef kLiquidity[] = {
    {"Command1", 0, "Koeficijent tekuće likvidnosti ", "Current Ratio", 11, false},
    {"Command2", 1, "Koeficijent ubrzane likvidnosti", "Quick Ratio", 12, false},
    {"Command14", 0, "Koeficijent trenutačne likvidnosti ", "Cash Ratio", 13, false},
    {"Command3", 2, "Koeficijent financijske stabilnosti ", "Index of Financial Stability", 14, false},
};

constexpr RatioButtonDef kLeverage[] = {
    {"Command1", 0, "Koeficijent zaduženosti", "Debt Ratio", 21, false},
    {"Command2", 1, "Koeficijent vlastitig financiranja", "Coefficient of Self-Financing", 22, false},
    {"Command3", 2, "Koeficijent financiranja", "Debt to Equity Ratio", 23, false},
    {"Command4", 3, "Pokriće troškova kamata ", "Times Interest Earned", 24, false},
    {"Command5", 4, "Faktor zaduženosti", "Debt Factor", 25, false},
    {"Command6", 1, "Stupanj pokrića (I)", "Liquidity Ratio(I)", 26, false},
    {"Command7", 2, "Stupanj pokrića (II)", "Liquidity Ratio(II)", 27, false},
};

constexpr RatioButtonDef kActivity[] = {
    {"Command2", 1, "Koeficijent obrtaja ukupnih sredstava", "Total Assets Turnover Ratio", 31, true},
    {"Command3", 2, "Koeficijent obrtaja obrtnih sredstava", "Working Capital Turnover", 32, true},
    {"Command4", 3, "Koeficijent obrtaja zaliha ", "Inventory Turnover Ratio", 33, true},
    {"Command5", 4, "Prosječno vrijeme obrta zaliha", "Inventory Processing Period", 34, false},
    {"Command39", 1, "Koeficijent obrtaja potraživanja", "Receivables Turnover Ratio", 35, true},
    {"Command36", 0, "Trajanje naplate u danima", "Receivables Collection Period", 36, false},
    {"Command37", 1, "Koeficijent obrta obveza", "Payables Turnover Ratio", 37, true},
    {"Command38", 2, "Trajanje plaćanja u danima", "Payables Payment Period", 38, false},
};

constexpr RatioButtonDef kProfitability[] = {
    {"Command2", 1, "Marža profita", "Profit Margin", 41, false},
    {"Command22", 0, "Marža profita (brutto)   ", "Pre-tax Profit Margin Ratio", 42, false},
    {"Command43", 0, "Operativna marža profita", "Operating Profit Margin", 43, false},
    {"Command3", 2, "Rentabilnost ukupnih sredstava - kapitala  ", "Return on Assets (Net)", 44, true},
    {"Command45", 1, "Rentabilnost ukupnih sredstava - (imovine) bruto ", "Return on Assets (Gross) - ROA", 45, true},
    {"Command4", 3, "Rentabilnost vlastitog kapitala ", "Return on Total Equity", 46, true},
};

constexpr RatioButtonDef kEfficiency[] = {
    {"Command2", 1, "Akumulativnost", "Capital-generating Ability", 51, true},
    {"Command3", 2, "Reproduktivna sposobnost", "Income-generating Capacity", 52, true},
    {"Command4", 3, "Ekonomičnost proizvodnje", "Production Efficiency", 53, false},
    {"Command5", 4, "Ekonomičnost poslovanja", "Bussiness Efficiency", 54, false},
    {"Command6", 0, "Ekonomičnost prodaje", "Sales Efficiency", 55, false},
    {"Command7", 1, "Ekonomičnost financiranja", "Efficiency of Financial Activities", 56, false},
    {"Command8", 2, "Ekonomičnost izvanrednih aktivnosti", "Efficiency of Extra Activities", 57, false},
};

const RatioGroupDef kGroups[] = {
    {FormId::Form11, 1, "Pokazatelji likvidnosti ", "Liquidity Ratios", false, kLiquidity},
    {FormId::Form12, 2, "Pokazatelji zaduženosti ", "Leverage Ratios", false, kLeverage},
    {FormId::Form13, 3, "Pokazatelji aktivnosti ", "Activity Ratios", true, kActivity},
    {FormId::Form14, 4, "Pokazatelji profitabilnosti ", "Profitability Ratios", true, kProfitability},
    {FormId::Form15, 5, "Pokazatelji ekonomičnosti", "Efficiency Ratios", true, kEfficiency},
};

struct GroupButtonDef {
  const char* captionHr;
  const char* captionEn;
};
constexpr GroupButtonDef kGroupButtons[5] = {
    {"Likvidnosti", "Liquidity"},         {"Zaduženosti", "Leverage"}, {"Aktivnosti", "Activity"},
    {"Profitabilnosti", "Profitability"}, {"Ekonomičnosti", "Efficiency"},
};

constexpr int kBodyWidth = 680;

// The decorative picture at the left of the ratio buttons: a small chart
// motif in a colour of its own for each group.
QPixmap GroupPicture(int16_t group, QSize size) {
  static const std::array<QColor, 5> colours = {QColor(0x2e, 0x7d, 0x32), QColor(0xc6, 0x28, 0x28),
                                                QColor(0x15, 0x65, 0xc0), QColor(0xef, 0x8f, 0x00),
                                                QColor(0x6a, 0x1b, 0x9a)};
  static const std::array<std::array<double, 5>, 5> heights = {{{0.35, 0.55, 0.45, 0.7, 0.85},
                                                                {0.85, 0.7, 0.6, 0.45, 0.35},
                                                                {0.5, 0.8, 0.4, 0.75, 0.55},
                                                                {0.3, 0.45, 0.6, 0.72, 0.9},
                                                                {0.6, 0.6, 0.7, 0.7, 0.8}}};
  const int g = (group >= 1 && group <= 5) ? group - 1 : 0;
  QPixmap pm(size);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  QRectF frame(1, 1, size.width() - 2, size.height() - 2);
  QLinearGradient bg(frame.topLeft(), frame.bottomLeft());
  bg.setColorAt(0, colours[g].lighter(185));
  bg.setColorAt(1, Qt::white);
  p.setPen(QPen(colours[g].darker(120), 1.5));
  p.setBrush(bg);
  p.drawRoundedRect(frame, 10, 10);
  const double left = frame.left() + 14, bottom = frame.bottom() - 16;
  const double width = frame.width() - 28, top = frame.top() + 18;
  const double slot = width / 5.0;
  p.setPen(Qt::NoPen);
  QPainterPath line;
  for (int i = 0; i < 5; ++i) {
    const double h = heights[g][i] * (bottom - top);
    QRectF bar(left + i * slot + slot * 0.18, bottom - h, slot * 0.64, h);
    p.setBrush(colours[g].lighter(100 + 12 * i));
    p.drawRect(bar);
    const QPointF top_centre(bar.center().x(), bar.top() - 6);
    if (i == 0) line.moveTo(top_centre);
    else line.lineTo(top_centre);
  }
  p.setPen(QPen(colours[g].darker(160), 2));
  p.setBrush(Qt::NoBrush);
  p.drawPath(line);
  p.drawLine(QPointF(left, bottom + 1), QPointF(left + width, bottom + 1));
  return pm;
}

}  // namespace

std::span<const RatioGroupDef> RatioGroups() { return kGroups; }

const RatioGroupDef& RatioGroupOf(FormId id) {
  for (const RatioGroupDef& g : kGroups)
    if (g.id == id) return g;
  MORVADEL_CHECK(false && "not a ratio-group window");
  return kGroups[0];
}

RatioGroupForm::RatioGroupForm(AppContext& ctx, const RatioGroupDef& def) : Form(ctx, def.id), def_(def) {
  const WindowFrame frame = BuildWindowFrame(this, QSize(kBodyWidth, 80), QMargins(24, 14, 24, 10), 10);
  Picture1 = frame.banner;
  QWidget* body = frame.body;
  QBoxLayout* bodyLayout = frame.bodyLayout;

  auto* middle = new QHBoxLayout;
  middle->setSpacing(22);
  Picture2 = new QLabel(body);
  Picture2->setPixmap(GroupPicture(def_.group, QSize(130, 170)));
  Picture2->setAlignment(Qt::AlignTop);
  middle->addWidget(Picture2, 0, Qt::AlignTop);

  auto* column = new QVBoxLayout;
  column->setSpacing(6);
  Label1 = new QLabel(QString::fromUtf8(def_.titleHr), body);
  Label1->setFont(TimesFont(15.75, true));
  column->addWidget(Label1);
  column->addSpacing(4);
  for (size_t i = 0; i < def_.buttons.size(); ++i) {
    const RatioButtonDef& b = def_.buttons[i];
    auto* button = new QPushButton(QString::fromUtf8(b.captionHr), body);
    button->setObjectName(b.name);
    button->setFont(TimesFont(9.75, false));
    button->setMinimumSize(380, 30);
    button->setCursor(Qt::PointingHandCursor);
    connect(button, &QPushButton::clicked, this, [this, i, idx = b.index] { RatioButton_Click(int(i), idx); });
    RatioButtons.push_back(button);
    column->addWidget(button);
  }
  column->addStretch();
  middle->addLayout(column, 1);
  bodyLayout->addLayout(middle);
  bodyLayout->addSpacing(6);

  Label2 = new QLabel("Pokazatelji:", body);
  Label2->setFont(TimesFont(12, true));
  bodyLayout->addWidget(Label2);

  auto* groups = new QHBoxLayout;
  groups->setSpacing(6);
  std::array<QPushButton**, 5> places = {&Command31, &Command32, &Command33, &Command34, &Command35};
  for (int16_t g = 1; g <= 5; ++g) {
    auto* button = new QPushButton(QString::fromUtf8(kGroupButtons[g - 1].captionHr), body);
    button->setObjectName(QString("Command3%1").arg(g));
    button->setMinimumHeight(30);
    button->setCursor(Qt::PointingHandCursor);
    connect(button, &QPushButton::clicked, this, [this, g] { GroupButton_Click(g); });
    *places[g - 1] = button;
    groups->addWidget(button);
  }
  groups->addSpacing(10);
  Pregled = new QPushButton("Pregled", body);
  Pregled->setMinimumHeight(30);
  Pregled->setCursor(Qt::PointingHandCursor);
  connect(Pregled, &QPushButton::clicked, this, &RatioGroupForm::Pregled_Click);
  groups->addWidget(Pregled);
  groups->addStretch();
  Picture5 = new PictureButton(IconKind::Back, body, 36);
  connect(Picture5, &QToolButton::clicked, this, &RatioGroupForm::Picture5_Click);
  groups->addWidget(Picture5);
  bodyLayout->addLayout(groups);

  Picture3 = AddBottomRule(this, frame.layout, kBodyWidth);
  // The banner and the rule are drawn for this width.
  setFixedWidth(kBodyWidth);
}

void RatioGroupForm::Form_Load() {
  // The main window opens the liquidity window without naming a group; this
  // is what makes the ratio window come back here.
  if (def_.id == FormId::Form11) s_.RatioGroup = 1;
  if (s_.Language == kEnglish) {
    Picture1->SetLanguage(kEnglish);
    for (size_t i = 0; i < def_.buttons.size(); ++i)
      RatioButtons[i]->setText(QString::fromUtf8(def_.buttons[i].captionEn));
    Label1->setText(QString::fromUtf8(def_.titleEn));
    Label2->setText("Ratios");
    for (int16_t g = 1; g <= 5; ++g) GroupButton(g)->setText(kGroupButtons[g - 1].captionEn);
    Pregled->setText("Overview");
  }
  GroupButton(def_.group)->setEnabled(false);
  Pregled->setEnabled(ctx_.nav.Has(FormId::Form3));
  if (def_.clearsAverageFlags) {
    s_.AverageMode = kFlagOff;
    s_.AverageOffered = kFlagOff;
  }
}

QPushButton* RatioGroupForm::GroupButton(int16_t group) const {
  switch (group) {
    case 1: return Command31;
    case 2: return Command32;
    case 3: return Command33;
    case 4: return Command34;
    default: return Command35;
  }
}

QPushButton* RatioGroupForm::RatioButton(const char* name) const {
  for (QPushButton* b : RatioButtons)
    if (b->objectName() == name) return b;
  return nullptr;
}

void RatioGroupForm::Pozovi_Unos2() { ctx_.nav.Show(FormId::Unos2); }

void RatioGroupForm::RatioButton_Click(int which, int16_t /*index*/) {
  const RatioButtonDef& b = def_.buttons[static_cast<size_t>(which)];
  s_.RatioCode = b.code;
  if (b.averages) EnableAverageOption(s_);
  Pozovi_Unos2();
}

void RatioGroupForm::GroupButton_Click(int16_t group) {
  s_.RatioGroup = group;
  if (group == def_.group) return;  // disabled; nothing to open
  ctx_.nav.Show(GroupWindow(group));
}

void RatioGroupForm::Picture5_Click() { ctx_.nav.Show(FormId::Form2a); }

void RatioGroupForm::Pregled_Click() {
  if (ctx_.nav.Has(FormId::Form3)) ctx_.nav.Show(FormId::Form3);
}

}  // namespace morvadel
