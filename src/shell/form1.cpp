#include "shell/form1.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLibraryInfo>
#include <QTranslator>
#include <QVBoxLayout>

#include "model/labels.h"
#include "platform/navigator.h"

namespace morvadel {

Form1::Form1(AppContext& ctx) : Form(ctx, FormId::Form1) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 16);
  Picture1 = new BannerPicture(kEnglish, QSize(620, 90), this);
  layout->addWidget(Picture1);
  auto* prompt = new QLabel("Odaberite jezik  ·  Choose the language", this);
  prompt->setAlignment(Qt::AlignCenter);
  layout->addSpacing(12);
  layout->addWidget(prompt);
  auto* row = new QHBoxLayout;
  Picture6 = new PictureButton(IconKind::Croatian, this, 72);
  Picture4 = new PictureButton(IconKind::English, this, 72);
  row->addStretch();
  row->addWidget(Picture6);
  row->addSpacing(40);
  row->addWidget(Picture4);
  row->addStretch();
  layout->addLayout(row);
  connect(Picture6, &QToolButton::clicked, this, &Form1::Picture6_Click);
  connect(Picture4, &QToolButton::clicked, this, &Form1::Picture4_Click);
}

void Form1::Form_Load() {
  Picture6->setToolTip(" Program na hrvatskom jezku ");
  Picture4->setToolTip(" Enter ");
}

void Form1::Picture6_Click() {
  s_.Language = kCroatian;
  FillSummaryLabelsHr(s_);
  InstallQtTranslation(kCroatian);
  ctx_.nav.Show(FormId::Form2a);
}

void Form1::Picture4_Click() {
  s_.Language = kEnglish;
  FillSummaryLabelsEn(s_);
  InstallQtTranslation(kEnglish);
  ctx_.nav.Show(FormId::Form2a);
}

// Closing the language choice ends the program: there is nothing to save.
void Form1::CloseBox() { ctx_.nav.Quit(); }

void InstallQtTranslation(int16_t language) {
  if (language != kCroatian || !QCoreApplication::instance()) return;
  static QTranslator* translator = nullptr;
  if (translator) return;
  translator = new QTranslator(QCoreApplication::instance());
  if (translator->load("qtbase_hr", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(translator);
}

}  // namespace morvadel
