#pragma once
// The inflation-adjustment window: the summary values of the workbook
// restated by a percentage per period against a base period held at 100,
// under a new file name that the next Save writes.
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <array>

#include "entry/restate_form.h"
#include "model/conversion.h"

namespace morvadel {

class For21 : public RestateForm {
  Q_OBJECT

 public:
  explicit For21(AppContext& ctx);
  void Form_Load() override;

  // Every percentage box is enabled, then the base period's box is locked
  // at "100".
  void Option1_Click(int index);
  // OK: the six percentages, the file name and every summary cell are
  // checked before anything changes; then the adjusted summary and the file
  // name are taken, and the main window shows again.
  void Command2_Click();
  // The adjustment: the summary rows by each period's percentage, computed
  // without changing the workbook; OK takes it once every check has passed.
  Restatement Racunaj(const Percentages& percent) const;

  BannerPicture* Picture2;  // banner
  QLabel* Picture3;  // rule
  QLabel* Label1;    // title
  QLabel* Label2;    // column heading
  std::array<QRadioButton*, 6> Option1{};  // base period I..VI
  // Percentages of periods I..VI at indexes 6..11; 0..5 are not used.
  std::array<QLineEdit*, 12> Posto1{};
};

}  // namespace morvadel
