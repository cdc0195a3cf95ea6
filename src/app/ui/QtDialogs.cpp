#include "app/ui/QtDialogs.h"

#include "app/ui/FontColourDialog.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QMessageBox>
#include <QPrintDialog>
#include <QTreeView>

namespace {

QMessageBox::StandardButton show(QWidget* parent, QMessageBox::Icon icon, const QString& heading,
                                 const QString& text, QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, heading, text, buttons, parent);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace

void QtDialogs::attention(QWidget* parent, const QString& text) {
    show(parent, QMessageBox::Critical, QStringLiteral("Attention"), text, QMessageBox::Ok);
}

void QtDialogs::information(QWidget* parent, const QString& heading, const QString& text) {
    show(parent, QMessageBox::Information, heading, text, QMessageBox::Ok);
}

void QtDialogs::warning(QWidget* parent, const QString& heading, const QString& text) {
    show(parent, QMessageBox::Warning, heading, text, QMessageBox::Ok);
}

void QtDialogs::error(QWidget* parent, const QString& heading, const QString& text) {
    show(parent, QMessageBox::Critical, heading, text, QMessageBox::Ok);
}

Dialogs::Answer QtDialogs::askYesNo(QWidget* parent, const QString& heading, const QString& text) {
    return show(parent, QMessageBox::Question, heading, text, QMessageBox::Yes | QMessageBox::No) ==
                   QMessageBox::Yes
               ? Answer::Yes
               : Answer::No;
}

Dialogs::Answer QtDialogs::askYesNoCancel(QWidget* parent, const QString& heading,
                                          const QString& text) {
    switch (show(parent, QMessageBox::Question, heading, text,
                 QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

void QtDialogs::prepareFileDialog(QFileDialog& dialog, const FileRequest& request,
                                  QFileDialog::AcceptMode mode) {
    dialog.setWindowTitle(request.title);
    dialog.setDirectory(request.folder);
    dialog.setNameFilters(request.filters);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    dialog.setAcceptMode(mode);
    if (mode == QFileDialog::AcceptOpen) {
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    }
    // Qt sizes the size and date columns for short samples that today's sizes and dates
    // outgrow; they follow what they show, and the names take the rest of a dialog wide
    // enough for all four columns.
    if (auto* files = dialog.findChild<QTreeView*>(QStringLiteral("treeView"))) {
        QHeaderView* header = files->header();
        header->setStretchLastSection(false);
        header->setSectionResizeMode(0, QHeaderView::Stretch);
        for (int column = 1; column < header->count(); ++column)
            header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
    dialog.resize(dialog.size().expandedTo(QSize(760, 460)));
}

QString QtDialogs::openFile(QWidget* parent, const FileRequest& request) {
    QFileDialog dialog(parent);
    prepareFileDialog(dialog, request, QFileDialog::AcceptOpen);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString QtDialogs::saveFile(QWidget* parent, const FileRequest& request) {
    QFileDialog dialog(parent);
    prepareFileDialog(dialog, request, QFileDialog::AcceptSave);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

bool QtDialogs::chooseFont(QWidget* parent, FontChoice& choice) {
    FontColourDialog dialog(choice, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    choice = dialog.choice();
    return true;
}

bool QtDialogs::printerSetup(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Printer Setup"));
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    return dialog.exec() == QDialog::Accepted;
}
