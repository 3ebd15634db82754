#pragma once
// The start-up window: the choice of the language for the run.
#include <QLabel>

#include "platform/form.h"
#include "platform/pictures.h"

namespace morvadel {

class Form1 : public Form {
  Q_OBJECT

 public:
  explicit Form1(AppContext& ctx);
  void Form_Load() override;

  void Picture6_Click();  // Croatian
  void Picture4_Click();  // English

  BannerPicture* Picture1;   // banner
  PictureButton* Picture6;   // Croatian
  PictureButton* Picture4;   // English

 protected:
  void CloseBox() override;
};

// Makes Qt's own dialog texts (file dialogs, message-box buttons) speak the
// chosen language.
void InstallQtTranslation(int16_t language);

}  // namespace morvadel
