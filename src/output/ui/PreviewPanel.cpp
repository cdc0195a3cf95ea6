#include "output/ui/PreviewPanel.h"

#include "app/AppTitle.h"
#include "app/Dialogs.h"
#include "app/TIxvProcs.h"
#include "base/Codepage.h"
#include "base/Errors.h"
#include "base/ScreenMetrics.h"
#include "output/ui/BusyCursor.h"
#include "prefs/PreferenceValues.h"
#include "prefs/SettingsCatalogue.h"

#include <algorithm>

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QToolButton>

namespace {

constexpr int kTabHeight = 28;
constexpr int kCopiesMax = 100;

const QString kNothingToRedraw = QStringLiteral("Nothing to Redraw");
const QString kChoosePages = QStringLiteral("Please select one or more output choices from the "
                                            "Pages list and click on Redraw Preview again.");

class FixedTabBar : public QTabBar {
public:
    using QTabBar::QTabBar;
    QSize size;

protected:
    QSize tabSizeHint(int) const override { return size; }
};

} // namespace

PageArrows::PageArrows(QWidget* parent) : QWidget(parent) {
    for (QToolButton** button : {&m_left, &m_right}) {
        *button = new QToolButton(this);
        (*button)->setArrowType(button == &m_left ? Qt::LeftArrow : Qt::RightArrow);
        (*button)->setFocusPolicy(Qt::NoFocus);
    }
    m_left->setObjectName(QStringLiteral("UpDown1Left"));
    m_right->setObjectName(QStringLiteral("UpDown1Right"));
    connect(m_left, &QToolButton::clicked, this, [this] { emit step(-1); });
    connect(m_right, &QToolButton::clicked, this, [this] { emit step(1); });
}

void PageArrows::resizeEvent(QResizeEvent*) {
    const int half = width() / 2;
    m_left->setGeometry(0, 0, half, height());
    m_right->setGeometry(half, 0, width() - half, height());
}

FixedTabWidget::FixedTabWidget(QWidget* parent) : QTabWidget(parent) {
    setTabBar(new FixedTabBar(this));
}

void FixedTabWidget::setTabSize(const QSize& size) {
    static_cast<FixedTabBar*>(tabBar())->size = size;
    tabBar()->updateGeometry();
    // The tab bar takes a changed tab size only when it lays its tabs out again.
    tabBar()->setTabText(0, tabBar()->tabText(0));
}

PreviewPanelKind PreviewPanelKind::pdf() {
    PreviewPanelKind kind;
    kind.actionName = QStringLiteral("MakePDFBtn");
    kind.actionCaption = QStringLiteral("Make PDF...");
    kind.marginTop = 24;
    return kind;
}

PreviewPanelKind PreviewPanelKind::print() {
    PreviewPanelKind kind;
    kind.actionName = QStringLiteral("PrintBtn");
    kind.actionCaption = QStringLiteral("Print");
    kind.printerLabel = true;
    kind.copies = true;
    kind.graySquares = true;
    kind.marginTop = 12;
    kind.keyboardPaging = true;
    return kind;
}

QRect PreviewPanel::scaled(int x, int y, int w, int h) const {
    return QRect(m_procs.ScaleToPixelsPerInch(x), m_procs.ScaleToPixelsPerInch(y),
                 m_procs.ScaleToPixelsPerInch(w), m_procs.ScaleToPixelsPerInch(h));
}

template <class W> static W* named(W* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

PreviewPanel::PreviewPanel(TIxvProcs& procs, const PreviewPanelKind& kind, QWidget* parent)
    : QWidget(parent), m_procs(procs), m_kind(kind) {
    setObjectName(QStringLiteral("PreviewPanel"));
    setFixedWidth(m_procs.ScaleToPixelsPerInch(kWidth));

    PrintBar = named(new QProgressBar(this), "PrintBar");
    PrintBar->setGeometry(scaled(14, 24, 182, 17));
    PrintBar->setRange(0, 100);
    PrintBar->setTextVisible(false);
    PrintBar->hide();

    UpDown1 = named(new PageArrows(this), "UpDown1");
    UpDown1->setGeometry(scaled(14, 52, 182, 20));
    connect(UpDown1, &PageArrows::step, this, &PreviewPanel::pageStep);

    PageControl1 = named(new FixedTabWidget(this), "PageControl1");
    PageControl1->setGeometry(scaled(14, 85, 182, 292));
    buildSetupPage();
    buildCustomPage();

    const auto button = [this](const QString& name, const QString& text, const QRect& place) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        b->setGeometry(place);
        return b;
    };
    RedrawBtn = button(QStringLiteral("RedrawBtn"), QStringLiteral("Redraw Preview"),
                       scaled(14, 390, 182, 25));
    if (m_kind.printerLabel) {
        PrinterLbl = named(new QLabel(this), "PrinterLbl");
        PrinterLbl->setAlignment(Qt::AlignCenter);
        PrinterLbl->setGeometry(scaled(14, 426, 182, 13));
    }
    SolBtn = button(QStringLiteral("SolBtn"), QStringLiteral("Solution"), scaled(44, 450, 75, 25));
    ActionBtn = button(m_kind.actionName, m_kind.actionCaption, scaled(44, 554, 75, 25));
    CloseBtn = button(QStringLiteral("CloseBtn"), QStringLiteral("Close"), scaled(44, 593, 75, 25));
}

void PreviewPanel::buildSetupPage() {
    SetupPage = named(new QWidget, "SetupPage");
    PageControl1->addTab(SetupPage, QStringLiteral("Setup"));

    PagesGroup = named(new QGroupBox(QStringLiteral(" Pages "), SetupPage), "PagesGroup");
    PagesGroup->setGeometry(scaled(6, 6, 168, 134));
    QFont pagesFont(QStringLiteral("Arial"));
    pagesFont.setPixelSize(m_procs.ScaleToPixelsPerInch(12));
    QPalette black = PagesGroup->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    const std::pair<QCheckBox**, const char*> pages[] = {
        {&MSChk, "Manuscript"},    {&MSGChk, "Manuscript Grid Only"}, {&NGChk, "Numbered Grid"},
        {&SGChk, "Solution Grid"}, {&PPChk, "Puzzle Page"},
    };
    const char* const names[] = {"MSChk", "MSGChk", "NGChk", "SGChk", "PPChk"};
    for (int i = 0; i < 5; ++i) {
        auto* box = new QCheckBox(QString::fromLatin1(pages[i].second), PagesGroup);
        box->setObjectName(QLatin1String(names[i]));
        box->setFont(pagesFont);
        box->setPalette(black);
        box->setGeometry(scaled(10, 20 + 22 * i, 150, 20));
        *pages[i].first = box;
    }

    OptionsGroup = named(new QGroupBox(QStringLiteral(" Options "), SetupPage), "OptionsGroup");
    OptionsGroup->setGeometry(scaled(6, 148, 168, m_kind.copies ? 84 : 52));
    if (m_kind.copies) {
        CopyLbl = named(new QLabel(QStringLiteral("Copies:"), OptionsGroup), "CopyLbl");
        CopyLbl->setGeometry(scaled(10, 24, 44, 16));
        CopyEd = named(new QSpinBox(OptionsGroup), "CopyEd");
        CopyEd->setRange(1, kCopiesMax);
        CopyEd->setGeometry(scaled(58, 20, 56, 22));
    }
    SolOkChk =
        named(new QCheckBox(QStringLiteral("Sol with Puzzle Page"), OptionsGroup), "SolOkChk");
    SolOkChk->setGeometry(scaled(10, m_kind.copies ? 54 : 22, 150, 20));
}

void PreviewPanel::buildCustomPage() {
    CustomPage = named(new QWidget, "CustomPage");
    PageControl1->addTab(CustomPage, QStringLiteral("Customize"));

    FontsGroup = named(new QGroupBox(QStringLiteral(" Fonts "), CustomPage), "FontsGroup");
    FontsGroup->setGeometry(scaled(6, 6, 168, 84));
    MsFontBtn = named(new QPushButton(QStringLiteral("Manuscript"), FontsGroup), "MsFontBtn");
    MsFontBtn->setGeometry(scaled(10, 20, 100, 25));
    PuzzPgFontBtn =
        named(new QPushButton(QStringLiteral("Puzzle Page"), FontsGroup), "PuzzPgFontBtn");
    PuzzPgFontBtn->setGeometry(scaled(10, 50, 100, 25));
    for (QPushButton* b : {MsFontBtn, PuzzPgFontBtn})
        b->setAutoDefault(false);
    ByChk = named(new QCheckBox(QStringLiteral("By"), FontsGroup), "ByChk");
    ByChk->setGeometry(scaled(118, 52, 44, 20));

    MarginGroup = named(new QGroupBox(CustomPage), "MarginGroup");
    MarginGroup->setGeometry(scaled(6, 96, 168, 76));
    // Whole lines from 1 to 9; the box refuses anything else as it is typed.
    MarginEd = named(new QSpinBox(MarginGroup), "MarginEd");
    MarginEd->setRange(ComposerOptions::kMinBottomMargin, ComposerOptions::kMaxBottomMargin);
    MarginEd->setGeometry(scaled(10, m_kind.marginTop, 44, 22));
    MarginLbl = named(new QLabel(QStringLiteral("Bottom margin"), MarginGroup), "MarginLbl");
    MarginLbl->setGeometry(scaled(60, m_kind.marginTop + 3, 100, 16));
    if (m_kind.graySquares) {
        GrayChk = named(new QCheckBox(QStringLiteral("Gray squares"), MarginGroup), "GrayChk");
        GrayChk->setGeometry(scaled(10, 46, 150, 20));
    }

    TitleGroup = named(new QGroupBox(QStringLiteral(" Title "), CustomPage), "TitleGroup");
    TitleGroup->setGeometry(scaled(6, 178, 168, 56));
    TitleEd = named(new QLineEdit(TitleGroup), "TitleEd");
    TitleEd->setGeometry(scaled(10, 22, 148, 22));
}

void PreviewPanel::resetChoices(const QString& title) {
    PageControl1->setTabSize(
        QSize(qRound(PageControl1->width() / 2.0) - 4, m_procs.ScaleToPixelsPerInch(kTabHeight)));
    for (QCheckBox* box : {MSGChk, NGChk, SGChk, PPChk})
        box->setChecked(false);
    MSChk->setChecked(true);
    SolOkChk->setChecked(true);
    ByChk->setChecked(true);
    MarginEd->setValue(ComposerOptions::kMinBottomMargin);
    if (CopyEd)
        CopyEd->setValue(1);
    TitleEd->setText(title);
    PageControl1->setCurrentWidget(SetupPage);
}

ComposerOptions PreviewPanel::options() const {
    ComposerOptions options;
    options.pageTitle = Codepage::fromUnicodeLossy(TitleEd->text());
    options.bottomMargin = MarginEd->value();
    options.blackSquareColour =
        ComposerOptions::blackSquareColourFor(GrayChk && GrayChk->isChecked());
    options.by = ByChk->isChecked();
    options.solutionWithPuzzlePage = SolOkChk->isChecked();
    options.manuscript = MSChk->isChecked();
    options.manuscriptGrid = MSGChk->isChecked();
    options.numberedGrid = NGChk->isChecked();
    options.solutionGrid = SGChk->isChecked();
    options.puzzlePage = PPChk->isChecked();
    return options;
}

bool PreviewPanel::compose(const QList<QByteArray>& solutionLines,
                           const std::function<void(const ComposerOptions&)>& composition) {
    ComposerOptions chosen = options();
    chosen.solutionLines = solutionLines;
    try {
        const BusyCursor busy;
        composition(chosen);
        return true;
    } catch (const IxvError& failure) {
        if (Dialogs* dialogs = m_procs.dialogs())
            dialogs->error(window(), applicationTitle(), failure.message());
        return false;
    }
}

bool PreviewPanel::anyPageChosen() const {
    return options().anyPageChosen();
}

bool PreviewPanel::checkPagesChosen() {
    if (anyPageChosen())
        return true;
    if (m_procs.dialogs())
        m_procs.dialogs()->warning(window(), kNothingToRedraw, kChoosePages);
    return false;
}

bool PreviewPanel::chooseFont(const Settings::FontSettings& font) {
    const Settings::StoredFont stored = Settings::readFont(m_procs, font);
    Dialogs::FontChoice choice{stored.font(), stored.colour};
    if (!m_procs.dialogs() || !m_procs.dialogs()->chooseFont(window(), choice))
        return false;
    const FontValue chosen = FontValue::fromQFont(choice.font, choice.colour);
    Settings::writeText(m_procs, font.name, chosen.name);
    Settings::writeFontStyle(m_procs, font.style, chosen.style);
    Settings::writeInt(m_procs, font.size, chosen.size);
    Settings::writeColour(m_procs, font.colour, chosen.colour);
    return true;
}

void PreviewPanel::runProgress() {
    PrintBar->setValue(0);
    PrintBar->show();
    for (int step = 1; step <= 10; ++step) {
        m_procs.WaitPumping(25);
        PrintBar->setValue(step * 10);
    }
    m_procs.WaitPumping(750);
    PrintBar->hide();
}

// The window sees Page Up and Page Down before any of its controls, whichever has the focus.
void PreviewPanel::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_kind.keyboardPaging && !m_keysWatched) {
        QCoreApplication::instance()->installEventFilter(this);
        m_keysWatched = true;
    }
}

void PreviewPanel::hideEvent(QHideEvent* event) {
    if (m_keysWatched) {
        QCoreApplication::instance()->removeEventFilter(this);
        m_keysWatched = false;
    }
    QWidget::hideEvent(event);
}

bool PreviewPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return false;
    const auto* target = qobject_cast<QWidget*>(watched);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (!target || target->window() != window() ||
        (key != Qt::Key_PageDown && key != Qt::Key_PageUp))
        return false;
    if (event->type() == QEvent::KeyPress)
        emit pageStep(key == Qt::Key_PageDown ? 1 : -1);
    event->accept();
    return true;
}

void PreviewPanel::placeWindow(const ScreenMetrics& screen) {
    QWidget* frame = window();
    const QRect tabs = PageControl1->geometry();
    const int width = int(screen.screenHeight * 8.5 / 11) + 2 * tabs.left() + tabs.width() -
                      2 * screen.frameHeight;
    const int height = screen.screenHeight - 2 * screen.captionHeight - 2 * screen.frameHeight;
    frame->resize(width, height);
    const int rightmost = screen.screenWidth - width - 2 * screen.frameHeight;
    frame->move(std::max(0, std::min(frame->x(), rightmost)), screen.captionHeight);
}
