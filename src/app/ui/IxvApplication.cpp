#include "app/ui/IxvApplication.h"
#include "app/AppTitle.h"

#include "app/Dialogs.h"
#include "base/Errors.h"
#include "base/WindowFonts.h"

IxvApplication::IxvApplication(int& argc, char** argv) : QApplication(argc, argv) {
    WindowFonts::installSubstitutions();
}

bool IxvApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const IxvError& e) {
        showErrorReport(e.message());
    } catch (const std::exception& e) {
        showErrorReport(QString::fromLocal8Bit(e.what()));
    }
    return false;
}

void IxvApplication::showErrorReport(const QString& text) {
    if (m_dialogs)
        m_dialogs->error(activeWindow(), applicationTitle(), text);
    else
        qWarning("%s", qPrintable(text));
}
