#include "puzzle/ui/TIxv7SuggestForm.h"

#include "app/AppContext.h"
#include "base/Codepage.h"
#include "base/Errors.h"
#include "prefs/SettingsCatalogue.h"
#include "puzzle/ui/CodepageInput.h"
#include "puzzle/ui/EditorSet.h"
#include "puzzle/ui/TIxv7AutoForm.h"
#include "puzzle/ui/TIxv7GridForm.h"
#include "puzzle/ui/TIxv7ToolForm.h"
#include "puzzle/ui/WindowLook.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kClientWidth = 300;
const QColor kRepeaterColour(0x80, 0x00, 0x00);

enum Column { WordColumn, LengthColumn, MarkColumn };

QByteArray bytesOf(const void* data, size_t size) {
    return QByteArray(static_cast<const char*>(data), qsizetype(size));
}

// "Word C, prefix TR", and the letters the word holds after a gap, "_" for each empty position.
QString describe(const PuzzleRecord& rec, int word) {
    const Suggestions::WordShape shape = Suggestions::shapeOf(rec, word);
    QString text = QStringLiteral("Word %1, ").arg(WordLabel(word));
    text += shape.prefix.isEmpty()
                ? QStringLiteral("no prefix")
                : QStringLiteral("prefix %1").arg(Codepage::toUnicode(shape.prefix));
    if (shape.lastHeld > shape.prefix.size()) {
        QString rest;
        for (int p = int(shape.prefix.size()) + 1; p <= shape.lastHeld; ++p) {
            const quint8 ch = shape.held[size_t(p - 1)];
            rest += ch ? Codepage::toUnicode(ch) : QChar(u'_');
        }
        text += QStringLiteral(", then %1").arg(rest);
    }
    return text;
}

QString countText(const Suggestions::Result& result) {
    if (result.total == 0)
        return QStringLiteral("No word of the list fits.");
    if (result.total == 1)
        return QStringLiteral("1 word fits.");
    if (result.total == result.shown.size())
        return QStringLiteral("%1 words fit.").arg(result.total);
    return QStringLiteral("The first %1 of %2 words that fit.")
        .arg(result.shown.size())
        .arg(result.total);
}

} // namespace

TIxv7SuggestForm::TIxv7SuggestForm(AppContext& ctx, EditorSet& editors, QWidget* parent)
    : EditingWindow(parent), m_ctx(ctx), m_editors(editors) {
    setObjectName(QStringLiteral("TIxv7SuggestForm"));
    setWindowTitle(QStringLiteral("Word Suggestions"));
    auto* body = new QWidget;
    setWidget(body);
    const QFont fieldFont = pixelFont(QStringLiteral("Tahoma"), 13);

    WordLbl = new QLabel(body);
    WordLbl->setWordWrap(true);
    auto* filterLbl = new QLabel(QStringLiteral("Containing:"), body);
    FilterEd = new QLineEdit(body);
    FilterEd->setFont(fieldFont);
    CodepageInput::install(FilterEd, {kMaxWordLetters, true});
    filterLbl->setBuddy(FilterEd);

    SuggestList = new QTreeWidget(body);
    SuggestList->setFont(fieldFont);
    SuggestList->setColumnCount(3);
    SuggestList->setHeaderLabels(
        {QStringLiteral("Word"), QStringLiteral("Letters"), QStringLiteral("Repeater")});
    SuggestList->setRootIsDecorated(false);
    SuggestList->setUniformRowHeights(true);
    SuggestList->setAllColumnsShowFocus(true);
    SuggestList->header()->setStretchLastSection(false);
    SuggestList->header()->setSectionResizeMode(WordColumn, QHeaderView::Stretch);
    SuggestList->header()->setSectionResizeMode(LengthColumn, QHeaderView::ResizeToContents);
    SuggestList->header()->setSectionResizeMode(MarkColumn, QHeaderView::ResizeToContents);
    SuggestList->installEventFilter(this);

    CountLbl = new QLabel(body);
    CountLbl->setWordWrap(true);
    CloseBtn = new QPushButton(QStringLiteral("Close"), body);

    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(filterLbl);
    filterRow->addWidget(FilterEd, 1);
    auto* bottomRow = new QHBoxLayout;
    bottomRow->addWidget(CountLbl, 1);
    bottomRow->addWidget(CloseBtn, 0, Qt::AlignBottom);
    auto* column = new QVBoxLayout(body);
    column->setContentsMargins(8, 8, 8, 8);
    column->addWidget(WordLbl);
    column->addLayout(filterRow);
    column->addWidget(SuggestList, 1);
    column->addLayout(bottomRow);
    // Beside a short tool window the list gives up its room before the word's line does.
    SuggestList->setMinimumHeight(3 * QFontMetrics(fieldFont).height());
    WordLbl->setMinimumHeight(WordLbl->fontMetrics().height());

    connect(FilterEd, &QLineEdit::textChanged, this, [this] { refresh(false); });
    connect(SuggestList, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item) { pickRow(SuggestList->indexOfTopLevelItem(item)); });
    connect(CloseBtn, &QPushButton::clicked, this, &EditingWindow::minimizeToHidden);
    setClientSize(kClientWidth, 300);
}

void TIxv7SuggestForm::FormShow() {
    restoreNormal();
    placeBesideToolWindow();
    refresh(true);
    raise();
    FilterEd->setFocus();
}

// Beside the window at the bottom of the editing area (the construction tool window, or the
// clue window while it is shown), as tall as it. Where the area has no room to its right, the
// window stands just above it at the area's right edge, over the right end of the author-title
// strip, rather than over the tool window's scan list and letter box.
void TIxv7SuggestForm::placeBesideToolWindow() {
    const QWidget* area = parentWidget();
    if (!area)
        return;
    const int frame = m_ctx.procs.FrameSize();
    const EditingWindow* beside = nullptr;
    if (m_editors.tool && m_editors.tool->isShownNormally())
        beside = m_editors.tool;
    else if (m_editors.clueWindowShown())
        beside = m_editors.clues;
    const int width = kClientWidth + frameExtra().width();
    const int rightEdge = area->width() - width - frame;
    if (!beside) {
        const int height = qMin(area->height() - 2 * frame, 400);
        setGeometry(qMax(0, rightEdge), qMax(0, area->height() - height - frame), width, height);
        return;
    }
    const int height = beside->height();
    const int besideLeft = beside->x() + beside->width() + frame;
    if (besideLeft <= rightEdge)
        setGeometry(besideLeft, beside->y(), width, height);
    else
        setGeometry(qMax(0, rightEdge), qMax(0, beside->y() - height - frame), width, height);
}

void TIxv7SuggestForm::followChanges() {
    if (isVisible() && !m_picking)
        refresh(false);
}

TIxv7SuggestForm::Source TIxv7SuggestForm::currentSource() const {
    const PuzzleRecord& rec = m_ctx.puzzle;
    Source s;
    s.file = m_ctx.CurrentFile;
    s.word = m_ctx.SelectedWord;
    s.grid = bytesOf(&rec.GridWidth, sizeof rec.GridWidth) +
             bytesOf(&rec.GridHeight, sizeof rec.GridHeight) +
             bytesOf(rec.Letters, sizeof rec.Letters) + bytesOf(rec.Codes, sizeof rec.Codes);
    s.letters = m_ctx.letters.seedLetters();
    s.filter = Suggestions::filterLetters(FilterEd->text());
    s.wordListFile = WordList::pathFor(Settings::readText(m_ctx.procs, Settings::WordListPath));
    return s;
}

void TIxv7SuggestForm::refresh(bool always) {
    Source source = currentSource();
    if (!always && source == m_source)
        return;
    m_source = std::move(source);
    m_result = {};
    if (!m_ctx.puzzleOpen()) {
        WordLbl->setText(QStringLiteral("No puzzle is open."));
        fill(QString());
        return;
    }
    if (m_source.word < 1 || m_source.word > kMaxWords) {
        WordLbl->setText(QStringLiteral("No acrostic word is selected."));
        fill(QStringLiteral("Click a word in the Author-Title window."));
        return;
    }
    WordLbl->setText(describe(m_ctx.puzzle, m_source.word));
    try {
        const ::WordList& list = m_lists.listFor(m_source.wordListFile);
        m_result = Suggestions::suggest(m_ctx.puzzle, m_source.word, list, m_source.letters,
                                        m_source.filter);
    } catch (const IoError& e) {
        fill(QStringLiteral("The word list cannot be read. %1").arg(e.message()));
        return;
    }
    fill(countText(m_result));
}

void TIxv7SuggestForm::fill(const QString& message) {
    SuggestList->clear();
    QList<QTreeWidgetItem*> rows;
    for (const Suggestions::Candidate& c : m_result.shown) {
        auto* row =
            new QTreeWidgetItem({Codepage::toUnicode(c.word), QString::number(c.word.size()),
                                 c.repeater ? QStringLiteral("repeater") : QString()});
        row->setTextAlignment(LengthColumn, Qt::AlignRight | Qt::AlignVCenter);
        row->setForeground(MarkColumn, kRepeaterColour);
        rows << row;
    }
    SuggestList->addTopLevelItems(rows);
    if (!rows.isEmpty())
        SuggestList->setCurrentItem(rows.first());
    CountLbl->setText(message);
}

void TIxv7SuggestForm::pickRow(int row) {
    if (row < 0 || row >= m_result.shown.size())
        return;
    if (m_editors.clueWindowShown()) {
        CountLbl->setText(QStringLiteral("Words are not picked while the clues are edited."));
        return;
    }
    if (m_ctx.EditMode != 2) {
        CountLbl->setText(QStringLiteral("Words are picked in Author-Title mode."));
        return;
    }
    // The squares were chosen for the puzzle as it was drawn; anything changed since, choose
    // them again.
    const QByteArray word = m_result.shown[row].word;
    refresh(false);
    const auto it = std::find_if(m_result.shown.cbegin(), m_result.shown.cend(),
                                 [&](const Suggestions::Candidate& c) { return c.word == word; });
    if (it == m_result.shown.cend()) {
        CountLbl->setText(QStringLiteral("%1 no longer fits.").arg(Codepage::toUnicode(word)));
        return;
    }
    const QList<Square> squares = it->squares;
    TIxv7GridForm* grid = m_editors.grid;
    if (!grid || grid->GridSquare < 1)
        return;
    // Each square is clicked on the grid, so the word, the windows and the edited state end
    // exactly as if the constructor had clicked them in order.
    const int s = grid->GridSquare;
    m_picking = true;
    m_ctx.beginEditGroup(); // the word is undone as one step
    for (const Square& sq : squares)
        grid->FormMouseDown(QPoint((sq.column - 1) * s + s / 2, (sq.row - 1) * s + s / 2));
    m_ctx.endEditGroup();
    m_picking = false;
    refresh(false);
}

bool TIxv7SuggestForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == SuggestList && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            pickRow(SuggestList->currentIndex().row());
            return true;
        }
    }
    return EditingWindow::eventFilter(watched, event);
}
