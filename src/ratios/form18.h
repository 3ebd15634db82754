#pragma once
// The help pages of the ratio window: the explanation of the ratio in
// RatioCode, or of average values (RatioCode 1001), in the current language.
#include <QLabel>
#include <QTextEdit>

#include "platform/form.h"
#include "platform/pictures.h"

namespace morvadel {

class Form18 : public Form {
  Q_OBJECT

 public:
  explicit Form18(AppContext& ctx);
  void Form_Load() override;
  // Back to the ratio window, on the ratio it was showing.
  void Picture2_Click();

  BannerPicture* Picture1;
  RulePicture* Picture3;
  QTextEdit* Text1;  // the page: read-only, its title and headings set off
  PictureButton* Picture2;

 protected:
  void CloseBox() override;

 private:
  void StyleHeadings(const std::string& page);
};

}  // namespace morvadel
