#include "platform/dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>
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

std::string DefaultSuffix(const std::string& filter) {
  const QStringList parts = QString::fromStdString(filter).split('|');
  if (parts.size() < 2) return "";
  const QString pattern = parts[1].trimmed().split(';').front().trimmed();
  if (!pattern.startsWith("*.") || pattern.size() < 3 || pattern.indexOf(QLatin1Char('*'), 1) >= 0) return "";
  return pattern.mid(2).toStdString();
}

std::string WithDefaultSuffix(const std::string& path, const std::string& suffix) {
  if (path.empty() || suffix.empty()) return path;
  const size_t slash = path.find_last_of("/\\");
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  if (name.empty() || name.find('.') != std::string::npos) return path;
  return path + "." + suffix;
}

std::string DocumentsFolder() {
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (!documents.isEmpty() && QFileInfo(documents).isDir()) return documents.toStdString();
  return QDir::homePath().toStdString();
}

std::string OpenDialogFolder(const std::string& fileName) {
  if (!fileName.empty()) {
    const QFileInfo file(QString::fromStdString(fileName));
    if (file.absoluteDir().exists()) return file.absolutePath().toStdString();
  }
  return DocumentsFolder();
}

std::string SaveDialogStart(const std::string& fileName) {
  if (!fileName.empty()) {
    const QFileInfo file(QString::fromStdString(fileName));
    if (file.absoluteDir().exists()) return file.absoluteFilePath().toStdString();
    return DocumentsFolder() + "/" + file.fileName().toStdString();
  }
  return DocumentsFolder() + "/";
}

namespace {

// Not the active window: while another program has the focus (the one an
// export opened) there is none, and a message would come up on its own.
QPointer<QWidget>& Owner() {
  static QPointer<QWidget> owner;
  return owner;
}

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

QWidget* DialogOwner() {
  if (QWidget* dialog = QApplication::activeModalWidget()) return dialog;
  if (QWidget* frame = Owner(); frame && frame->isVisible()) return frame;
  return QApplication::activeWindow();
}

void SetDialogOwner(QWidget* frame) { Owner() = frame; }

std::string QtDialogs::OpenFile(const std::string& filter, const std::string& folder) {
  return QFileDialog::getOpenFileName(DialogOwner(), QString(), QString::fromStdString(folder),
                                      QString::fromStdString(QtNameFilters(filter)))
      .toStdString();
}

std::string QtDialogs::SaveFile(const std::string& filter, const std::string& suggested,
                                const std::string& title) {
  return QFileDialog::getSaveFileName(DialogOwner(), QString::fromStdString(title), QString::fromStdString(suggested),
                                      QString::fromStdString(QtNameFilters(filter)))
      .toStdString();
}

std::string QtDialogs::SaveFileWithExtension(const std::string& filter, const std::string& suggested,
                                             const std::string& title, const std::string& defaultExtension) {
  const QFileInfo start(QString::fromStdString(suggested));
  QFileDialog dialog(DialogOwner(), QString::fromStdString(title), start.path());
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilters(QString::fromStdString(QtNameFilters(filter)).split(";;"));
  dialog.setDefaultSuffix(QString::fromStdString(defaultExtension));
  dialog.selectFile(start.fileName());
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return "";
  return WithDefaultSuffix(dialog.selectedFiles().constFirst().toStdString(), defaultExtension);
}

void QtDialogs::Message(const std::string& text, MsgIcon icon, const std::string& title) {
  QMessageBox box(QtIcon(icon), QString::fromStdString(title), QString::fromStdString(text), QMessageBox::Ok,
                  DialogOwner());
  box.exec();
}

bool QtDialogs::AskYesNo(const std::string& text, MsgIcon icon, const std::string& title) {
  QMessageBox box(QtIcon(icon), QString::fromStdString(title), QString::fromStdString(text),
                  QMessageBox::Yes | QMessageBox::No, DialogOwner());
  return box.exec() == QMessageBox::Yes;
}

std::shared_ptr<Printer> QtDialogs::ChoosePrinter() {
  auto device = std::make_unique<QPrinter>(QPrinter::HighResolution);
  device->setPageOrientation(QPageLayout::Landscape);
  device->setDocName(kAppTitle);
  QPrintDialog dialog(device.get(), DialogOwner());
  dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
  if (dialog.exec() != QDialog::Accepted) return nullptr;
  auto printer = std::make_shared<QtPrinter>(std::move(device));
  printer->Start();
  return printer;
}

}  // namespace morvadel
