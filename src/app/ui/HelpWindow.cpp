#include "app/ui/HelpWindow.h"

#include <QAction>
#include <QKeySequence>
#include <QTextBrowser>
#include <QToolBar>

HelpWindow::HelpWindow(QWidget* parent) : QMainWindow(parent, Qt::Window) {
    setWindowTitle(QStringLiteral("Ixenvar Help"));
    resize(760, 640);
    m_browser = new QTextBrowser(this);
    m_browser->setSearchPaths({QStringLiteral(":/help")});
    m_browser->setOpenExternalLinks(true);
    setCentralWidget(m_browser);
    QToolBar* bar = addToolBar(QStringLiteral("Navigation"));
    bar->setMovable(false);
    QAction* back = bar->addAction(QIcon::fromTheme(QStringLiteral("go-previous")),
                                   QStringLiteral("Back"), m_browser, &QTextBrowser::backward);
    back->setShortcut(QKeySequence::Back);
    QAction* forward = bar->addAction(QIcon::fromTheme(QStringLiteral("go-next")),
                                      QStringLiteral("Forward"), m_browser, &QTextBrowser::forward);
    forward->setShortcut(QKeySequence::Forward);
    bar->addAction(QIcon::fromTheme(QStringLiteral("go-home")), QStringLiteral("Contents"), this,
                   [this] { showPage(QStringLiteral("index.html")); });
    bar->addAction(QStringLiteral("Index"), this,
                   [this] { showPage(QStringLiteral("keywords.html")); });
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(m_browser, &QTextBrowser::sourceChanged, this, [this] {
        setWindowTitle(QStringLiteral("Ixenvar Help - ") + m_browser->documentTitle());
    });
}

void HelpWindow::showPage(const QString& page) {
    m_browser->setSource(QUrl(QStringLiteral("qrc:/help/") + page));
    show();
    raise();
    activateWindow();
}
