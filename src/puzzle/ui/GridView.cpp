#include "puzzle/ui/GridView.h"

#include "app/AppContext.h"
#include "base/Codepage.h"
#include "puzzle/ui/TIxv7GridForm.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {
const QColor kGrey(0x80, 0x80, 0x80);
const QColor kSilver(0xC0, 0xC0, 0xC0);
} // namespace

GridView::GridView(TIxv7GridForm& form, AppContext& ctx) : m_form(form), m_ctx(ctx) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

int GridView::textOffset(const QFontMetrics& fm) const {
    return (m_form.GridSquare - fm.height()) / 2;
}

// One square: its outline in the filled-square colour, sharing border lines with its
// neighbours, and its letter centred.
void GridView::paintSquare(QPainter& p, int c, int r, const QColor& fill, const QColor& ink,
                           bool showLetter) {
    const int s = m_form.GridSquare;
    const int x = (c - 1) * s;
    const int y = (r - 1) * s;
    p.setPen(m_form.look.filled);
    p.setBrush(fill);
    p.drawRect(x, y, s, s);
    const quint8 ch = m_ctx.puzzle.letter(c, r);
    if (!showLetter || ch == 0)
        return;
    const QString text(Codepage::toUnicode(ch));
    const QFontMetrics fm(m_form.look.font);
    p.setPen(ink);
    p.drawText(x + (s - fm.horizontalAdvance(text)) / 2, y + textOffset(fm) + fm.ascent(), text);
}

void GridView::FormPaint(QPainter& p) {
    const PuzzleRecord& rec = m_ctx.puzzle;
    const int selected = m_ctx.SelectedWord;
    p.setFont(m_form.look.font);
    for (int r = 1; r <= rec.GridHeight; ++r) {
        for (int c = 1; c <= rec.GridWidth; ++c) {
            if (rec.letter(c, r) == BlackSquare) {
                paintSquare(p, c, r, m_form.look.filled, m_form.look.letter, false);
                continue;
            }
            const int code = rec.code(c, r);
            QColor fill = m_form.look.blank;
            QColor ink = m_form.look.letter;
            if (selected != 0 && code == 100 + selected) {
                fill = m_form.look.initial;
                ink = kGrey;
            } else if (selected != 0 && code % 100 == selected) {
                fill = m_form.look.hilite;
                ink = kSilver;
            }
            const bool show = code == CodeFree || (selected != 0 && code % 100 == selected);
            paintSquare(p, c, r, fill, ink, show);
        }
    }
    if (const auto sq = m_form.selectedSquare())
        paintSquare(p, sq->x(), sq->y(), m_form.look.hilite, m_form.look.letter, true);
}

void GridView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Window));
    FormPaint(p);
    p.setFont(m_form.look.font);
    // Squares drawn at once since the last full paint keep their kind's colours.
    for (const Pending& d : m_pending) {
        const bool initial = d.kind == 1;
        if (d.kind == 0)
            paintSquare(p, d.c, d.r, m_form.look.blank, m_form.look.letter, true);
        else
            paintSquare(p, d.c, d.r, initial ? m_form.look.initial : m_form.look.hilite,
                        initial ? kGrey : kSilver, true);
    }
    m_pending.clear();
}

void GridView::drawSquareNow(int c, int r, int kind) {
    m_pending.append({c, r, kind});
    const int s = m_form.GridSquare;
    repaint((c - 1) * s, (r - 1) * s, s + 1, s + 1);
}

void GridView::mousePressEvent(QMouseEvent* event) {
    setFocus();
    m_form.FormMouseDown(event->position().toPoint());
}

void GridView::keyPressEvent(QKeyEvent* event) {
    if (event->text().isEmpty()) {
        QWidget::keyPressEvent(event);
        return;
    }
    m_form.FormKeyPress(event->text());
}
