#include "TIxv7MainForm.h"

#include "AppContext.h"
#include "Dialogs.h"
#include "Errors.h"
#include "puzzle/Codepage.h"
#include "puzzle/PuzzleFile.h"
#include "puzzle/Statistics.h"
#include "puzzle/TIxv7InputForm.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

TIxv7MainForm::TIxv7MainForm(AppContext& ctx, QWidget* parent) : QMainWindow(parent), m_ctx(ctx) {
    setWindowTitle(QStringLiteral("Ixenvar"));
    setMinimumSize(800, 600);
    auto* central = new QWidget(this);
    auto* buttons = new QHBoxLayout;
    OpenPuzzleBtn = new QPushButton(QStringLiteral("Open..."), central);
    CreateNewBtn = new QPushButton(QStringLiteral("Create New..."), central);
    OpenPuzzleBtn->setToolTip(QStringLiteral("Open an existing puzzle."));
    CreateNewBtn->setToolTip(QStringLiteral("Create a new puzzle from a quotation."));
    buttons->addWidget(OpenPuzzleBtn);
    buttons->addWidget(CreateNewBtn);
    buttons->addStretch();
    m_view = new QLabel(central);
    m_view->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont mono(TIxv7InputForm::textFontFamily());
    mono.setPixelSize(18);
    m_view->setFont(mono);
    auto* column = new QVBoxLayout(central);
    column->addLayout(buttons);
    column->addWidget(m_view, 1);
    setCentralWidget(central);
    statusBar();
    connect(OpenPuzzleBtn, &QPushButton::clicked, this, &TIxv7MainForm::OpenPuzzleBtnClick);
    connect(CreateNewBtn, &QPushButton::clicked, this, &TIxv7MainForm::CreateNewBtnClick);
}

QString TIxv7MainForm::startFolder() const {
    const QString current = QDir::currentPath() + u'/';
    const QString own = QCoreApplication::applicationDirPath() + u'/';
    return current == own
               ? m_ctx.procs.SpecialFolderPath(5) + QStringLiteral("/Tamberlin/Acrostics/")
               : current;
}

void TIxv7MainForm::CreateNewBtnClick() {
    Dialogs* dialogs = m_ctx.procs.dialogs();
    Dialogs::FileRequest request;
    request.title = QStringLiteral("New puzzle for constructing");
    request.folder = startFolder();
    request.fileName = QStringLiteral("untitled.ixv");
    request.defaultSuffix = QStringLiteral("ixv");
    request.filters = {QStringLiteral("Ixenvar Puzzle (*.ixv)")};
    const QString fileName = dialogs->saveFile(this, request);
    if (fileName.isEmpty())
        return;
    TIxv7InputForm form(m_ctx, fileName, this);
    if (form.exec() != QDialog::Accepted || !form.builtPuzzle())
        return;
    m_ctx.puzzle = *form.builtPuzzle();
    m_ctx.CurrentFile = fileName;
    PuzzleFile::SavePuzzle(fileName, m_ctx.puzzle);
    m_ctx.Edited = false;
    showPuzzle();
}

void TIxv7MainForm::OpenPuzzleBtnClick() {
    Dialogs::FileRequest request;
    request.title = QStringLiteral("Open existing puzzle for editing");
    request.folder = startFolder();
    request.defaultSuffix = QStringLiteral("ixv");
    request.filters = {QStringLiteral("Ixenvar Acrostic Puzzle (*.ixv)")};
    const QString fileName = m_ctx.procs.dialogs()->openFile(this, request);
    if (!fileName.isEmpty())
        openPuzzleFile(fileName);
}

bool TIxv7MainForm::openPuzzleFile(const QString& fileName) {
    try {
        m_ctx.puzzle = PuzzleFile::LoadPuzzle(fileName);
    } catch (const IoError&) {
        m_ctx.procs.ShowAttention(QStringLiteral("Puzzle not in Ixenvar format or is corrupt."),
                                  this);
        return false;
    }
    m_ctx.CurrentFile = fileName;
    m_ctx.Edited = false;
    showPuzzle();
    return true;
}

void TIxv7MainForm::showPuzzle() {
    const PuzzleRecord& rec = m_ctx.puzzle;
    QString text;
    for (int r = 1; r <= rec.GridHeight; ++r) {
        for (int c = 1; c <= rec.GridWidth; ++c) {
            const quint8 ch = rec.letter(c, r);
            text += ch == BlackSquare ? QChar(0x25A0) : Codepage::toUnicode(ch);
            text += u' ';
        }
        text += u'\n';
    }
    m_view->setText(text);
    setWindowTitle(QStringLiteral("Ixenvar - ") + QFileInfo(m_ctx.CurrentFile).fileName());
    statusBar()->showMessage(PuzzleStatistics(rec));
}
