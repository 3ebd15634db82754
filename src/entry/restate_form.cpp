#include "entry/restate_form.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>

#include "model/conversion.h"
#include "model/file_io.h"
#include "platform/dialogs.h"
#include "platform/navigator.h"

namespace morvadel {

RestateForm::RestateForm(AppContext& ctx, FormId id, const char* suffix) : Form(ctx, id), suffix_(suffix) {}

void RestateForm::AddFileNameRow(QWidget* body, QGridLayout* fields, int row) {
  Label4 = new QLabel("Snimi file", body);
  Text3 = new QLineEdit(body);
  Text3->setMinimumWidth(240);
  fields->addWidget(Label4, row, 0);
  fields->addWidget(Text3, row, 1);
}

void RestateForm::AddButtons(QWidget* body, QBoxLayout* bodyLayout) {
  auto* buttons = new QHBoxLayout;
  Picture1 = new PictureButton(IconKind::Back, body);
  Command2 = new PictureButton(IconKind::Continue, body);
  buttons->addWidget(Picture1);
  buttons->addStretch();
  buttons->addWidget(Command2);
  bodyLayout->addSpacing(8);
  bodyLayout->addLayout(buttons);
  connect(Picture1, &QToolButton::clicked, this, &RestateForm::Picture1_Click);
}

void RestateForm::LoadFileName() {
  if (s_.Language == kEnglish) Label4->setText("Save As");
  Text3->setText(QString::fromStdString(DefaultStem(s_.FileName, suffix_)));
  Text3->selectAll();
}

void RestateForm::Form_KeyDown(int& keyCode, int /*shift*/) {
  if (keyCode != 13) return;
  focusNextChild();
  keyCode = 0;
}

void RestateForm::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    int keyCode = 13;
    Form_KeyDown(keyCode, 0);
    if (keyCode == 0) {
      event->accept();
      return;
    }
  }
  Form::keyPressEvent(event);
}

void RestateForm::Picture1_Click() { ctx_.nav.Show(FormId::Form2a); }

std::optional<std::string> RestateForm::TypedFile() {
  auto path = RestatedFilePath(s_.FileName, Text3->text().toStdString());
  if (!path) RefuseField(DescribeBlankFileName(s_.Language), Text3);
  return path;
}

bool RestateForm::MayTake(const std::string& path) {
  // The restated workbook is a new file: a Save must never write it over
  // the workbook it was made from, by whatever name or link.
  if (NamesSameFile(path, s_.FileName)) {
    RefuseField(DescribeOpenWorkbookFile(path, s_.Language), Text3);
    return false;
  }
  // A folder or device under the name would only fail at the next Save.
  if (const FileError e = CheckNotAFile(path); !e.ok()) {
    RefuseField(DescribeFileError(e, path, s_.Language), Text3);
    return false;
  }
  if (!FileExists(path)) return true;
  return ctx_.dialogs.AskYesNo(AskReplaceFile(path, s_.Language), MsgIcon::Question);
}

void RestateForm::Refuse(const std::string& message) { ctx_.dialogs.Message(message, MsgIcon::Warning); }

void RestateForm::RefuseField(const std::string& message, QLineEdit* field) {
  Refuse(message);
  field->setFocus(Qt::OtherFocusReason);
  field->selectAll();
}

void RestateForm::Finish(const std::string& path) {
  s_.FileName = path;
  // The user named this file for the restated workbook, so the next Save
  // writes it without asking again; the previous file stays as it was.
  s_.FileBacked = true;
  ctx_.nav.Show(FormId::Form2a);
}

}  // namespace morvadel
