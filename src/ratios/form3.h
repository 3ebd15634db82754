#pragma once
// The ratio overview: the 32 ratios by group in five framed lists, in the
// current language. Read-only; its one action is the way back to the main
// window.
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>

#include "platform/form.h"
#include "platform/pictures.h"

namespace morvadel {

class Form3 : public Form {
  Q_OBJECT

 public:
  explicit Form3(AppContext& ctx);
  void Form_Load() override;
  void Picture4_Click();

  QLabel* Label1;
  BannerPicture* Picture1;
  RulePicture* Picture3;
  QGroupBox *Frame1, *Frame2, *Frame3, *Frame4, *Frame5;
  QListWidget *List1, *List2, *List3, *List4, *List5;
  PictureButton* Picture4;
};

}  // namespace morvadel
