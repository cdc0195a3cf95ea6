#include "puzzle/ui/TIxv7SpecsForm.h"

#include "app/AppContext.h"
#include "base/Codepage.h"
#include "prefs/ColourText.h"
#include "puzzle/WordOperations.h"
#include "puzzle/ui/EditorSet.h"
#include "puzzle/ui/ListRowDelegate.h"
#include "puzzle/ui/TIxv7TitleForm.h"
#include "puzzle/ui/WindowLook.h"

#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

constexpr int kClientWidth = 228;
constexpr int kClientHeight = 556;
constexpr int kBorder = 8;

// A word row: the initial in bold, one size up, then the other positions.
ListRowDelegate* wordRowDelegate(QObject* parent) {
    ListRowDelegate::Look look;
    look.selectedFill = ColourText::toQColor(ColourText::kGradientActiveCaption);
    look.fill = QPalette::Button;
    look.columnSample = QStringLiteral("W");
    look.columnGap = 4;
    look.boldLabel = true;
    look.split = [](const QModelIndex& index) {
        const QString text = index.data().toString();
        return ListRowDelegate::Row{text.left(1), text.mid(1)};
    };
    look.size = [](const QFont& font, int, const ListRowDelegate::Row&) {
        return QSize(kClientWidth, font.pointSize() * 2 + 1);
    };
    return new ListRowDelegate(look, parent);
}

} // namespace

TIxv7SpecsForm::TIxv7SpecsForm(AppContext& ctx, EditorSet& editors, QWidget* parent)
    : QMdiSubWindow(parent), m_ctx(ctx), m_editors(editors) {
    setObjectName(QStringLiteral("TIxv7SpecsForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint);
    setToolTip(QStringLiteral("Update acrostic words."));
    m_body = new QWidget;
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSize(8);
    m_body->setFont(font);
    setWidget(m_body);
    QuoLbl = new QLabel(m_body);
    QuoLbl->setWordWrap(true);
    QuoLbl->setFont(pixelFont(QStringLiteral("Tahoma"), 12));
    QuoLbl->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    AutLbl = new QLabel(m_body);
    AutLbl->setFont(pixelFont(QStringLiteral("Tahoma"), 12));
    AcrList = new QListWidget(m_body);
    AcrList->setFrameShape(QFrame::NoFrame);
    AcrList->setItemDelegate(wordRowDelegate(AcrList));
    AcrList->setUniformItemSizes(true);
    QPalette pal = AcrList->palette();
    pal.setColor(QPalette::Base, pal.color(QPalette::Button));
    AcrList->setPalette(pal);
    UpdateBtn = new QPushButton(QStringLiteral("Update"), m_body);
    CloseBtn = new QPushButton(QStringLiteral("Close"), m_body);
    connect(UpdateBtn, &QPushButton::clicked, this, &TIxv7SpecsForm::FillWordRows);
    connect(CloseBtn, &QPushButton::clicked, this, &QMdiSubWindow::close);
    connect(AcrList, &QListWidget::itemClicked, this, &TIxv7SpecsForm::AcrListMouseUp);
    m_body->setFixedSize(kClientWidth + 2 * kBorder, kClientHeight + 2 * kBorder);
    adjustSize();
    setFixedSize(size());
}

// The frame is known only once the window is in the MDI area; the window then takes the size
// that keeps the whole client area, buttons included, in view.
bool TIxv7SpecsForm::event(QEvent* event) {
    const bool handled = QMdiSubWindow::event(event);
    if (event->type() == QEvent::ParentChange && m_body) {
        const QMargins frame = contentsMargins();
        setFixedSize(m_body->width() + frame.left() + frame.right(),
                     m_body->height() + frame.top() + frame.bottom());
    }
    return handled;
}

void TIxv7SpecsForm::showEvent(QShowEvent* event) {
    QMdiSubWindow::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void TIxv7SpecsForm::FormShow() {
    FillSpecsLabels();
    FillWordRows();
    layOut();
}

// From the top: the quotation (as tall as its text), a gap, the initials, a gap, the word
// rows down to the buttons.
void TIxv7SpecsForm::layOut() {
    const int x = kBorder;
    const int w = kClientWidth;
    const int quoHeight = QuoLbl->heightForWidth(w);
    QuoLbl->setGeometry(x, kBorder, w, qMax(13, quoHeight));
    const int autTop = QuoLbl->geometry().bottom() + 1 + 12;
    AutLbl->setGeometry(x, autTop, w, 13);
    const int listTop = autTop + 13 + 41;
    const int buttonTop = kBorder + 523;
    AcrList->setGeometry(x, listTop, w,
                         qMax(20, buttonTop - listTop - 2 * m_ctx.procs.FrameSize()));
    UpdateBtn->setGeometry(x + 48, buttonTop, 75, 25);
    CloseBtn->setGeometry(x + 135, buttonTop, 75, 25);
}

void TIxv7SpecsForm::FillSpecsLabels() {
    QuoLbl->setText(Codepage::toUnicode(WordOps::quotationText(m_ctx.puzzle)));
    AutLbl->setText(Codepage::toUnicode(WordOps::initialsLine(m_ctx.puzzle)));
}

void TIxv7SpecsForm::FillWordRows() {
    AcrList->clear();
    for (int w = 1; w <= kMaxWords; ++w) {
        AcrList->addItem(Codepage::toUnicode(WordOps::positionRow(m_ctx.puzzle, w)));
        if (w == kMaxWords || m_ctx.puzzle.squareOf(100 + w + 1) == 0)
            break;
    }
    CloseBtn->setFocus();
}

void TIxv7SpecsForm::AcrListMouseUp() {
    const int row = AcrList->currentRow();
    m_ctx.SelectedWord = row + 1;
    if (m_ctx.SelectedWord < 1)
        return;
    m_editors.repaintGrid();
    if (m_editors.title)
        m_editors.title->FormMouseUp(QPoint(row * m_editors.title->TitleSquare, 1));
}
