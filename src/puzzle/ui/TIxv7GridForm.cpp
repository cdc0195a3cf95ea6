#include "puzzle/ui/TIxv7GridForm.h"

#include "app/AppContext.h"
#include "base/Codepage.h"
#include "prefs/SettingsCatalogue.h"
#include "puzzle/PuzzleFile.h"
#include "puzzle/WordOperations.h"
#include "puzzle/ui/EditorSet.h"
#include "puzzle/ui/GridView.h"

#include <QRegularExpression>
#include <QResizeEvent>

TIxv7GridForm::TIxv7GridForm(AppContext& ctx, EditorSet& editors, QWidget* parent)
    : EditingWindow(parent), m_ctx(ctx), m_editors(editors) {
    setObjectName(QStringLiteral("TIxv7GridForm"));
    m_canvas = new GridView(*this, m_ctx);
    setWidget(m_canvas);
    GridSquare = m_ctx.procs.DefaultSquareSize();
}

void TIxv7GridForm::FormShow() {
    restoreNormal();
    GridSquare = m_ctx.procs.DefaultSquareSize();
    m_selected.reset();
    LoadAppearance();
    LoadKeySet();
    PlaceGridWindow();
    setWindowTitle(PuzzleFile::puzzleName(m_ctx.CurrentFile));
    m_canvas->update();
    resizeEnabled = true;
}

void TIxv7GridForm::LoadAppearance() {
    look.load(m_ctx.procs, GridSquare);
    m_canvas->setCursor(look.cursor);
}

void TIxv7GridForm::LoadKeySet() {
    m_ctx.letters.loadLanguage(Settings::readInt(m_ctx.procs, Settings::GridLanguage));
    if (Settings::readFlagValue(m_ctx.procs, Settings::AllowHyph) == 1)
        m_ctx.letters.takeGridHyphens();
}

void TIxv7GridForm::PlaceGridWindow() {
    GridSquare = qMax(1, Settings::readInt(m_ctx.procs, Settings::ScreenSquare));
    // Left, top, width, height; anything that is not four integers leaves the window in place.
    static const QRegularExpression bounds(
        QStringLiteral("^\\s*(-?\\d+)\\s*,\\s*(-?\\d+)\\s*,\\s*(-?\\d+)\\s*,\\s*(-?\\d+)\\s*$"));
    const auto m = bounds.match(Settings::readText(m_ctx.procs, Settings::ScreenBoundsGrid));
    if (m.hasMatch())
        move(m.captured(1).toInt(), m.captured(2).toInt());
    // On a screen too low for the grid, the author-title window and a bottom window together,
    // the squares shrink, and their letters with them, rather than push the bottom window
    // under the status bar.
    const int fitting = fittingGridSquare(m_editors, y(), m_ctx.puzzle.GridHeight,
                                          frameExtra().height() + 1);
    if (fitting < GridSquare) {
        GridSquare = fitting;
        look.scaleFont(m_ctx.procs, Settings::readInt(m_ctx.procs, Settings::FontSize),
                       GridSquare);
    }
    fitToGrid();
}

void TIxv7GridForm::fitToGrid() {
    m_fitting = true;
    setClientSize(m_ctx.puzzle.GridWidth * GridSquare + 1,
                  m_ctx.puzzle.GridHeight * GridSquare + 1);
    m_fitting = false;
}

void TIxv7GridForm::resizeEvent(QResizeEvent* event) {
    EditingWindow::resizeEvent(event);
    if (resizeEnabled && !m_fitting && m_ctx.puzzle.GridWidth > 0)
        FormResize();
}

// The squares follow the width; the window snaps back to whole squares.
void TIxv7GridForm::FormResize() {
    const int clientWidth = size().width() - frameExtra().width();
    GridSquare = qMax(1, clientWidth / m_ctx.puzzle.GridWidth);
    QMetaObject::invokeMethod(
        this, [this] { fitToGrid(); }, Qt::QueuedConnection);
    look.scaleFont(m_ctx.procs, Settings::readInt(m_ctx.procs, Settings::FontSizeOnRescale),
                   GridSquare);
    m_canvas->update();
}

void TIxv7GridForm::DrawSquare(int c, int r, int kind) {
    m_canvas->drawSquareNow(c, r, kind);
}

void TIxv7GridForm::clearSelectedSquare() {
    m_selected.reset();
    m_canvas->update();
}

void TIxv7GridForm::FormMouseDown(const QPoint& pos) {
    if (m_editors.clueWindowShown())
        return;
    PuzzleRecord& rec = m_ctx.puzzle;
    const int c = pos.x() / GridSquare + 1;
    const int r = pos.y() / GridSquare + 1;
    if (pos.x() < 0 || pos.y() < 0 || c > rec.GridWidth || r > rec.GridHeight)
        return;
    if (m_ctx.EditMode == 2) {
        int position = 0;
        switch (WordOps::pickSquare(rec, c, r, m_ctx.SelectedWord, &position)) {
        case WordOps::Pick::Ignored:
            return;
        case WordOps::Pick::WordFull:
            m_ctx.procs.ShowAttention(QStringLiteral("Acrostic word is limited to 30 characters."),
                                      this);
            return;
        case WordOps::Pick::Picked:
            break;
        }
        DrawSquare(c, r, position);
        m_editors.repaintTitle();
        m_editors.repaintLetterBox();
        m_ctx.SetEdited(true);
        return;
    }
    const quint8 ch = rec.letter(c, r);
    if (rec.code(c, r) != CodeFree || ch == '\'' || ch == '-' || ch == BlackSquare)
        return;
    m_selected = QPoint(c, r);
    m_canvas->update();
}

void TIxv7GridForm::FormKeyPress(const QString& text) {
    if (m_ctx.EditMode != 1 || !m_selected || text.size() != 1)
        return;
    if (const auto byte = Codepage::fromUnicode(text.at(0)))
        WordOps::retypeSquare(m_ctx.puzzle, m_selected->x(), m_selected->y(), *byte,
                              WordOps::gridKeySet(m_ctx.letters));
    m_canvas->update();
    m_editors.repaintLetterBox(true);
    m_ctx.SetEdited(true);
}
