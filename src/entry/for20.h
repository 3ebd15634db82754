#pragma once
// The currency-conversion window: the summary values of the workbook into
// another currency at a typed rate, under a new currency name and a new
// file name that the next Save writes.
#include <QLabel>
#include <QLineEdit>

#include "entry/restate_form.h"
#include "model/conversion.h"

namespace morvadel {

class For20 : public RestateForm {
  Q_OBJECT

 public:
  explicit For20(AppContext& ctx);
  void Form_Load() override;

  // Every character typed or pasted into the new currency name becomes a
  // capital.
  void Text1_KeyPress();
  // OK: the rate, the file name and every summary cell are checked before
  // anything changes; then the currency, the rate, the converted summary
  // and the file name are taken, and the main window shows again.
  void Command2_Click();
  // The conversion: the summary rows at the rate, computed without changing
  // the workbook; OK takes it once every check has passed.
  Restatement Racunaj(Currency rate) const;

  BannerPicture* Picture2;  // banner
  QLabel* Picture3;  // rule
  QLabel *Label1, *Label2, *Label3;
  QLineEdit* Ime1;   // the current currency name
  QLineEdit* Text1;  // the new currency name
  QLineEdit* Text2;  // the exchange rate
};

}  // namespace morvadel
