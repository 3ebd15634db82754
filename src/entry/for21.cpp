#include "entry/for21.h"

#include <QButtonGroup>
#include <QGridLayout>

#include "model/conversion.h"
#include "model/labels.h"
#include "platform/window_frame.h"

namespace morvadel {

namespace {

constexpr int kBannerWidth = 520;
constexpr int kFirstBox = 6;

}  // namespace

For21::For21(AppContext& ctx) : RestateForm(ctx, FormId::For21, kInflationSuffix) {
  const WindowFrame frame = BuildWindowFrame(this, QSize(kBannerWidth, 80), QMargins(22, 12, 22, 14), 8);
  Picture2 = frame.banner;
  QWidget* body = frame.body;

  Label1 = TitleLabel(body, "Inflation Adjustment");
  frame.bodyLayout->addWidget(Label1);
  Picture3 = new QLabel(body);
  Picture3->setPixmap(Rule(QSize(kBannerWidth - 44, 3)));
  frame.bodyLayout->addWidget(Picture3);

  Label2 = new QLabel("Bazni period                     Postotak", body);
  frame.bodyLayout->addWidget(Label2);

  auto* periods = new QGridLayout;
  periods->setHorizontalSpacing(14);
  periods->setVerticalSpacing(6);
  auto* base = new QButtonGroup(this);
  for (int i = 0; i < 6; ++i) {
    Option1[static_cast<size_t>(i)] = new QRadioButton(RomanPeriod(i + 1), body);
    QLineEdit* box = new QLineEdit(body);
    box->setAlignment(Qt::AlignRight);
    box->setMaximumWidth(110);
    Posto1[static_cast<size_t>(kFirstBox + i)] = box;
    base->addButton(Option1[static_cast<size_t>(i)], i);
    periods->addWidget(Option1[static_cast<size_t>(i)], i, 0, Qt::AlignLeft);
    periods->addWidget(box, i, 1);
    connect(Option1[static_cast<size_t>(i)], &QRadioButton::toggled, this, [this, i](bool on) {
      if (on) Option1_Click(i);
    });
  }
  periods->setColumnMinimumWidth(0, 110);
  periods->setColumnStretch(2, 1);
  frame.bodyLayout->addLayout(periods);

  auto* file = new QGridLayout;
  file->setHorizontalSpacing(14);
  AddFileNameRow(body, file, 0);
  file->setColumnStretch(1, 1);
  frame.bodyLayout->addSpacing(8);
  frame.bodyLayout->addLayout(file);
  AddButtons(body, frame.bodyLayout);

  // Enter walks through the percentages, then the file name.
  QWidget* previous = Posto1[kFirstBox];
  for (int i = 1; i < 6; ++i) {
    QWidget::setTabOrder(previous, Posto1[static_cast<size_t>(kFirstBox + i)]);
    previous = Posto1[static_cast<size_t>(kFirstBox + i)];
  }
  QWidget::setTabOrder(previous, Text3);
  QWidget::setTabOrder(Text3, Option1[0]);

  connect(Command2, &QToolButton::clicked, this, &For21::Command2_Click);
}

void For21::Form_Load() {
  if (s_.Language == kEnglish) {
    Picture2->SetLanguage(kEnglish);
    Label2->setText("Base Period                    Percentage");
  }
  for (int i = 0; i < 6; ++i) {
    QLineEdit* box = Posto1[static_cast<size_t>(kFirstBox + i)];
    box->setText("100");
    box->selectAll();
  }
  LoadFileName();
  Option1[0]->setChecked(true);
  Text3->selectAll();
  Posto1[kFirstBox + 1]->setFocus(Qt::OtherFocusReason);
}

void For21::Option1_Click(int index) {
  if (index < 0 || index > 5) return;
  for (int i = 0; i < 6; ++i) Posto1[static_cast<size_t>(kFirstBox + i)]->setEnabled(true);
  if (!Option1[static_cast<size_t>(index)]->isChecked()) return;
  QLineEdit* box = Posto1[static_cast<size_t>(kFirstBox + index)];
  box->setEnabled(false);
  box->setText("100");
}

void For21::Command2_Click() {
  Percentages percent{};
  for (int i = 0; i < 6; ++i) {
    QLineEdit* box = Posto1[static_cast<size_t>(kFirstBox + i)];
    const std::string text = box->text().toStdString();
    const auto p = ReadPercentage(text, s_);
    if (!p) return RefuseField(DescribeBadPercentage(text, i + 1, s_.Language, PercentageTooLarge(text, s_)), box);
    percent[static_cast<size_t>(i)] = *p;
  }
  const auto path = TypedFile();
  if (!path) return;
  const Restatement adjusted = Racunaj(percent);
  if (!adjusted.error.ok()) return Refuse(DescribeRestateError(adjusted.error, s_, s_.Language));
  if (!MayTake(*path)) return;

  ApplyRestatement(s_, adjusted);
  Finish(*path);
}

Restatement For21::Racunaj(const Percentages& percent) const { return AdjustedSummary(s_, percent); }

}  // namespace morvadel
