#include "entry/for20.h"

#include <QGridLayout>
#include <algorithm>

#include "entry/cell_editor.h"
#include "model/conversion.h"
#include "platform/window_frame.h"

namespace morvadel {

namespace {

constexpr int kBannerWidth = 520;

}  // namespace

For20::For20(AppContext& ctx) : RestateForm(ctx, FormId::For20, kConversionSuffix) {
  const WindowFrame frame = BuildWindowFrame(this, QSize(kBannerWidth, 80), QMargins(22, 14, 22, 14), 8);
  Picture2 = frame.banner;
  QWidget* body = frame.body;

  Picture3 = new QLabel(body);
  Picture3->setPixmap(Rule(QSize(kBannerWidth - 44, 3)));
  frame.bodyLayout->addWidget(Picture3);

  auto* fields = new QGridLayout;
  fields->setHorizontalSpacing(14);
  fields->setVerticalSpacing(10);
  Label1 = new QLabel("Iz valute", body);
  Ime1 = new QLineEdit(body);
  // Shows the workbook's currency; the new one is typed below.
  Ime1->setReadOnly(true);
  Ime1->setFocusPolicy(Qt::NoFocus);
  Label2 = new QLabel("konvertirati u valutu", body);
  Text1 = new QLineEdit(body);
  Label3 = new QLabel("po tečaju za 1", body);
  Text2 = new QLineEdit(body);
  Text2->setAlignment(Qt::AlignRight);
  fields->addWidget(Label1, 0, 0);
  fields->addWidget(Ime1, 0, 1);
  fields->addWidget(Label2, 1, 0);
  fields->addWidget(Text1, 1, 1);
  fields->addWidget(Label3, 2, 0);
  fields->addWidget(Text2, 2, 1);
  AddFileNameRow(body, fields, 3);
  fields->setColumnStretch(1, 1);
  frame.bodyLayout->addSpacing(4);
  frame.bodyLayout->addLayout(fields);
  AddButtons(body, frame.bodyLayout);

  // The currency name is stored in the workbook file.
  GuardLineEdit(Text1, &StorableCharacter);
  connect(Text1, &QLineEdit::textEdited, this, &For20::Text1_KeyPress);
  connect(Command2, &QToolButton::clicked, this, &For20::Command2_Click);
}

void For20::Form_Load() {
  if (s_.Language == kEnglish) {
    Picture2->SetLanguage(kEnglish);
    Label1->setText("Original currency");
    Label2->setText("Converted currency");
    Label3->setText("Exchange rate per unit");
  }
  const QString currency = QString::fromStdString(s_.CurrencyName);
  Ime1->setText(currency);
  Text1->setText(currency);
  Text2->setText(QString::fromStdString(DefaultRateText(s_.DecimalMark)));
  LoadFileName();
  Text1->selectAll();
  Text2->selectAll();
  Text1->setFocus(Qt::OtherFocusReason);
}

void For20::Text1_KeyPress() {
  // Reads the box itself: the quote guard may have changed it already.
  const QString text = Text1->text();
  const QString upper = text.toUpper();
  if (upper == text) return;
  const int cursor = Text1->cursorPosition();
  Text1->setText(upper);
  Text1->setCursorPosition(std::min(cursor + static_cast<int>(upper.size() - text.size()), static_cast<int>(upper.size())));
}

void For20::Command2_Click() {
  const std::string rateText = Text2->text().toStdString();
  const auto rate = ReadExchangeRate(rateText, s_);
  if (!rate) return RefuseField(DescribeBadRate(rateText, s_.Language, RateRefusal(rateText, s_), s_.DecimalMark), Text2);
  const auto path = TypedFile();
  if (!path) return;
  const Restatement converted = Racunaj(*rate);
  if (!converted.error.ok()) return Refuse(DescribeRestateError(converted.error, s_, s_.Language));
  if (!MayTake(*path)) return;

  s_.CurrencyName = Text1->text().toStdString();
  s_.ExchangeRate = *rate;
  ApplyRestatement(s_, converted);
  Finish(*path);
}

Restatement For20::Racunaj(Currency rate) const { return ConvertedSummary(s_, rate); }

}  // namespace morvadel
