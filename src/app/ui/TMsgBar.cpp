#include "app/ui/TMsgBar.h"

#include "app/StatusPanels.h"
#include "prefs/ColourText.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr quint32 kGradientInactiveCaption = 0xFF000000u + 28;
const QString kEdited = QStringLiteral("EDITED");
} // namespace

TMsgBar::TMsgBar(QWidget* parent) : QStatusBar(parent) {
    setSizeGripEnabled(false);
    FormResize();
    m_flashTimer.setSingleShot(true);
    connect(&m_flashTimer, &QTimer::timeout, this, [this] {
        if (m_text[m_flashPanel] == m_flashText) // unless something else has been shown since
            setPanelText(m_flashPanel, m_beforeFlash);
    });
}

void TMsgBar::setPanelText(int panel, const QString& text) {
    if (m_text[panel] == text)
        return;
    m_text[panel] = text;
    update();
}

void TMsgBar::flashPanelText(int panel, const QString& text, int milliseconds) {
    // A flash over a flash still showing goes back to what was there before both.
    if (!m_flashTimer.isActive() || panel != m_flashPanel || m_text[panel] != m_flashText)
        m_beforeFlash = m_text[panel];
    m_flashPanel = panel;
    m_flashText = text;
    setPanelText(panel, text);
    m_flashTimer.start(milliseconds);
}

void TMsgBar::FormResize() {
    m_width = statusPanelWidths(width());
    update();
}

void TMsgBar::resizeEvent(QResizeEvent* event) {
    QStatusBar::resizeEvent(event);
    FormResize();
}

void TMsgBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), ColourText::toQColor(kGradientInactiveCaption));
    int x = 0;
    for (int panel = 0; panel < 4; ++panel) {
        MsgBarDrawPanel(painter, panel, QRect(x, 0, m_width[panel], height()));
        x += m_width[panel];
    }
}

// Panel 2 while the puzzle is edited: bold white on green. Every other panel: black text on
// the gradient inactive caption colour. Text starts one "M" right of the panel's left edge.
void TMsgBar::MsgBarDrawPanel(QPainter& painter, int panel, const QRect& rect) {
    QFont font = this->font();
    QColor fill = ColourText::toQColor(kGradientInactiveCaption);
    QColor ink = Qt::black;
    if (panel == 2 && m_text[2] == kEdited) {
        fill = QColor(0, 128, 0);
        ink = Qt::white;
        font.setBold(true);
    }
    painter.fillRect(rect.adjusted(0, 0, -1, 0), fill);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(rect.topRight(), rect.bottomRight());
    painter.setFont(font);
    painter.setPen(ink);
    const int indent = QFontMetrics(font).horizontalAdvance(u'M');
    painter.drawText(rect.adjusted(indent, 0, 0, 0),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, m_text[panel]);
}

void TMsgBar::mousePressEvent(QMouseEvent* event) {
    if (event->position().x() > m_width[0] + m_width[1] && m_text[2] == kEdited)
        emit editedPanelPressed();
}
