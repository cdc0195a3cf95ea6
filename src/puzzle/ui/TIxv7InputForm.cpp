#include "puzzle/ui/TIxv7InputForm.h"
#include "app/AppTitle.h"

#include "app/AppContext.h"
#include "app/Dialogs.h"
#include "base/Codepage.h"
#include "base/FontAvailability.h"
#include "base/Rounding.h"
#include "prefs/SettingsCatalogue.h"
#include "puzzle/Construction.h"
#include "puzzle/PuzzleFile.h"
#include "puzzle/WordOperations.h"
#include "puzzle/ui/CodepageInput.h"
#include "puzzle/ui/WindowLook.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBlock>
#include <QToolButton>

namespace {

constexpr int kBorder = 8;
constexpr int kClientWidth = 632;
constexpr int kClientHeight = 449;
constexpr int kMemoWidth = 477;
constexpr int kMemoHeight = 402;
constexpr int kEditTop = 416;
constexpr int kEditHeight = 27;
constexpr int kShadow = 6;
constexpr int kColumnWidth = 75;
constexpr int kTextPixelSize = 21;

QWidget* lightPanel(QWidget* parent) {
    auto* panel = new QWidget(parent);
    panel->setAutoFillBackground(true);
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Light));
    panel->setPalette(pal);
    return panel;
}

QLabel* framedLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(pixelFont(QStringLiteral("Arial"), 13));
    setTextColour(label, QColor(0, 0, 128)); // navy
    return label;
}

// Steps the number in a manual size box within its range, like a spin control beside it.
void stepNumber(QLineEdit* edit, int delta, int lo, int hi) {
    bool ok = false;
    int v = edit->text().trimmed().toInt(&ok);
    v = ok ? qBound(lo, v + delta, hi) : lo;
    edit->setText(QString::number(v));
}

QToolButton* arrowButton(Qt::ArrowType arrow, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

TIxv7InputForm::TIxv7InputForm(AppContext& ctx, const QString& newFileName, QWidget* parent)
    : QDialog(parent), m_ctx(ctx), m_fileName(newFileName) {
    setWindowTitle(captionFor(newFileName));
    setFont(pixelFont(QStringLiteral("Tahoma"), 11)); // the main window's
    setSizeGripEnabled(true);
    // The client area inside an 8-pixel border; the design size is also the smallest.
    resize(kClientWidth + 2 * kBorder, kClientHeight + 2 * kBorder);
    setMinimumSize(size());

    m_paintBox1 = lightPanel(this);
    m_paintBox2 = lightPanel(this);
    m_paintBox3 = lightPanel(this);

    QuoteMemo = new QPlainTextEdit(this);
    QuoteMemo->setObjectName(QStringLiteral("QuoteMemo"));
    QuoteMemo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QuoteMemo->setTabChangesFocus(true); // Tab moves on to the author-title line
    CodepageInput::install(QuoteMemo);
    QuoteMemo->installEventFilter(this);

    AcrosticEdit = new QLineEdit(this);
    AcrosticEdit->setObjectName(QStringLiteral("AcrosticEdit"));
    AcrosticEdit->setFrame(false);

    m_rightColumn = new QWidget(this);
    m_modeBevel = new QFrame(m_rightColumn);
    m_modeBevel->setFrameShape(QFrame::Box);
    m_modeBevel->setFrameShadow(QFrame::Sunken);
    AutoBtn = new QRadioButton(QStringLiteral("Auto"), m_modeBevel);
    ManualBtn = new QRadioButton(QStringLiteral("Manual"), m_modeBevel);
    AutoBtn->setGeometry(6, 6, kColumnWidth - 8, 22);
    ManualBtn->setGeometry(6, 30, kColumnWidth - 8, 22);
    connect(AutoBtn, &QRadioButton::clicked, this, &TIxv7InputForm::AutoBtnClick);
    connect(ManualBtn, &QRadioButton::clicked, this, &TIxv7InputForm::AutoBtnClick);

    m_widthLabel = new QLabel(QStringLiteral(" Width"), m_rightColumn);
    WidthEd = new QLineEdit(QStringLiteral("10"), m_rightColumn);
    m_widthUp = arrowButton(Qt::UpArrow, m_rightColumn);
    m_widthDown = arrowButton(Qt::DownArrow, m_rightColumn);
    m_heightLabel = new QLabel(QStringLiteral(" Height"), m_rightColumn);
    HeightEd = new QLineEdit(QStringLiteral("8"), m_rightColumn);
    m_heightUp = arrowButton(Qt::UpArrow, m_rightColumn);
    m_heightDown = arrowButton(Qt::DownArrow, m_rightColumn);
    for (QLineEdit* edit : {AcrosticEdit, WidthEd, HeightEd})
        CodepageInput::install(edit);
    connect(m_widthUp, &QToolButton::clicked, this, [this] { stepNumber(WidthEd, 1, 10, 31); });
    connect(m_widthDown, &QToolButton::clicked, this, [this] { stepNumber(WidthEd, -1, 10, 31); });
    connect(m_heightUp, &QToolButton::clicked, this, [this] { stepNumber(HeightEd, 1, 8, 20); });
    connect(m_heightDown, &QToolButton::clicked, this, [this] { stepNumber(HeightEd, -1, 8, 20); });

    m_countHeading = framedLabel(QStringLiteral(" Quotation Count"), m_rightColumn);
    m_countHeading->setWordWrap(true);
    QcLbl = framedLabel(QStringLiteral("0"), m_rightColumn);

    FormatBtn = new QPushButton(QStringLiteral("&Format"), m_rightColumn);
    MakeBtn = new QPushButton(QStringLiteral("Make"), m_rightColumn);
    CancelBtn = new QPushButton(QStringLiteral("Cancel"), m_rightColumn);
    for (QPushButton* b : {FormatBtn, MakeBtn, CancelBtn})
        b->setAutoDefault(false);
    connect(FormatBtn, &QPushButton::clicked, this, &TIxv7InputForm::FormatBtnClick);
    connect(MakeBtn, &QPushButton::clicked, this, &TIxv7InputForm::MakeBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject); // Escape does the same

    QFont textFont(textFontFamily());
    textFont.setPixelSize(kTextPixelSize);
    QuoteMemo->setFont(textFont);
    AcrosticEdit->setFont(textFont);
    layOut();
}

QString TIxv7InputForm::textFontFamily() {
    return FontAvailability::firstInstalled({QStringLiteral("Consolas"),
                                             QStringLiteral("Lucida Console"),
                                             QStringLiteral("Courier New")});
}

QString TIxv7InputForm::captionFor(const QString& newFileName) {
    QString shown = PuzzleFile::puzzleName(newFileName);
    for (QChar& ch : shown) {
        if (ch >= u'a' && ch <= u'z')
            ch = ch.toUpper();
    }
    return QStringLiteral("Quotation and Author-Title of ") + shown;
}

void TIxv7InputForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TIxv7InputForm::FormShow() {
    if (Settings::readFlagValue(m_ctx.procs, Settings::AllowHyph) == 1)
        m_ctx.letters.takeConstructionHyphens();
    m_needsBuild = true;
    m_built.reset();
    AutoBtn->setChecked(true);
    WidthEd->setText(QStringLiteral("10"));
    HeightEd->setText(QStringLiteral("8"));
    QcLbl->setText(QStringLiteral("0"));
    AutoBtnClick();
    QuoteMemo->clear();
    AcrosticEdit->clear();
    QuoteMemo->setFocus();
    m_rememberedWidth = QuoteMemo->width();
    m_rememberedFontSize = QuoteMemo->font().pixelSize();
}

void TIxv7InputForm::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    layOut();
    FormResize();
}

void TIxv7InputForm::FormResize() {
    if (m_rememberedWidth <= 0)
        return; // not shown yet: nothing remembered
    QFont font = QuoteMemo->font();
    const int size = static_cast<int>(
        roundDivHalfEven(qint64(QuoteMemo->width()) * m_rememberedFontSize, m_rememberedWidth));
    font.setPixelSize(qMax(1, size));
    QuoteMemo->setFont(font);
    AcrosticEdit->setFont(font);
}

// The quotation box grows with the dialog; the author-title box follows the bottom edge; the
// right column keeps its distance from the right edge.
void TIxv7InputForm::layOut() {
    const int innerWidth = width() - 2 * kBorder;
    const int innerHeight = height() - 2 * kBorder;
    const int growX = innerWidth - kClientWidth;
    const int growY = innerHeight - kClientHeight;
    const int memoWidth = kMemoWidth + growX;
    const int memoHeight = kMemoHeight + growY;
    const int editTop = kEditTop + growY;

    QuoteMemo->setGeometry(kBorder, kBorder, memoWidth, memoHeight);
    AcrosticEdit->setGeometry(kBorder, kBorder + editTop, memoWidth, kEditHeight);
    m_paintBox1->setGeometry(kBorder + kShadow, kBorder + kShadow, memoWidth, memoHeight);
    m_paintBox2->setGeometry(kBorder + kShadow, kBorder + editTop + kShadow, memoWidth,
                             kEditHeight);
    const int columnLeft = kBorder + innerWidth - kColumnWidth;
    m_paintBox3->setGeometry(columnLeft, kBorder, kColumnWidth, innerHeight);
    m_paintBox3->lower();
    m_paintBox1->lower();
    m_paintBox2->lower();

    m_rightColumn->setGeometry(columnLeft, kBorder, kColumnWidth, innerHeight);
    const int w = kColumnWidth;
    m_modeBevel->setGeometry(0, 0, w, 58);
    m_widthLabel->setGeometry(0, 66, w, 18);
    WidthEd->setGeometry(0, 84, w - 18, 24);
    m_widthUp->setGeometry(w - 18, 84, 18, 12);
    m_widthDown->setGeometry(w - 18, 96, 18, 12);
    m_heightLabel->setGeometry(0, 114, w, 18);
    HeightEd->setGeometry(0, 132, w - 18, 24);
    m_heightUp->setGeometry(w - 18, 132, 18, 12);
    m_heightDown->setGeometry(w - 18, 144, 18, 12);
    m_countHeading->setGeometry(0, 168, w, 40);
    QcLbl->setGeometry(0, 210, w, 24);
    const int bottom = innerHeight;
    CancelBtn->setGeometry(0, bottom - 28, w, 28);
    MakeBtn->setGeometry(0, bottom - 62, w, 28);
    FormatBtn->setGeometry(0, bottom - 96, w, 28);
}

void TIxv7InputForm::AutoBtnClick() {
    const bool manual = ManualBtn->isChecked();
    for (QWidget* w :
         std::initializer_list<QWidget*>{WidthEd, HeightEd, m_widthUp, m_widthDown, m_heightUp,
                                         m_heightDown, m_widthLabel, m_heightLabel})
        w->setEnabled(manual);
    if (AutoBtn->isChecked()) {
        WidthEd->setText(QStringLiteral("10"));
        HeightEd->setText(QStringLiteral("8"));
    }
}

bool TIxv7InputForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == QuoteMemo) {
        if (event->type() == QEvent::KeyPress)
            QuoteMemoKeyPress(static_cast<QKeyEvent*>(event)->text());
        else if (event->type() == QEvent::KeyRelease)
            QuoteMemoKeyUp(static_cast<QKeyEvent*>(event)->key());
    }
    return QDialog::eventFilter(watched, event);
}

void TIxv7InputForm::QuoteMemoKeyPress(const QString& typed) {
    if (typed.size() != 1)
        return;
    const auto byte = Codepage::fromUnicode(typed.at(0));
    if (byte && m_ctx.letters.counterCharacters().contains(*byte))
        QcLbl->setText(QString::number(QcLbl->text().toInt() + 1));
}

void TIxv7InputForm::QuoteMemoKeyUp(int key) {
    if (key == Qt::Key_Delete || key == Qt::Key_Backspace)
        QcLbl->setText(QString::number(countCharacters()));
}

int TIxv7InputForm::countCharacters() const {
    const CharSet counted = m_ctx.letters.counterCharacters();
    int n = 0;
    for (QChar ch : QuoteMemo->toPlainText()) {
        const auto byte = Codepage::fromUnicode(ch);
        if (byte && counted.contains(*byte))
            ++n;
    }
    return n;
}

bool TIxv7InputForm::BuildPuzzle() {
    Construction::Input input;
    input.quotation = Codepage::fromUnicodeLossy(QuoteMemo->toPlainText());
    input.authorTitle = Codepage::fromUnicodeLossy(AcrosticEdit->text());
    input.manual = ManualBtn->isChecked();
    input.manualWidth = WidthEd->text();
    input.manualHeight = HeightEd->text();
    input.quotationCharacters = m_ctx.letters.quotationCharacters();
    input.seedLetters = m_ctx.letters.seedLetters();
    input.constructorName =
        Codepage::fromUnicodeLossy(Settings::readText(m_ctx.procs, Settings::NameInRecord));
    RandomSource random = RandomSource::fromClock();
    Construction::Result result = Construction::BuildPuzzle(input, random);
    if (!result.record) {
        m_ctx.procs.PlayWarningSound();
        if (m_ctx.procs.dialogs())
            m_ctx.procs.dialogs()->information(this, applicationTitle(), result.message);
        return false;
    }
    m_built = std::move(result.record);
    return true;
}

void TIxv7InputForm::FormatBtnClick() {
    // Format checks only the author-title line.
    if (Construction::missingText(QStringLiteral(" "), AcrosticEdit->text()) !=
        Construction::MissingText::None) {
        m_ctx.procs.ShowAttention(
            Construction::missingTextMessage(Construction::MissingText::AuthorTitle), this);
        AcrosticEdit->setFocus();
        return;
    }
    if (!BuildPuzzle())
        return;
    m_needsBuild = false;
    QuoteMemo->clear();
    AcrosticEdit->clear();
    const PuzzleRecord& rec = *m_built;
    QStringList rows;
    for (int r = 1; r <= rec.GridHeight; ++r) {
        QByteArray line;
        for (int c = 1; c <= rec.GridWidth; ++c) {
            const quint8 ch = rec.letter(c, r);
            line += static_cast<char>(ch == BlackSquare ? 0xB7 : ch); // '·' for a black square
        }
        rows << Codepage::toUnicode(line);
    }
    QuoteMemo->setPlainText(rows.join(u'\n'));
    AcrosticEdit->setText(Codepage::toUnicode(WordOps::initialsLine(rec)));
}

void TIxv7InputForm::MakeBtnClick() {
    const auto missing = Construction::missingText(QuoteMemo->toPlainText(), AcrosticEdit->text());
    if (missing != Construction::MissingText::None) {
        m_ctx.procs.ShowAttention(Construction::missingTextMessage(missing), this);
        if (missing == Construction::MissingText::Quotation)
            QuoteMemo->setFocus();
        else
            AcrosticEdit->setFocus();
        return;
    }
    if (m_needsBuild && !BuildPuzzle())
        return;
    accept();
}
