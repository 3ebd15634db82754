#pragma once
// The five ratio-group windows Form11..Form15: one class, driven by a table
// of the groups. Each shows its ratios as a column of buttons, the five group
// buttons, a way to the ratio overview and a back arrow to the main window.
#include <QLabel>
#include <QPushButton>
#include <cstdint>
#include <span>
#include <vector>

#include "platform/form.h"
#include "platform/pictures.h"

namespace morvadel {

// One ratio button: its designer name and array index (the handler ignores
// the index), its captions (the buttons' own texts, which differ from the
// catalogue names in places), the ratio it opens and whether it offers the
// real/average toggle.
struct RatioButtonDef {
  const char* name;
  int16_t index;
  const char* captionHr;
  const char* captionEn;
  int16_t code;
  bool averages;
};

struct RatioGroupDef {
  FormId id;
  int16_t group;  // RatioGroup
  const char* titleHr;
  const char* titleEn;
  bool clearsAverageFlags;  // Form13..Form15 clear AverageMode and AverageOffered on load
  std::span<const RatioButtonDef> buttons;
};

// The five groups in group order.
std::span<const RatioGroupDef> RatioGroups();
// The group of a window; checked.
const RatioGroupDef& RatioGroupOf(FormId id);

class RatioGroupForm : public Form {
  Q_OBJECT

 public:
  RatioGroupForm(AppContext& ctx, const RatioGroupDef& def);
  void Form_Load() override;

  const RatioGroupDef& def() const { return def_; }

  // Unloads this window and shows the ratio window.
  void Pozovi_Unos2();
  // The ratio button at position `which` of the table (index as the array
  // index of the design, not used).
  void RatioButton_Click(int which, int16_t index);
  // Command31..Command35.
  void GroupButton_Click(int16_t group);
  void Picture5_Click();
  void Pregled_Click();

  // The ratio button of a designer name ("Command14"); nullptr if none.
  QPushButton* RatioButton(const char* name) const;

  BannerPicture* Picture1;
  QLabel* Picture2;
  RulePicture* Picture3;
  QLabel *Label1, *Label2;
  std::vector<QPushButton*> RatioButtons;  // in table order, top to bottom
  QPushButton *Command31, *Command32, *Command33, *Command34, *Command35;
  QPushButton* Pregled;  // the ratio overview
  PictureButton* Picture5;

 private:
  QPushButton* GroupButton(int16_t group) const;

  const RatioGroupDef& def_;
};

}  // namespace morvadel
