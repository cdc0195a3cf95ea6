#pragma once

#include <QApplication>

class Dialogs;

// The application object. A failure that no handler caught ends only the operation that raised
// it: it is shown in the general error report, an error box with the failure's own text, and
// the program goes on with the next event.
class IxvApplication : public QApplication {
    Q_OBJECT
public:
    IxvApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;

    void setDialogs(Dialogs* dialogs) { m_dialogs = dialogs; }
    void showErrorReport(const QString& text);

private:
    Dialogs* m_dialogs = nullptr;
};
