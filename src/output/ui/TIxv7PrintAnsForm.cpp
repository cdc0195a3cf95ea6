#include "output/ui/TIxv7PrintAnsForm.h"

#include "base/Codepage.h"
#include "prefs/ColourText.h"

#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>

TIxv7PrintAnsForm::TIxv7PrintAnsForm(const PuzzleRecord& record, QWidget* owner)
    : QDialog(owner, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_solution(record) {
    setObjectName(QStringLiteral("TIxv7PrintAnsForm"));
    setWindowTitle(QStringLiteral("Solution"));
    setFixedSize(kClientWidth, kClientHeight);

    // The box wraps at its full width in the solution font, with no margin and no scroll bar
    // taking room, so that its lines are the lines SolutionText::wrap gives the page.
    QuoteMemo = new QPlainTextEdit(this);
    QuoteMemo->setObjectName(QStringLiteral("QuoteMemo"));
    QuoteMemo->setFrameShape(QFrame::NoFrame);
    QuoteMemo->setFont(SolutionText::boxFont());
    QuoteMemo->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    QuoteMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QuoteMemo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QuoteMemo->document()->setDocumentMargin(0);
    QuoteMemo->setGeometry(8, 8, SolutionText::kBoxWidth, 245);
    QuoteMemo->setPlainText(Codepage::toUnicode(m_solution.text()));

    const auto button = [this](const char* name, const char* caption, int x) {
        auto* b = new QPushButton(QString::fromLatin1(caption), this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        b->setGeometry(x, 270, 75, 25);
        return b;
    };
    CaseBtn = button("CaseBtn", "Case", 222);
    CloseBtn = button("CloseBtn", "Close", 403);
    connect(CaseBtn, &QPushButton::clicked, this, &TIxv7PrintAnsForm::CaseBtnClick);
    connect(CloseBtn, &QPushButton::clicked, this, &QDialog::reject);
}

QByteArray TIxv7PrintAnsForm::text() const {
    return Codepage::fromUnicodeLossy(QuoteMemo->toPlainText());
}

QList<QByteArray> TIxv7PrintAnsForm::SolutionText() const {
    return ::SolutionText::wrap(text());
}

int TIxv7PrintAnsForm::ShowModal() {
    if (const QWidget* owner = parentWidget())
        move(owner->window()->geometry().center() - rect().center());
    return exec();
}

void TIxv7PrintAnsForm::CaseBtnClick() {
    m_solution.setText(text());
    m_solution.switchCase();
    QuoteMemo->setPlainText(Codepage::toUnicode(m_solution.text()));
}

// A shadow to the right of and below the text box.
void TIxv7PrintAnsForm::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(QRect(QPoint(14, 14), QPoint(width() - 8 - 1, 257 - 1)),
                     ColourText::toQColor(ColourText::kGradientInactiveCaption));
}
