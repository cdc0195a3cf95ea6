#pragma once

#include "app/Dialogs.h"

#include <QFileDialog>

// The program's dialogs shown with Qt's message boxes and file dialogs.
class QtDialogs : public Dialogs {
public:
    void attention(QWidget* parent, const QString& text) override;
    void information(QWidget* parent, const QString& heading, const QString& text) override;
    void warning(QWidget* parent, const QString& heading, const QString& text) override;
    void error(QWidget* parent, const QString& heading, const QString& text) override;
    Answer askYesNo(QWidget* parent, const QString& heading, const QString& text) override;
    Answer askYesNoCancel(QWidget* parent, const QString& heading, const QString& text) override;
    QString openFile(QWidget* parent, const FileRequest& request) override;
    QString saveFile(QWidget* parent, const FileRequest& request) override;
    bool chooseFont(QWidget* parent, FontChoice& choice) override;
    bool printerSetup(QWidget* parent, QPrinter& printer) override;

    // Sets up the file dialog a request shows, to open a file or to save one.
    static void prepareFileDialog(QFileDialog& dialog, const FileRequest& request,
                                  QFileDialog::AcceptMode mode);
};
