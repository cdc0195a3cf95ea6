#include "puzzle/ui/TIxv7ToolForm.h"

#include "app/AppContext.h"
#include "app/Dialogs.h"
#include "base/Codepage.h"
#include "puzzle/PuzzleFile.h"
#include "puzzle/WordOperations.h"
#include "puzzle/ui/CodepageInput.h"
#include "puzzle/ui/EditorSet.h"
#include "puzzle/ui/ListRowDelegate.h"
#include "puzzle/ui/TIxv7TitleForm.h"
#include "puzzle/ui/WindowLook.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>

namespace {

constexpr int kLetterBoxHeight = 41;
const QColor kNavy(0x00, 0x00, 0x80);
const QColor kMedGray(0xA0, 0xA0, 0xA4);

// History rows: the puzzle's name, silver when selected.
ListRowDelegate* historyDelegate(QObject* parent) {
    ListRowDelegate::Look look;
    look.selectedFill = QColor(0xC0, 0xC0, 0xC0);
    look.rowSize = QSize(200, 16);
    return new ListRowDelegate(look, parent);
}

// Scan rows: the label up to its full stop, then the letters in a second column.
ListRowDelegate* scanDelegate(QObject* parent) {
    ListRowDelegate::Look look;
    look.split = [](const QModelIndex& index) {
        const QString text = index.data().toString();
        const qsizetype dot = text.indexOf(u'.');
        if (dot < 0)
            return ListRowDelegate::Row{text, {}};
        return ListRowDelegate::Row{text.left(dot + 1), text.mid(dot + 1, 60)};
    };
    look.rowSize = QSize(200, 13);
    return new ListRowDelegate(look, parent);
}

} // namespace

TIxv7ToolForm::TIxv7ToolForm(AppContext& ctx, EditorSet& editors, QWidget* parent)
    : EditingWindow(parent), m_ctx(ctx), m_editors(editors) {
    setObjectName(QStringLiteral("TIxv7ToolForm"));
    setWindowTitle(QStringLiteral("Acrostic Construction / Editing"));
    m_body = new QWidget;
    setWidget(m_body);
    m_byLabel = new QLabel(QStringLiteral("By:"), m_body);
    ByEd = new QLineEdit(m_body);
    ByEd->setFont(pixelFont(QStringLiteral("Tahoma"), 13));
    CodepageInput::install(ByEd);
    ByEd->installEventFilter(this);
    m_historyLabel = new QLabel(QStringLiteral("History:"), m_body);
    HistoryList = new QListWidget(m_body);
    HistoryList->setFont(pixelFont(QStringLiteral("Tahoma"), 13));
    HistoryList->setItemDelegate(historyDelegate(HistoryList));
    HistoryList->setUniformItemSizes(true);
    // Rows are clipped to the list; the row width the delegates give is no reason to scroll.
    HistoryList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette pal = HistoryList->palette();
    pal.setColor(QPalette::Base, pal.color(QPalette::Button));
    HistoryList->setPalette(pal);
    m_scanLabel = new QLabel(QStringLiteral("Scan Acrostics:"), m_body);
    ScanList = new QListWidget(m_body);
    ScanList->setItemDelegate(scanDelegate(ScanList));
    ScanList->setUniformItemSizes(true);
    ScanList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ScanBtn = new QPushButton(QStringLiteral("Scan"), m_body);
    ErrPanel = new QLabel(QStringLiteral("No Repeaters Found"), m_body);
    ErrPanel->setWordWrap(true);
    ErrPanel->setAlignment(Qt::AlignCenter);
    ErrPanel->setFont(pixelFont(QStringLiteral("Arial"), 13));
    setTextColour(ErrPanel, QColor(0, 128, 0));
    ErrPanel->hide();
    m_lettersLabel = new QLabel(QStringLiteral("Letters Distribution:"), m_body);
    LtrBox = new LetterBox(m_ctx, m_body);

    connect(ScanBtn, &QPushButton::clicked, this, &TIxv7ToolForm::ScanBtnClick);
    connect(ScanList, &QListWidget::itemClicked, this, &TIxv7ToolForm::ScanListClick);
    connect(HistoryList, &QListWidget::itemDoubleClicked, this,
            &TIxv7ToolForm::HistoryListDblClick);
    setClientSize(781, 258);
    layOut();
}

bool TIxv7ToolForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ByEd && event->type() == QEvent::KeyRelease)
        ByEdKeyUp();
    if (watched == m_body && event->type() == QEvent::Resize)
        layOut();
    return EditingWindow::eventFilter(watched, event);
}

// The lists stretch with the window; the scan tools keep to the right edge and the letter box
// to the bottom.
void TIxv7ToolForm::layOut() {
    m_body->installEventFilter(this);
    const int w = m_body->width();
    const int h = m_body->height();
    const int boxTop = h - kLetterBoxHeight;
    const int listHeight = qMax(40, h - 76); // 182 at the design height of 258
    m_byLabel->move(8, 8);
    ByEd->setGeometry(8, 27, 272, 24);
    m_historyLabel->move(286, 8);
    const int right = w - 781; // how far the window grew past its design width
    HistoryList->setGeometry(286, 27, 200 + right, listHeight);
    m_scanLabel->move(492 + right, 8);
    ScanList->setGeometry(492 + right, 27, 200, listHeight);
    ScanBtn->setGeometry(698 + right, 27, 75, 25);
    // Under the Scan button and as wide: "Repeaters" is wider than the 59 pixels the notice
    // was drawn for.
    ErrPanel->setGeometry(698 + right, 58, 75, 48);
    m_lettersLabel->move(8, h - 53);
    LtrBox->setGeometry(0, boxTop, w, kLetterBoxHeight);
}

// The notice of no repeaters above the letter box.
int TIxv7ToolForm::smallestClientHeight() const {
    return ErrPanel->geometry().bottom() + 1 + kLetterBoxHeight;
}

void TIxv7ToolForm::FormShow() {
    restoreNormal();
    placeAtBottom(m_ctx, m_editors, this);
    ByEd->setText(Codepage::toUnicode(m_ctx.puzzle.ConstructorName.bytes()));
    LtrBox->update();
}

void TIxv7ToolForm::ByEdKeyUp() {
    if (ByEd->text() != Codepage::toUnicode(m_ctx.puzzle.ConstructorName.bytes()))
        m_ctx.SetEdited(true);
}

void TIxv7ToolForm::fillHistory(const QStringList& paths) {
    HistoryList->clear();
    for (const QString& path : paths) {
        auto* item = new QListWidgetItem(PuzzleFile::puzzleName(path), HistoryList);
        item->setData(Qt::UserRole, path);
        item->setToolTip(path);
    }
}

void TIxv7ToolForm::HistoryListDblClick() {
    const int row = HistoryList->currentRow();
    if (row >= 0)
        emit historyEntryChosen(row);
}

void TIxv7ToolForm::openHistoryRow(int row, const std::function<void(const QString&)>& open) {
    if (row < 0 || row >= HistoryList->count())
        return;
    // The file the row shows, whatever the history file holds by now.
    const QString file = HistoryList->item(row)->data(Qt::UserRole).toString();
    if (QFileInfo::exists(file)) {
        open(file);
        return;
    }
    delete HistoryList->takeItem(row);
    const History history = m_ctx.history();
    QStringList rows;
    for (int i = 0; i < HistoryList->count(); ++i)
        rows << HistoryList->item(i)->data(Qt::UserRole).toString();
    history.write(rows);
    m_ctx.procs.dialogs()->information(
        this, QStringLiteral("Access Error"),
        QStringLiteral("Selected \"") + PuzzleFile::puzzleName(file) +
            QStringLiteral(
                "\" acrostic cannot be found and has been removed from the History List."));
}

void TIxv7ToolForm::ScanBtnClick() {
    ErrPanel->hide();
    ScanList->setEnabled(true);
    ScanList->clear();
    ScanList->addItems(WordOps::scanRepeaters(m_ctx.puzzle));
    if (ScanList->count() > 0)
        return;
    ScanList->setEnabled(false);
    ErrPanel->show();
    m_ctx.procs.WaitPumping(4000);
    ErrPanel->hide();
}

void TIxv7ToolForm::ScanListClick() {
    const int word = WordOps::wordOfScanRow(
        ScanList->currentItem() ? ScanList->currentItem()->text() : QString());
    if (word == 0)
        return;
    m_ctx.SelectedWord = word;
    m_editors.repaintTitle();
    m_editors.repaintGrid();
}

LetterBox::LetterBox(AppContext& ctx, QWidget* parent) : QWidget(parent), m_ctx(ctx) {}

QList<LetterBox::Box> LetterBox::boxes() const {
    const auto counters = WordOps::letterCounters(m_ctx.puzzle);
    const int b = width() / 28;
    QList<Box> out;
    int x = 8;
    for (int k = 1; k <= 27; ++k) {
        const int count = counters[k - 1];
        const QString text = (k <= 26 ? QString(QChar(u'@' + k)) : QStringLiteral("#")) + u'-' +
                             QString::number(count);
        out.append({QRect(x, 0, b, height() - 8), text, count});
        x += b + 1;
    }
    return out;
}

// Letters at most half the box's height, smaller when a count's digits would not fit between
// the sides of its box.
QFont LetterBox::textFont(const QList<Box>& boxes) const {
    QStringList texts;
    for (const Box& box : boxes)
        texts << box.text;
    const int room = boxes.isEmpty() ? 0 : boxes.first().outline.width() - 4;
    QFont font = this->font();
    font.setPixelSize(qMax(1, height() / 2));
    return fittedFont(font, texts, room, height() / 2);
}

// 27 boxes, each a letter with its count of free squares ("A-3"), the last for apostrophes and
// hyphens ("#-2"); navy when there are some, grey when none are left.
void LetterBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QList<Box> all = boxes();
    const QFont font = textFont(all);
    p.setFont(font);
    const QFontMetrics fm(font);
    const int textTop = (height() - 8 - fm.height()) / 2;
    for (const Box& box : all) {
        p.setPen(kNavy);
        p.setBrush(Qt::NoBrush);
        p.drawRect(box.outline.adjusted(0, 0, -1, -1));
        p.setPen(box.count > 0 ? kNavy : kMedGray);
        p.drawText(box.outline.x() + (box.outline.width() - fm.horizontalAdvance(box.text)) / 2,
                   textTop + fm.ascent(), box.text);
    }
}
