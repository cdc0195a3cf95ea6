#pragma once

#include <QMainWindow>

class QTextBrowser;

// The on-screen help: the program's own HTML pages in a browser window with Back, Forward and
// Contents.
class HelpWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);
    // Shows the page (for example "index.html" or "keywords.html") and brings the window up.
    void showPage(const QString& page);
    QTextBrowser* browser() const { return m_browser; }

private:
    QTextBrowser* m_browser = nullptr;
};
