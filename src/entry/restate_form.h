#pragma once
// What the currency-conversion window and the inflation-adjustment window
// share: Enter moves to the next field, the new file-name box, the OK and
// back pictures, and the hand-over of the new file name to the main window.
#include <QLabel>
#include <QLineEdit>
#include <optional>
#include <string>

#include "platform/form.h"
#include "platform/pictures.h"

class QBoxLayout;
class QGridLayout;
class QKeyEvent;

namespace morvadel {

class RestateForm : public Form {
  Q_OBJECT

 public:
  // The window sees the keys its fields leave: Enter (key code 13) moves
  // the focus to the next field, and the key code is set to 0.
  void Form_KeyDown(int& keyCode, int shift);
  void Picture1_Click();  // back: nothing changes

  QLabel* Label4;           // "Snimi file" / "Save As"
  QLineEdit* Text3;         // stem of the new file name
  PictureButton* Command2;  // OK
  PictureButton* Picture1;  // back

 protected:
  // suffix: what the default file name adds to the workbook's stem.
  RestateForm(AppContext& ctx, FormId id, const char* suffix);

  // Adds the file-name caption and box as a row of `fields`, and the back
  // and OK pictures under the body.
  void AddFileNameRow(QWidget* body, QGridLayout* fields, int row);
  void AddButtons(QWidget* body, QBoxLayout* bodyLayout);
  // Label4 in the window's language, Text3 := the default stem, selected.
  void LoadFileName();

  // The file Text3 names; a blank name is refused with a message (nullopt).
  std::optional<std::string> TypedFile();
  // True when the file may be taken: it does not exist, or the user agrees
  // to replace it on the next Save. The open workbook's own file (by any
  // name or link), and a folder or device of that name, are refused with a
  // message.
  bool MayTake(const std::string& path);
  // A refusal: the message, and the window stays as it is.
  void Refuse(const std::string& message);
  // Shows the refusal and puts the focus on the field to mend, selected.
  void RefuseField(const std::string& message, QLineEdit* field);
  // The restated workbook is named `path`: the next Save writes there.
  void Finish(const std::string& path);

  void keyPressEvent(QKeyEvent* event) override;

 private:
  const char* suffix_;
};

}  // namespace morvadel
