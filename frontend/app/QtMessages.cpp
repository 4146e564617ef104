#include "QtMessages.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace tervane {

QWidget* TQtMessages::parentWidget() const {
    return !m_parent.isNull() ? m_parent.data() : QApplication::activeWindow();
}

void TQtMessages::information(const QString& text) {
    QMessageBox box(QMessageBox::Information, kApplicationTitle, DisplayText(text), QMessageBox::Ok,
                    parentWidget());
    box.exec();
}

TMsgAnswer TQtMessages::yesNo(const QString& text) {
    QMessageBox box(QMessageBox::Question, kApplicationTitle, DisplayText(text),
                    QMessageBox::Yes | QMessageBox::No, parentWidget());
    return box.exec() == QMessageBox::Yes ? TMsgAnswer::Yes : TMsgAnswer::No;
}

TMsgAnswer TQtMessages::yesNoCancel(const QString& text) {
    QMessageBox box(QMessageBox::Question, kApplicationTitle, DisplayText(text),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parentWidget());
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return TMsgAnswer::Yes;
    case QMessageBox::No:
        return TMsgAnswer::No;
    default:
        return TMsgAnswer::Cancel;
    }
}

std::optional<TFileChoice> TQtMessages::fileDialog(const TFileDialogRequest& request, bool save) {
    QFileDialog dialog(parentWidget(), request.title);
    const QStringList filters = QtNameFilters(request.filter);
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
        dialog.selectNameFilter(filters[request.filterIndex - 1]);
    dialog.setDefaultSuffix(request.defaultExt);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save || !request.fileMustExist ? QFileDialog::AnyFile
                                                      : QFileDialog::ExistingFile);
    if (save && !request.overwritePrompt) dialog.setOption(QFileDialog::DontConfirmOverwrite);
    const QFileInfo initial(request.initialPath);
    if (initial.isDir()) {
        dialog.setDirectory(initial.absoluteFilePath());
    } else if (!request.initialPath.isEmpty()) {
        if (initial.absoluteDir().exists()) dialog.setDirectory(initial.absolutePath());
        dialog.selectFile(initial.fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    TFileChoice choice;
    choice.path = dialog.selectedFiles().constFirst();
    const qsizetype index = filters.indexOf(dialog.selectedNameFilter());
    choice.filterIndex = index >= 0 ? static_cast<int>(index) + 1 : 1;
    return choice;
}

std::optional<TFileChoice> TQtMessages::openFile(const TFileDialogRequest& request) {
    return fileDialog(request, false);
}

std::optional<TFileChoice> TQtMessages::saveFile(const TFileDialogRequest& request) {
    return fileDialog(request, true);
}

bool TQtMessages::printDialog(QPrinter& printer) {
    QPrintDialog dialog(&printer, parentWidget());
    return dialog.exec() == QDialog::Accepted;
}

bool TQtMessages::pageSetupDialog(QPrinter& printer) {
    QPageSetupDialog dialog(&printer, parentWidget());
    return dialog.exec() == QDialog::Accepted;
}

} // namespace tervane
