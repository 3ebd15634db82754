#pragma once
// The general-data window: the company block, the currency name, the unit
// of the amounts and whether reports show the company lines.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "entry/cell_editor.h"
#include "model/shared_state.h"
#include "platform/form.h"
#include "platform/grid.h"
#include "platform/pictures.h"

namespace morvadel {

using CompanyBlock = Table<Cell, 6, 3>;


// The heading (0, 1) and the five labels (1..5, 0) of the company block in
// one language; nothing else is touched.
void FillCompanyLabelsHr(CompanyBlock& company);
void FillCompanyLabelsEn(CompanyBlock& company);

class For7 : public Form {
  Q_OBJECT

 public:
  explicit For7(AppContext& ctx);
  void Form_Load() override;

  // Grid cell (r, c) := firma1(r, c) for r = 0..5, c = 0..1.
  void Napuni_Tablicu(const CompanyBlock& firma1);

  void Ime1_Click();
  void Option1_Click(int index);
  void Command1_Click();  // "General Data": back to the statement entry
  void Picture1_Click();  // "Continue": store, recalculate, save, main window

  CellEditFamily* Family() { return edit_; }

  BannerPicture* Picture4;  // banner
  QLabel* Label3;    // window title
  QLabel* Picture3;  // rule
  Grid* Tablica;
  QLineEdit* tekst;  // the cell editor
  QLabel* Label1;    // "Valuta"
  QLineEdit* Ime1;   // the currency name
  QLabel* Label2;    // "Unos u"
  QRadioButton* Option1[2];
  QCheckBox* Check1;
  QPushButton* Command1;
  PictureButton* Picture1;

 protected:
  // The close box stores the window and goes back to the main window.
  void CloseBox() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void StoreWindow();
  // Writes the workbook file, asking for a name first while the workbook
  // has no file of its own; false when cancelled or failed.

  CellEditFamily* edit_;
};

}  // namespace morvadel
