#pragma once
// Help on the industry-ratio sources: where the figures of the current
// industry comparison come from (ReportCode 1 Dun and Bradstreet,
// 2 Prentice Hall, 3 Robert Morris), with the source's picture. Its only
// button leads back to the main window.
#include <QLabel>
#include <QTextEdit>
#include <string>

#include "platform/form.h"
#include "platform/pictures.h"

namespace morvadel {

// The help text of a source in a language (1 Croatian, 2 English): a blank
// and a line break, then the paragraphs, each indented and ended by CR LF
// except the last. Empty for any other source or language.
std::string IndustrySourceHelpText(int reportCode, int16_t language);

class Form19 : public Form {
  Q_OBJECT

 public:
  explicit Form19(AppContext& ctx);
  void Form_Load() override;
  void Picture5_Click();  // back to the main window

  BannerPicture* Picture1;  // banner
  QTextEdit* Text1;
  QLabel* Picture6;  // Dun and Bradstreet
  QLabel* Picture4;  // Prentice Hall
  QLabel* Picture2;  // Robert Morris
  RulePicture* Picture3;    // rule
  PictureButton* Picture5;
};

}  // namespace morvadel
