#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

class QPrinter;
class QWidget;

// Every message box, file dialog and font dialog of the program goes through this one interface, so
// that tests can answer them in order without a person.
class Dialogs {
public:
    enum class Answer { Yes, No, Cancel, Ok };

    struct FileRequest {
        QString title;
        QString folder;
        QString fileName;
        QString defaultSuffix;
        QStringList filters; // "Description (*.ext)"
        bool confirmOverwrite = true;
    };

    // A font with its colour, 0x00BBGGRR or a system colour as the settings keep it.
    struct FontChoice {
        QFont font;
        quint32 colour = 0;
    };

    virtual ~Dialogs() = default;

    // "Attention": error icon, one OK button.
    virtual void attention(QWidget* parent, const QString& text) = 0;
    // An information box with one OK button under the given heading.
    virtual void information(QWidget* parent, const QString& heading, const QString& text) = 0;
    virtual void warning(QWidget* parent, const QString& heading, const QString& text) = 0;
    virtual void error(QWidget* parent, const QString& heading, const QString& text) = 0;
    // Yes / No; anything but Yes (closing the box) answers No.
    virtual Answer askYesNo(QWidget* parent, const QString& heading, const QString& text) = 0;
    // Yes / No / Cancel; closing the box answers Cancel.
    virtual Answer askYesNoCancel(QWidget* parent, const QString& heading, const QString& text) = 0;
    // The chosen path, or empty when the user cancelled.
    virtual QString openFile(QWidget* parent, const FileRequest& request) = 0;
    virtual QString saveFile(QWidget* parent, const FileRequest& request) = 0;
    // The font dialog, offering underline, strike-out and colour and starting from choice; true
    // when the user confirmed, with the chosen font and colour in choice.
    virtual bool chooseFont(QWidget* parent, FontChoice& choice) = 0;
    // The platform's printer set-up; true when the user confirmed a choice into printer.
    virtual bool printerSetup(QWidget* parent, QPrinter& printer) = 0;
};
