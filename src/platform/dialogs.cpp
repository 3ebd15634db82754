#include "platform/dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QStringList>

#include "platform/qt_printer.h"

namespace morvadel {

std::string QtNameFilters(const std::string& filter) {
  QStringList parts = QString::fromStdString(filter).split('|');
  QStringList out;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString desc = parts[i].trimmed();
    QString pattern = parts[i + 1].trimmed();
    out << (desc.contains('(') ? desc : desc + " (" + pattern + ")");
  }
  return out.join(";;").toStdString();
}

namespace {

QWidget* Parent() { return QApplication::activeWindow(); }

QMessageBox::Icon QtIcon(MsgIcon icon) {
  switch (icon) {
    case MsgIcon::Information: return QMessageBox::Information;
    case MsgIcon::Question: return QMessageBox::Question;
    case MsgIcon::Warning: return QMessageBox::Warning;
    case MsgIcon::Critical: return QMessageBox::Critical;
    case MsgIcon::None: break;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

std::string QtDialogs::OpenFile(const std::string& filter) {
  return QFileDialog::getOpenFileName(Parent(), QString(), QString(),
                                      QString::fromStdString(QtNameFilters(filter)))
      .toStdString();
}

std::string QtDialogs::SaveFile(const std::string& filter, const std::string& suggested,
                                const std::string& title) {
  return QFileDialog::getSaveFileName(Parent(), QString::fromStdString(title), QString::fromStdString(suggested),
                                      QString::fromStdString(QtNameFilters(filter)))
      .toStdString();
}

std::string QtDialogs::SaveFileWithExtension(const std::string& filter, const std::string& suggested,
                                             const std::string& title, const std::string& defaultExtension) {
  const QFileInfo start(QString::fromStdString(suggested));
  QFileDialog dialog(Parent(), QString::fromStdString(title), start.path());
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilters(QString::fromStdString(QtNameFilters(filter)).split(";;"));
  dialog.setDefaultSuffix(QString::fromStdString(defaultExtension));
  dialog.selectFile(start.fileName());
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return "";
  return dialog.selectedFiles().constFirst().toStdString();
}

void QtDialogs::Message(const std::string& text, MsgIcon icon, const std::string& title) {
  QMessageBox box(QtIcon(icon), QString::fromStdString(title), QString::fromStdString(text), QMessageBox::Ok,
                  Parent());
  box.exec();
}

bool QtDialogs::AskYesNo(const std::string& text, MsgIcon icon, const std::string& title) {
  QMessageBox box(QtIcon(icon), QString::fromStdString(title), QString::fromStdString(text),
                  QMessageBox::Yes | QMessageBox::No, Parent());
  return box.exec() == QMessageBox::Yes;
}

std::shared_ptr<Printer> QtDialogs::ChoosePrinter() {
  auto device = std::make_unique<QPrinter>(QPrinter::HighResolution);
  device->setPageOrientation(QPageLayout::Landscape);
  device->setDocName(kAppTitle);
  QPrintDialog dialog(device.get(), Parent());
  dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
  if (dialog.exec() != QDialog::Accepted) return nullptr;
  auto printer = std::make_shared<QtPrinter>(std::move(device));
  printer->Start();
  return printer;
}

}  // namespace morvadel
