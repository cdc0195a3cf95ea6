// The main window's outputs beside the pages: the RTF manuscript, the clipboard and the grid
// files.
#include "app/AppContext.h"
#include "app/AppTitle.h"
#include "app/DesktopServices.h"
#include "app/Dialogs.h"
#include "app/ui/TIxv7MainForm.h"
#include "base/Errors.h"
#include "output/RtfManuscript.h"
#include "output/ui/OutputClipboard.h"
#include "output/ui/TIxv7OutputForm.h"
#include "prefs/SettingsCatalogue.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QToolButton>
#include <QUrl>
#include <iterator>

namespace {

const QString kRtfWritten = QStringLiteral(
    "Puzzle manuscript has been output in RTF file format. An image of the acrostic puzzle "
    "solution grid has been placed on the clipboard. Click OK to open document. Page down to "
    "the end of the document and paste the solution grid where indicated. Edit further if "
    "necessary. Save and close the document to return to Ixenvar.");

// The four items of ClipMenu, in menu order, with what the progress window says while each is
// copied.
struct ClipItem {
    const char* name;
    const char* caption;
    const char* label;
};
constexpr ClipItem kClipItems[] = {
    {"SolGrid1", "Solving Grid", "Copying solving grid to Clipboard ..."},
    {"Clues1", "Clues", "Copying clues to Clipboard ..."},
    {"Sol1", "Solution Grid", "Copying solution to Clipboard ..."},
    {"NumSol1", "MS Solution Grid", "Copying manuscript solution to Clipboard ..."},
};
constexpr int kCluesItem = 1;
// A stored default outside the menu copies the manuscript solution grid, the default's own
// default.
constexpr int kFallbackItem = 3;

GridImageKind imageKindOf(int item) {
    switch (item) {
    case 0:
        return GridImageKind::SolvingGrid;
    case 2:
        return GridImageKind::SolutionGrid;
    default:
        return GridImageKind::ManuscriptSolutionGrid;
    }
}

struct GridFileFormat {
    const char* title;
    const char* filter;
    const char* suffix;
    const char* label;
};
GridFileFormat gridFileFormat(GridImageFiles::Format format) {
    if (format == GridImageFiles::Format::Eps)
        return {"Output Grids as EPS Files", "Encapsulated PostScript (*.eps)", "eps",
                "Outputting grids as EPS files ..."};
    return {"Output Grids as SVG Files", "SVG Picture (*.svg)", "svg",
            "Outputting grids as SVG files ..."};
}

} // namespace

void TIxv7MainForm::connectOutputButtons() {
    connect(button(QStringLiteral("RTFMsBtn")), &QToolButton::clicked, this,
            &TIxv7MainForm::RTFMsBtnClick);
    connect(button(QStringLiteral("MetaBtn")), &QToolButton::clicked, this,
            &TIxv7MainForm::MetaBtnClick);
    connect(button(QStringLiteral("EPSBtn")), &QToolButton::clicked, this,
            &TIxv7MainForm::EPSBtnClick);

    ClipMenu = new QMenu(this);
    ClipMenu->setObjectName(QStringLiteral("ClipMenu"));
    for (const ClipItem& item : kClipItems) {
        QAction* action = ClipMenu->addAction(QLatin1String(item.caption));
        action->setObjectName(QLatin1String(item.name));
        connect(action, &QAction::triggered, this, [this, action] { ClipbdBtnClick(action); });
    }
    QToolButton* clipboard = button(QStringLiteral("ClipbdBtn"));
    clipboard->setMenu(ClipMenu);
    clipboard->setPopupMode(QToolButton::MenuButtonPopup);
    connect(clipboard, &QToolButton::clicked, this, [this] { ClipbdBtnClick(); });
}

void TIxv7MainForm::RTFMsBtnClick() {
    if (!m_ctx.puzzleOpen()) {
        FlashNoPuzzle();
        return;
    }
    Dialogs::FileRequest request;
    request.title = QStringLiteral("Output RTF File Manuscript");
    request.folder = startFolder();
    request.fileName = QFileInfo(m_ctx.CurrentFile).completeBaseName() + QStringLiteral(".rtf");
    request.defaultSuffix = QStringLiteral("rtf");
    request.filters = {QStringLiteral("Rich Text Format (*.rtf)")};
    request.confirmOverwrite = true;
    // The puzzle dialogs keep following the puzzle's folder, not the manuscript's.
    const QString file = m_ctx.procs.dialogs()->saveFile(this, request);
    if (file.isEmpty())
        return;
    try {
        TIxv7OutputForm progress(QStringLiteral("Outputting RTF file manuscript ..."), this);
        progress.showAndRun(m_ctx.procs);
        RtfManuscript::WriteRtfManuscript(m_ctx.puzzle, m_ctx.procs, file);
    } catch (const IoError& e) {
        // Nothing was written: nothing to open, and the clipboard keeps what it held.
        m_ctx.procs.dialogs()->error(this, applicationTitle(), e.message());
        return;
    }
    m_ctx.procs.dialogs()->information(this, QStringLiteral("Procedure Alert"), kRtfWritten);
    m_desktop.openUrl(QUrl::fromLocalFile(file));
    OutputClipboard::CopyGridImage(m_ctx.puzzle, GridImageKind::ManuscriptSolutionGrid,
                                   QFileInfo(file).fileName());
}

void TIxv7MainForm::ClipbdBtnClick(QAction* item) {
    const int defaultItem = Settings::readInt(m_ctx.procs, Settings::DefClipOption);
    if (!m_ctx.puzzleOpen()) {
        FlashNoPuzzle();
        return;
    }
    int index = item ? int(ClipMenu->actions().indexOf(item)) : defaultItem;
    if (index < 0 || index >= int(std::size(kClipItems)))
        index = kFallbackItem;
    if (index == kCluesItem)
        OutputClipboard::CopyCluesText(m_ctx.puzzle);
    else
        OutputClipboard::CopyGridImage(m_ctx.puzzle, imageKindOf(index), QString());
    TIxv7OutputForm progress(QLatin1String(kClipItems[index].label), this);
    progress.showAndRun(m_ctx.procs);
}

void TIxv7MainForm::MetaBtnClick() {
    writeGridFiles(GridImageFiles::Format::Svg);
}

void TIxv7MainForm::EPSBtnClick() {
    writeGridFiles(GridImageFiles::Format::Eps);
}

// Asks for a base name and writes the three grid pictures beside it: the solving grid, the
// solution grid and the manuscript solution grid.
void TIxv7MainForm::writeGridFiles(GridImageFiles::Format format) {
    if (!m_ctx.puzzleOpen()) {
        FlashNoPuzzle();
        return;
    }
    const GridFileFormat look = gridFileFormat(format);
    const QString suffix = QLatin1String(look.suffix);
    Dialogs::FileRequest request;
    request.title = QLatin1String(look.title);
    request.folder = startFolder();
    request.fileName = QFileInfo(m_ctx.CurrentFile).completeBaseName() + u'.' + suffix;
    request.defaultSuffix = suffix;
    request.filters = {QLatin1String(look.filter)};
    // The name chosen is a base for three files: the question about replacing comes below.
    request.confirmOverwrite = false;
    const QString chosen = m_ctx.procs.dialogs()->saveFile(this, request);
    if (chosen.isEmpty())
        return;
    const QFileInfo base(chosen);
    const QString stem = QDir(base.path())
                             .filePath(base.suffix().compare(suffix, Qt::CaseInsensitive) == 0
                                           ? base.completeBaseName()
                                           : base.fileName());
    const GridImageKind kinds[] = {GridImageKind::SolvingGrid, GridImageKind::SolutionGrid,
                                   GridImageKind::ManuscriptSolutionGrid};
    QStringList files, existing;
    for (GridImageKind kind : kinds) {
        files << GridImageFiles::fileName(stem, kind, format);
        if (QFileInfo::exists(files.last()))
            existing << QFileInfo(files.last()).fileName();
    }
    if (!existing.isEmpty() &&
        m_ctx.procs.dialogs()->askYesNo(this, QStringLiteral("Attention"),
                                        QStringLiteral("%1 already exist. Replace?")
                                            .arg(existing.join(QStringLiteral(", ")))) !=
            Dialogs::Answer::Yes)
        return;
    try {
        TIxv7OutputForm progress(QLatin1String(look.label), this);
        progress.showAndRun(m_ctx.procs);
        const QString description = QFileInfo(m_ctx.CurrentFile).fileName();
        for (int i = 0; i < files.size(); ++i)
            GridImageFiles::write(files[i], layoutGridImage(m_ctx.puzzle, kinds[i]), format,
                                  description);
    } catch (const IoError& e) {
        m_ctx.procs.dialogs()->error(this, applicationTitle(), e.message());
        return;
    }
    QStringList names;
    for (const QString& file : files)
        names << QFileInfo(file).fileName();
    m_ctx.procs.dialogs()->information(
        this, QStringLiteral("Procedure Alert"),
        QStringLiteral("The solving grid, the solution grid and the manuscript solution grid "
                       "have been output to %1 in %2.")
            .arg(names.join(QStringLiteral(", ")), QDir::toNativeSeparators(base.path())));
}
