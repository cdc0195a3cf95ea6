#include "app/ui/TIxv7AboutForm.h"

#include "app/AppTitle.h"
#include "app/DesktopServices.h"
#include "puzzle/ui/WindowLook.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>

namespace {
QLabel* whiteLabel(const QString& text, int pixelSize, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setFont(pixelFont(QStringLiteral("Arial"), pixelSize));
    setTextColour(label, Qt::white);
    label->adjustSize();
    return label;
}
} // namespace

TIxv7AboutForm::TIxv7AboutForm(DesktopServices& desktop, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_desktop(desktop) {
    setWindowTitle(QStringLiteral("About Ixenvar"));
    setFixedSize(600, 400);
    m_picture = QPixmap(600, 400);
    m_picture.fill(Qt::black);
    QPainter painter(&m_picture);
    QSvgRenderer(QStringLiteral(":/pictures/about.svg")).render(&painter);

    lblVersion = whiteLabel(QStringLiteral("Version ") + applicationVersion(), 19, this);
    lblVersion->move(36, 278);
    lblEmail =
        whiteLabel(QStringLiteral("Questions and suggestions: %1").arg(kSupportAddress), 11, this);
    lblEmail->move(36, 350);
    lblEmail->setCursor(Qt::PointingHandCursor);
    lblEmail->installEventFilter(this);
    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setGeometry(502, 353, 75, 25);
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
}

void TIxv7AboutForm::paintEvent(QPaintEvent*) {
    QPainter(this).drawPixmap(0, 0, m_picture);
}

bool TIxv7AboutForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lblEmail && event->type() == QEvent::MouseButtonRelease)
        lblEmailClick();
    return QDialog::eventFilter(watched, event);
}

void TIxv7AboutForm::lblEmailClick() {
    m_desktop.openUrl(QUrl(QStringLiteral("mailto:%1?subject=Ixenvar 7").arg(kSupportAddress)));
}
