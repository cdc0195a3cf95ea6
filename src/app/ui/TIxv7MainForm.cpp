#include "app/ui/TIxv7MainForm.h"
#include "app/AppTitle.h"

#include "app/AppContext.h"
#include "app/Dialogs.h"
#include "app/ui/HelpWindow.h"
#include "app/ui/MainToolBars.h"
#include "app/ui/TIxv7AboutForm.h"
#include "app/ui/TMsgBar.h"
#include "base/Errors.h"
#include "prefs/ColourText.h"
#include "prefs/SettingsCatalogue.h"
#include "puzzle/ui/CodepageInput.h"
#include "puzzle/ui/WindowLook.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QScreen>
#include <QStackedWidget>
#include <QStatusTipEvent>
#include <QWindow>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr quint32 kInactiveCaption = 0xFF000000u + 3;
constexpr quint32 kBtnFace = 0xFF000000u + 15;
constexpr quint32 kGradientInactiveCaption = 0xFF000000u + 28;

// An 8-pixel gap with a groove, between groups of tool buttons.
QWidget* separator(QWidget* parent) {
    auto* line = new QLabel(parent);
    line->setFixedSize(8, 64);
    line->setFrameStyle(QFrame::VLine | QFrame::Sunken);
    return line;
}

QString leftOutNotice(int count) {
    return count == 1 ? QStringLiteral("1 character that a puzzle cannot hold was left out.")
                      : QStringLiteral("%1 characters that a puzzle cannot hold were left out.")
                            .arg(count);
}

QIcon buttonIcon(const ToolButtonSpec& spec) {
    const QIcon own(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(spec.ownIcon)));
    return spec.themeIcon ? QIcon::fromTheme(QLatin1String(spec.themeIcon), own) : own;
}
} // namespace

TIxv7MainForm::TIxv7MainForm(AppContext& ctx, DesktopServices& desktop, QStringList arguments,
                             QWidget* parent)
    : QMainWindow(parent), m_ctx(ctx), m_desktop(desktop), m_arguments(std::move(arguments)) {
    m_editors.ctx = &m_ctx;
    FormCreate();
}

TIxv7MainForm::~TIxv7MainForm() = default;

void TIxv7MainForm::FormCreate() {
    setWindowTitle(applicationTitle());
    setWindowIcon(QIcon(QStringLiteral(":/icons/ixenvar.svg")));
    setFont(pixelFont(QStringLiteral("Tahoma"), 11));
    setMinimumSize(800, 600);
    resize(812, 564);

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    MenuTabs = new QTabBar(central);
    MenuTabs->setObjectName(QStringLiteral("MenuTabs"));
    MenuTabs->setDrawBase(false);
    MenuTabs->setExpanding(false);
    MenuTabs->setFont(pixelFont(QStringLiteral("Segoe UI"), 11));
    MenuTabs->setStyleSheet(
        QStringLiteral("QTabBar { background: %1; }"
                       "QTabBar::tab { height: 25px; background: %2; padding: 0 2px; }"
                       "QTabBar::tab:selected { background: %3; }")
            .arg(ColourText::toQColor(kInactiveCaption).name(),
                 ColourText::toQColor(kBtnFace).name(),
                 ColourText::toQColor(kGradientInactiveCaption).name()));
    MenuTabs->setAutoFillBackground(true);
    QPalette tabPal = MenuTabs->palette();
    tabPal.setColor(QPalette::Window, ColourText::toQColor(kInactiveCaption));
    MenuTabs->setPalette(tabPal);
    for (const ToolBarSpec& bar : mainToolBars())
        MenuTabs->addTab(QStringLiteral("   %1   ").arg(QLatin1String(bar.tab)));
    column->addWidget(MenuTabs);

    toolBarStack = new QStackedWidget(central);
    toolBarStack->setFixedHeight(65);
    column->addWidget(toolBarStack);
    buildToolBars();

    mdiArea = new QMdiArea(central);
    mdiArea->setObjectName(QStringLiteral("mdiArea"));
    column->addWidget(mdiArea, 1);
    setCentralWidget(central);

    MsgBar = new TMsgBar(this);
    MsgBar->setObjectName(QStringLiteral("MsgBar"));
    setStatusBar(MsgBar);
    StatBarPop = new QMenu(this);
    StatBarPop->addAction(QStringLiteral("Save"), this, &TIxv7MainForm::SaveBtnClick);
    StatBarPop->addAction(QStringLiteral("Revert to Last Saved"), this,
                          &TIxv7MainForm::RevertBtnClick);
    connect(MsgBar, &TMsgBar::editedPanelPressed, this, &TIxv7MainForm::MsgBarMouseDown);
    connect(&m_ctx, &AppContext::editedChanged, this, [this](bool edited) {
        MsgBar->setPanelText(2, edited ? QStringLiteral("EDITED") : QString());
    });
    // Text pasted or dropped into any field without the characters a puzzle cannot hold says
    // so for a second.
    connect(&CodepageInputReports::instance(), &CodepageInputReports::charactersLeftOut, this,
            [this](int count) { MsgBar->flashPanelText(1, leftOutNotice(count), 1000); });

    SaveAction = new QAction(QStringLiteral("Save"), this);
    SaveAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    SaveAction->setShortcutContext(Qt::WindowShortcut);
    connect(SaveAction, &QAction::triggered, this, &TIxv7MainForm::SaveBtnClick);
    addAction(SaveAction);
    SpillAction = new QAction(QStringLiteral("Spill"), this);
    SpillAction->setShortcut(QKeySequence(Qt::Key_F8));
    SpillAction->setShortcutContext(Qt::WindowShortcut);
    connect(SpillAction, &QAction::triggered, this, &TIxv7MainForm::SpillActionExecute);
    addAction(SpillAction);

    connect(MenuTabs, &QTabBar::currentChanged, this, &TIxv7MainForm::MenuTabsClick);
    connectButtons();
    updateEnabledButtons();
    setUpUndo();
    MenuTabsClick();
}

void TIxv7MainForm::buildToolBars() {
    const QFont captionFont = pixelFont(QStringLiteral("Segoe UI"), 13);
    for (const ToolBarSpec& spec : mainToolBars()) {
        auto* bar = new QToolBar(QLatin1String(spec.name), toolBarStack);
        bar->setObjectName(QLatin1String(spec.name));
        bar->setMovable(false);
        bar->setFloatable(false);
        bar->setIconSize(QSize(32, 32));
        bar->setFixedHeight(65);
        bar->setContentsMargins(0, 0, 0, 0);
        auto* indent = new QWidget(bar);
        indent->setFixedWidth(6);
        bar->addWidget(indent);
        for (const ToolButtonSpec& b : spec.buttons) {
            auto* button = new QToolButton(bar);
            button->setObjectName(QLatin1String(b.name));
            button->setText(QString::fromUtf8(b.caption));
            button->setStatusTip(QString::fromUtf8(b.hint));
            button->setIcon(buttonIcon(b));
            button->setIconSize(QSize(32, 32));
            button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
            button->setAutoRaise(true);
            button->setFont(captionFont);
            // The bar's button width, or wider where the caption needs it in this font.
            const int captionWidth =
                QFontMetrics(captionFont).horizontalAdvance(button->text()) + 10;
            button->setFixedSize(qMax(spec.buttonWidth, captionWidth), 64);
            bar->addWidget(button);
            m_buttons.insert(button->objectName(), button);
            if (b.separatorAfter)
                bar->addWidget(separator(bar));
        }
        toolBarStack->addWidget(bar);
        m_bars.insert(bar->objectName(), bar);
    }
    button(QStringLiteral("SaveBtn"))
        ->setToolTip(QStringLiteral("Save the current puzzle (Ctrl+S)."));
}

void TIxv7MainForm::connectButtons() {
    const QHash<QString, void (TIxv7MainForm::*)()> handlers = {
        {QStringLiteral("OpenPuzzleBtn"), &TIxv7MainForm::OpenPuzzleBtnClick},
        {QStringLiteral("CreateNewBtn"), &TIxv7MainForm::CreateNewBtnClick},
        {QStringLiteral("SaveBtn"), &TIxv7MainForm::SaveBtnClick},
        {QStringLiteral("SaveAsBtn"), &TIxv7MainForm::SaveAsBtnClick},
        {QStringLiteral("CloseBtn"), &TIxv7MainForm::CloseBtnClick},
        {QStringLiteral("RevertBtn"), &TIxv7MainForm::RevertBtnClick},
        {QStringLiteral("XMLBtn"), &TIxv7MainForm::XMLBtnClick},
        {QStringLiteral("PrnSetupBtn"), &TIxv7MainForm::PrnSetupBtnClick},
        {QStringLiteral("PrintBtn"), &TIxv7MainForm::PrintBtnClick},
        {QStringLiteral("ToPDFBtn"), &TIxv7MainForm::ToPDFBtnClick},
        {QStringLiteral("DictBtn"), &TIxv7MainForm::DictBtnClick},
        {QStringLiteral("ThesBtn"), &TIxv7MainForm::ThesBtnClick},
        {QStringLiteral("SuggestBtn"), &TIxv7MainForm::SuggestBtnClick},
        {QStringLiteral("QuoteBtn"), &TIxv7MainForm::QuoteBtnClick},
        {QStringLiteral("ScratchBtn"), &TIxv7MainForm::ScratchBtnClick},
        {QStringLiteral("MailBtn"), &TIxv7MainForm::MailBtnClick},
        {QStringLiteral("PrefsBtn"), &TIxv7MainForm::PrefsBtnClick},
        {QStringLiteral("HelpContents"), &TIxv7MainForm::HelpContentsClick},
        {QStringLiteral("HelpKeywordIndex"), &TIxv7MainForm::HelpKeywordIndexClick},
        {QStringLiteral("AboutBtn"), &TIxv7MainForm::AboutBtnClick},
        {QStringLiteral("SquaresBtn"), &TIxv7MainForm::SquaresBtnClick},
        {QStringLiteral("LettersBtn"), &TIxv7MainForm::LettersBtnClick},
        {QStringLiteral("SpillBtn"), &TIxv7MainForm::SpillBtnClick},
        {QStringLiteral("AutoclueBtn"), &TIxv7MainForm::AutoclueBtnClick},
        {QStringLiteral("SpecsBtn"), &TIxv7MainForm::SpecsBtnClick},
    };
    for (auto it = handlers.begin(); it != handlers.end(); ++it)
        connect(button(it.key()), &QToolButton::clicked, this, it.value());
    connectOutputButtons();
}

// Buttons whose windows and outputs are not part of the program yet stay greyed.
void TIxv7MainForm::updateEnabledButtons() {
    static const QStringList working = {
        QStringLiteral("OpenPuzzleBtn"), QStringLiteral("CreateNewBtn"),
        QStringLiteral("SaveBtn"),       QStringLiteral("SaveAsBtn"),
        QStringLiteral("CloseBtn"),      QStringLiteral("RevertBtn"),
        QStringLiteral("XMLBtn"),        QStringLiteral("PrnSetupBtn"),
        QStringLiteral("HelpContents"),  QStringLiteral("HelpKeywordIndex"),
        QStringLiteral("AboutBtn"),      QStringLiteral("SquaresBtn"),
        QStringLiteral("LettersBtn"),    QStringLiteral("SpillBtn"),
        QStringLiteral("AutoclueBtn"),   QStringLiteral("SpecsBtn"),
        QStringLiteral("PrefsBtn"),      QStringLiteral("SuggestBtn"),
        QStringLiteral("RTFMsBtn"),      QStringLiteral("ClipbdBtn"),
        QStringLiteral("MetaBtn"),       QStringLiteral("EPSBtn"),
        QStringLiteral("ToPDFBtn"),      QStringLiteral("PrintBtn"),
    };
    for (auto it = m_buttons.begin(); it != m_buttons.end(); ++it)
        it.value()->setEnabled(working.contains(it.key()));
    applyToolSettings();
}

void TIxv7MainForm::MenuTabsClick() {
    toolBarStack->setCurrentIndex(MenuTabs->currentIndex());
}

bool TIxv7MainForm::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        MsgBar->setPanelText(0, static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void TIxv7MainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void TIxv7MainForm::FormShow() {
    if (m_beforeStartup)
        std::exchange(m_beforeStartup, nullptr)();
    const History history = m_ctx.history();
    if (history.exists())
        history.PruneHistory();
    applyToolSettings();
    placeWindow();
    MenuTabsClick();
    m_editors.slideOn = Settings::readBool(m_ctx.procs, Settings::SlideOn);
    createEditingWindows();
    MsgBar->setFixedHeight(m_ctx.procs.ScaleToScreenHeight(22));
    MsgBar->FormResize();
    // The editing area takes its final height now, not at the next turn of the event loop:
    // the start-up opening places the editing windows in it.
    layout()->activate();
    StartupOpening();
}

void TIxv7MainForm::placeWindow() {
    const ScreenMetrics& m = m_ctx.procs.metrics();
    QRect bounds(1, 1, m.screenWidth - 2, m.screenHeight - 2);
    if (Settings::readBoolEqualsTrue(m_ctx.procs, Settings::UserDesktop))
        bounds = QRect(Settings::readInt(m_ctx.procs, Settings::UserLeft),
                       Settings::readInt(m_ctx.procs, Settings::UserTop),
                       Settings::readInt(m_ctx.procs, Settings::UserWidth),
                       Settings::readInt(m_ctx.procs, Settings::UserHeight));
    // The bounds are the outer frame's: the window's own area is smaller by the frame and the
    // caption, as the window system reports them once the window is framed, or as the screen
    // metrics give them before.
    QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    if (frame.isNull())
        frame = QMargins(m.frameHeight, m.captionHeight + m.frameHeight, m.frameHeight,
                         m.frameHeight);
    move(bounds.topLeft());
    resize(bounds.size().shrunkBy(frame).expandedTo(minimumSize()));
}

void TIxv7MainForm::closeEvent(QCloseEvent* event) {
    // FormCloseQuery: unsaved changes are saved, dropped or keep the program running. The
    // event stays refused until then, so a save that fails keeps the program and the work.
    event->ignore();
    try {
        if (m_ctx.Edited() && !AskSaveChanges())
            return;
        m_ctx.SetEdited(false); // saved, or dropped with the program
    } catch (const IxvError& e) {
        m_ctx.procs.dialogs()->error(this, applicationTitle(), e.message());
        return;
    }
    // FormClose: the help viewer goes with the program.
    if (m_help)
        m_help->close();
    event->accept();
}

void TIxv7MainForm::CloseBtnClick() {
    close();
}

HelpWindow* TIxv7MainForm::helpWindow() const {
    return m_help;
}

void TIxv7MainForm::XMLBtnClick() {
    m_ctx.procs.dialogs()->information(
        this, applicationTitle(),
        QStringLiteral("Standard acrostic XML format is currently unavailable"));
}

void TIxv7MainForm::PrnSetupBtnClick() {
    m_ctx.procs.dialogs()->printerSetup(this, m_printer);
}

void TIxv7MainForm::HelpContentsClick() {
    if (!m_help)
        m_help = new HelpWindow(this);
    m_help->showPage(QStringLiteral("index.html"));
}

void TIxv7MainForm::HelpKeywordIndexClick() {
    if (!m_help)
        m_help = new HelpWindow(this);
    m_help->showPage(QStringLiteral("keywords.html"));
}

void TIxv7MainForm::AboutBtnClick() {
    TIxv7AboutForm about(m_desktop, this);
    about.move(geometry().center() - about.rect().center());
    about.exec();
}

void TIxv7MainForm::MsgBarMouseDown() {
    const int x = MsgBar->panelWidth(0) + MsgBar->panelWidth(1) - MsgBar->panelWidth(3);
    const int y = height() - m_ctx.procs.metrics().captionHeight - MsgBar->height();
    StatBarPop->popup(mapToGlobal(QPoint(x, y)));
}
