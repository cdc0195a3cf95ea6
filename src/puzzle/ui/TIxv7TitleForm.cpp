#include "puzzle/ui/TIxv7TitleForm.h"

#include "app/AppContext.h"
#include "base/Codepage.h"
#include "prefs/ColourText.h"
#include "prefs/SettingsCatalogue.h"
#include "puzzle/WordOperations.h"
#include "puzzle/ui/EditorSet.h"
#include "puzzle/ui/TIxv7AutoForm.h"
#include "puzzle/ui/TIxv7GridForm.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpression>

TIxv7TitleForm::TIxv7TitleForm(AppContext& ctx, EditorSet& editors, QWidget* parent)
    : EditingWindow(parent), m_ctx(ctx), m_editors(editors) {
    setObjectName(QStringLiteral("TIxv7TitleForm"));
    setWindowTitle(QStringLiteral("Author-Title"));
    m_canvas = new TitleView(*this, m_ctx);
    setWidget(m_canvas);
    TitleSquare = m_ctx.procs.DefaultSquareSize();
}

void TIxv7TitleForm::FormShow() {
    restoreNormal();
    wordCount = WordOps::wordCount(m_ctx.puzzle);
    TitleSquare = m_ctx.procs.DefaultSquareSize();
    LoadTitleAppearance();
    PlaceTitleWindow();
    m_canvas->update();
}

void TIxv7TitleForm::LoadTitleAppearance() {
    look.load(m_ctx.procs, TitleSquare);
    m_canvas->setCursor(look.cursor);
}

void TIxv7TitleForm::fitToSquares() {
    m_fitting = true;
    setClientSize(30 * TitleSquare + 1, 2 * TitleSquare + kBevelHeight + 2);
    m_fitting = false;
}

int TIxv7TitleForm::placedSquare() const {
    return qMax(1, Settings::readInt(m_ctx.procs, Settings::AuthorTitleSquare));
}

int TIxv7TitleForm::placedHeight() const {
    return 2 * placedSquare() + kBevelHeight + 2 + frameExtra().height();
}

void TIxv7TitleForm::PlaceTitleWindow() {
    TitleSquare = placedSquare();
    fitToSquares();
    // "left,top," and anything after; a value that does not convert leaves the window where the
    // empty value would put it.
    static const QRegularExpression bounds(QStringLiteral("^\\s*(-?\\d+)\\s*,\\s*(-?\\d+)\\s*,"));
    const auto m = bounds.match(Settings::readText(m_ctx.procs, Settings::ScreenBoundsAuthorTitle));
    if (m.hasMatch()) {
        move(m.captured(1).toInt(), m.captured(2).toInt());
    } else if (m_editors.grid) {
        move(x(), m_editors.grid->y() + m_editors.grid->height() + m_ctx.procs.FrameSize());
    }
}

void TIxv7TitleForm::resizeEvent(QResizeEvent* event) {
    EditingWindow::resizeEvent(event);
    if (!m_fitting && widget())
        FormResize();
}

void TIxv7TitleForm::FormResize() {
    const int clientWidth = size().width() - frameExtra().width();
    TitleSquare = qMax(1, clientWidth / 30);
    QMetaObject::invokeMethod(
        this, [this] { fitToSquares(); }, Qt::QueuedConnection);
    look.scaleFont(m_ctx.procs, Settings::readInt(m_ctx.procs, Settings::FontSize), TitleSquare);
    m_canvas->update();
}

bool TIxv7TitleForm::onWordRow(const QPoint& pos) const {
    return pos.x() >= 0 && pos.y() >= 0 && pos.y() <= TitleSquare &&
           pos.x() <= TitleSquare * wordCount + 1 && wordCount > 0;
}

void TIxv7TitleForm::clicked(const QPoint& pos) {
    FormMouseUp(pos);
    if (m_ctx.EditMode != 1 && onWordRow(pos) && m_editors.clueWindowShown())
        m_editors.clues->DefEdit->setFocus(); // ready to write the chosen word's clue
}

void TIxv7TitleForm::FormMouseUp(const QPoint& pos) {
    if (m_ctx.EditMode == 1)
        return;
    const int s = TitleSquare;
    const int x = pos.x();
    const int y = pos.y();
    if (x < 0 || y < 0) {
        // Released outside the window after a drag: as anywhere else.
        if (m_ctx.SelectedWord != 0) {
            m_ctx.SelectedWord = 0;
            m_editors.repaintGrid();
        }
    } else if (onWordRow(pos)) {
        m_ctx.SelectedWord = qMin(x / s + 1, wordCount);
        m_editors.repaintGrid();
        if (m_editors.clueWindowShown()) {
            m_editors.clues->selectRow(m_ctx.SelectedWord - 1);
            m_editors.clues->ClueListMouseUp(0);
            m_editors.clues->ShowWordLabels();
        }
        m_editors.selectSpecsRow(m_ctx.SelectedWord - 1);
    } else if (y >= s + 6 && y <= 2 * s + 6) {
        if (m_editors.clueWindowShown())
            return;
        const int p = x / s + 1;
        const Square freed = WordOps::takeLetterOut(m_ctx.puzzle, m_ctx.SelectedWord, p);
        if (freed.column != 0) {
            if (m_editors.grid)
                m_editors.grid->DrawSquare(freed.column, freed.row, 0);
            m_editors.repaintLetterBox();
            m_ctx.SetEdited(true);
        }
    } else if (m_ctx.SelectedWord != 0) {
        m_ctx.SelectedWord = 0;
        m_editors.repaintGrid();
    }
    m_canvas->update();
}

TitleView::TitleView(TIxv7TitleForm& form, AppContext& ctx) : m_form(form), m_ctx(ctx) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TitleView::drawSquare(QPainter& p, const QRect& r, const QColor& fill, quint8 ch,
                           int textTop) {
    p.setBrush(fill);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    if (ch == 0)
        return;
    const QString text(Codepage::toUnicode(ch));
    const QFontMetrics fm(m_form.look.font);
    const QPen outline = p.pen();
    p.setPen(m_form.look.letter);
    p.drawText(r.x() + (m_form.TitleSquare - fm.horizontalAdvance(text)) / 2, textTop + fm.ascent(),
               text);
    p.setPen(outline);
}

void TitleView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Window));
    const PuzzleRecord& rec = m_ctx.puzzle;
    const int s = m_form.TitleSquare;
    const int selected = m_ctx.SelectedWord;
    p.setFont(m_form.look.font);
    p.setPen(ColourText::toQColor(Settings::readColour(m_ctx.procs, Settings::FilledSqColor)));
    const int offset = (s - QFontMetrics(m_form.look.font).height()) / 2;
    for (int i = 1; i <= m_form.wordCount; ++i) {
        const Square sq = rec.LocateCode(100 + i);
        quint8 ch =
            sq.column != 0 && rec.insideGrid(sq.column, sq.row) ? rec.letter(sq.column, sq.row) : 0;
        if (ch < 'A' || ch > 'Z')
            ch = 0;
        const QColor fill =
            selected != 0 && i == selected ? m_form.look.initial : m_form.look.blank;
        drawSquare(p, QRect((i - 1) * s, 0, s + 1, s), fill, ch, offset);
    }
    // The etched line between the rows.
    const int bevelTop = s + 2;
    p.fillRect(0, bevelTop, width(), 1, palette().color(QPalette::Mid));
    p.fillRect(0, bevelTop + 1, width(), 1, palette().color(QPalette::Light));
    const int top = s + TIxv7TitleForm::kBevelHeight + 3;
    for (int i = 1; i <= 30; ++i) {
        const int k = i * 100 + selected;
        const Square sq = selected != 0 ? rec.LocateCode(k) : Square{};
        const bool filled = sq.column != 0;
        const quint8 ch =
            filled && rec.insideGrid(sq.column, sq.row) ? rec.letter(sq.column, sq.row) : 0;
        // One pixel less high than the word row's squares, so that the bottom outline is the
        // last line of the window.
        drawSquare(p, QRect((i - 1) * s, top, s + 1, s - 1),
                   filled ? m_form.look.blank : QColor(0xC0, 0xC0, 0xC0), ch, s + 6 + offset);
    }
}

void TitleView::mouseReleaseEvent(QMouseEvent* event) {
    m_form.clicked(event->position().toPoint());
}
