#include "puzzle/ui/TIxv7AutoForm.h"

#include "app/AppContext.h"
#include "base/Codepage.h"
#include "prefs/ColourText.h"
#include "prefs/FontSettings.h"
#include "puzzle/WordOperations.h"
#include "puzzle/ui/CodepageInput.h"
#include "puzzle/ui/EditorSet.h"
#include "puzzle/ui/ListRowDelegate.h"
#include "puzzle/ui/TCharMap7Form.h"
#include "puzzle/ui/TIxv7SpecsForm.h"
#include "puzzle/ui/TIxv7TitleForm.h"
#include "puzzle/ui/WindowLook.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QPainter>
#include <QToolBar>
#include <QToolButton>

namespace {

const QColor kNavy(0, 0, 128);

// A 24 x 24 picture of one glyph, for the clue tool bar.
QIcon glyphIcon(const char* themeName, const char* glyph) {
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont font = pixelFont(QStringLiteral("DejaVu Sans"), 17);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(0x2B, 0x57, 0x9A));
    p.drawText(pixmap.rect(), Qt::AlignCenter, QString::fromUtf8(glyph));
    p.end();
    return QIcon::fromTheme(QLatin1String(themeName), QIcon(pixmap));
}

QLabel* navyLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setFont(pixelFont(QStringLiteral("Arial"), 12));
    setTextColour(label, kNavy);
    return label;
}

// Clue rows: the word's label, then its clue and letters in a second column.
ListRowDelegate* clueRowDelegate(QObject* parent) {
    ListRowDelegate::Look look;
    look.selectedFill = ColourText::toQColor(ColourText::kGradientActiveCaption);
    look.split = [](const QModelIndex& index) {
        return ListRowDelegate::Row{WordLabel(index.row() + 1) + u'.', index.data().toString()};
    };
    look.size = [](const QFont& font, int column, const ListRowDelegate::Row& row) {
        const QFontMetrics fm(font);
        return QSize(column + fm.horizontalAdvance(row.text), fm.height() + 1);
    };
    return new ListRowDelegate(look, parent);
}

} // namespace

TIxv7AutoForm::TIxv7AutoForm(AppContext& ctx, EditorSet& editors, QWidget* parent)
    : EditingWindow(parent), m_ctx(ctx), m_editors(editors) {
    setObjectName(QStringLiteral("TIxv7AutoForm"));
    setWindowTitle(QStringLiteral("Clue Editing"));
    m_body = new QWidget;
    setWidget(m_body);
    m_body->installEventFilter(this);

    ClueLbl = navyLabel(m_body);
    ClueLbl->setGeometry(20, 36, 270, 15);
    NumLbl = navyLabel(m_body);
    NumLbl->setGeometry(340, 36, 99, 15);
    DefEdit = new QLineEdit(m_body);
    DefEdit->setGeometry(8, 69, 452, 25);
    // Typed or pasted text stops at the record's length; the count button may go beyond it.
    m_clueInput = CodepageInput::install(DefEdit, {kMaxStringLength, true});
    QPalette white = DefEdit->palette();
    white.setColor(QPalette::Base, Qt::white);
    DefEdit->setPalette(white);
    connect(DefEdit, &QLineEdit::textChanged, this, &TIxv7AutoForm::DefEditChange);
    DefEdit->installEventFilter(this);

    ToolBar1 = new QToolBar(m_body);
    ToolBar1->setIconSize(QSize(24, 24));
    ToolBar1->setGeometry(20, 114, 257, 45);
    auto addButton = [this](const char* hint, QIcon icon, void (TIxv7AutoForm::*handler)()) {
        auto* b = new QToolButton(ToolBar1);
        b->setIcon(icon);
        b->setFixedSize(32, 32);
        b->setStatusTip(QString::fromLatin1(hint));
        b->setAccessibleName(QString::fromLatin1(hint));
        b->setAutoRaise(true);
        ToolBar1->addWidget(b);
        connect(b, &QToolButton::clicked, this, handler);
        return b;
    };
    PrevBtn = addButton("Previous definition", glyphIcon("go-previous", "\u25C0"),
                        &TIxv7AutoForm::PrevBtnClick);
    NextBtn =
        addButton("Next definition", glyphIcon("go-next", "\u25B6"), &TIxv7AutoForm::NextBtnClick);
    InsertBtn = addButton("Paste",
                          QIcon::fromTheme(QStringLiteral("edit-paste"),
                                           QIcon(QStringLiteral(":/icons/clipboard.svg"))),
                          &TIxv7AutoForm::InsertBtnClick);
    CharsBtn = addButton("Insert special character", glyphIcon("insert-text", "\u03A9"),
                         &TIxv7AutoForm::CharsBtnClick);
    BlankBtn = addButton("Erase entire definition", glyphIcon("edit-clear", "\u2715"),
                         &TIxv7AutoForm::BlankBtnClick);
    auto* gap = new QWidget(ToolBar1);
    gap->setFixedWidth(8);
    ToolBar1->addWidget(gap);
    CountBtn =
        addButton("Insert character count", glyphIcon("", "#"), &TIxv7AutoForm::CountBtnClick);

    ClueList = new QListWidget(m_body);
    ClueList->setItemDelegate(clueRowDelegate(ClueList));
    ClueList->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    connect(ClueList, &QListWidget::itemClicked, this, [this] { ClueListMouseUp(1); });
    // Moving through the list with the keyboard selects the word as a click does.
    connect(ClueList, &QListWidget::currentRowChanged, this, [this] {
        if (ClueList->hasFocus())
            ClueListMouseUp(1);
    });
    setClientSize(784, 262);
    layOut();
}

bool TIxv7AutoForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_body && event->type() == QEvent::Resize)
        layOut();
    // What was typed in one visit of the field is undone as one step.
    if (watched == DefEdit && event->type() == QEvent::FocusOut)
        m_ctx.endEditGroup();
    return EditingWindow::eventFilter(watched, event);
}

void TIxv7AutoForm::layOut() {
    ClueList->setGeometry(466, 8, qMax(100, m_body->width() - 474),
                          qMax(60, m_body->height() - 16));
}

// The tool bar and the border below it.
int TIxv7AutoForm::smallestClientHeight() const {
    return ToolBar1->geometry().bottom() + 1 + 8;
}

void TIxv7AutoForm::LoadClueFonts() {
    const Settings::StoredFont field = Settings::readFont(m_ctx.procs, Settings::ClueFieldFont);
    DefEdit->setFont(field.font());
    QPalette pal = DefEdit->palette();
    pal.setColor(QPalette::Text, ColourText::toQColor(field.colour));
    DefEdit->setPalette(pal);
    // The list's rows are drawn in black, whatever its colour setting.
    const Settings::StoredFont list = Settings::readFont(m_ctx.procs, Settings::ClueListFont);
    ClueList->setFont(list.font());
}

void TIxv7AutoForm::FormShow() {
    restoreNormal();
    LoadClueFonts();
    placeAtBottom(m_ctx, m_editors, this);
    FillClueList();
    if (m_ctx.SelectedWord == 0)
        m_ctx.SelectedWord = 1;
    selectRow(m_ctx.SelectedWord - 1);
    ClueListMouseUp(1);
    // After the construction tool window has gone (its hiding is queued too), the clue field
    // takes the keyboard.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (mdiArea())
                mdiArea()->setActiveSubWindow(this);
            DefEdit->setFocus();
        },
        Qt::QueuedConnection);
}

void TIxv7AutoForm::FillClueList() {
    ClueList->clear();
    for (int w = 1; w <= kMaxWords; ++w) {
        ClueList->addItem(WordOps::clueRow(m_ctx.puzzle, w));
        if (w == kMaxWords || m_ctx.puzzle.squareOf(100 + w + 1) == 0)
            break;
    }
    ClueList->setCurrentRow(-1);
    m_loadedRow = -1;
}

void TIxv7AutoForm::reloadClues() {
    FillClueList();
    DefEdit->clear(); // no row is selected, so nothing is stored
    ClueLbl->clear();
}

void TIxv7AutoForm::selectRow(int row) {
    ClueList->setCurrentRow(row < ClueList->count() ? row : -1);
}

void TIxv7AutoForm::loadRowClue() {
    const int row = ClueList->currentRow();
    if (row < 0)
        return;
    m_ctx.endEditGroup();
    m_loadedRow = row;
    DefEdit->setText(Codepage::toUnicode(m_ctx.puzzle.clue(row + 1).bytes()));
}

void TIxv7AutoForm::ClueListMouseUp(int x) {
    const int row = ClueList->currentRow();
    if (row < 0) {
        m_ctx.SelectedWord = 0;
        ClueLbl->clear();
        return;
    }
    loadRowClue();
    if (x <= 0)
        return;
    m_ctx.SelectedWord = row + 1;
    ShowWordLabels();
    m_editors.repaintTitle();
    m_editors.repaintGrid();
    m_editors.selectSpecsRow(m_ctx.SelectedWord - 1);
}

void TIxv7AutoForm::ShowWordLabels() {
    const int w = m_ctx.SelectedWord;
    ClueLbl->setText(w >= 1 && w <= kMaxWords
                         ? Codepage::toUnicode(WordOps::wordLetters(m_ctx.puzzle, w))
                         : QString());
    if (w >= 1 && w <= kMaxWords)
        NumLbl->setText(QStringLiteral("Acrostic Clue ") + WordLabel(w));
}

// The field always belongs to the word whose clue was last loaded into it, whichever row the
// list's cursor has moved to since.
void TIxv7AutoForm::DefEditChange(const QString& text) {
    const int row = m_loadedRow;
    if (row < 0 || row >= ClueList->count())
        return;
    const QByteArray bytes = Codepage::fromUnicodeLossy(text);
    if (bytes == m_ctx.puzzle.clue(row + 1).bytes())
        return;
    m_ctx.puzzle.clue(row + 1).assign(bytes.left(kMaxStringLength));
    // The row named by the word label gets the full text.
    const QString label = NumLbl->text();
    const int labelled = WordOps::wordOfScanRow(label.right(1)) - 1;
    if (labelled >= 0 && labelled < ClueList->count())
        ClueList->item(labelled)->setText(text + QStringLiteral("  | ") + ClueLbl->text());
    m_ctx.SetEdited(true);
}

void TIxv7AutoForm::afterWordChange() {
    selectRow(m_ctx.SelectedWord - 1);
    loadRowClue();
    ShowWordLabels();
    m_editors.repaintTitle();
    m_editors.repaintGrid();
}

void TIxv7AutoForm::NextBtnClick() {
    const int next = m_ctx.SelectedWord + 1;
    if (next > kMaxWords || m_ctx.puzzle.squareOf(100 + next) == 0) {
        m_ctx.procs.PlayEndSound();
        return;
    }
    m_ctx.SelectedWord = next;
    afterWordChange();
}

void TIxv7AutoForm::PrevBtnClick() {
    if (m_ctx.SelectedWord <= 1) {
        // At the first word, and with no word selected, word 1 is the one to show.
        if (m_ctx.SelectedWord == 1)
            m_ctx.procs.PlayEndSound();
        m_ctx.SelectedWord = 1;
    } else {
        --m_ctx.SelectedWord;
    }
    afterWordChange();
}

void TIxv7AutoForm::InsertBtnClick() {
    DefEdit->setFocus();
    m_clueInput->paste();
}

void TIxv7AutoForm::BlankBtnClick() {
    DefEdit->clear();
}

void TIxv7AutoForm::CountBtnClick() {
    DefEdit->setText(DefEdit->text() + QStringLiteral(" (%1)").arg(ClueLbl->text().size()));
}

TCharMap7Form* TIxv7AutoForm::charMap() const {
    return m_charMap;
}

void TIxv7AutoForm::CloseCharMap() {
    if (m_charMap)
        m_charMap->close();
}

void TIxv7AutoForm::CharsBtnClick() {
    if (m_charMap) {
        m_charMap->close();
        return;
    }
    m_charMap = new TCharMap7Form(m_ctx.procs.ScaleToScreenHeight(19), this);
    connect(m_charMap, &TCharMap7Form::characterChosen, this, [this](const QString& text) {
        m_clueInput->type(text + DefEdit->selectedText()); // within the field's limit
        activateWindow();
        DefEdit->setFocus();
    });
    const QPoint corner = DefEdit->mapToGlobal(QPoint(0, 0));
    const QPoint bar = ToolBar1->mapToGlobal(QPoint(0, ToolBar1->height()));
    m_charMap->move(corner.x(), bar.y() + 2 * m_ctx.procs.FrameSize());
    m_charMap->show();
}
