#include "output/PdfPageTarget.h"

#include "output/PageComposer.h"
#include "pdf/PdfEngine.h"
#include "prefs/ColourText.h"
#include "base/Codepage.h"

#include <QFileInfo>

void PdfPageTarget::BeginDocument() {
    m_engine.setEmbedFonts(true);
    m_engine.BeginDoc();
}

void PdfPageTarget::EndDocument() {
    m_engine.EndDoc();
}

int PdfPageTarget::PageWidth() const {
    return m_engine.PageWidth();
}

int PdfPageTarget::PageHeight() const {
    return m_engine.PageHeight();
}

int PdfPageTarget::PageNumber() const {
    return m_engine.PageNumber();
}

void PdfPageTarget::NewPage() {
    m_engine.NewPage();
}

void PdfPageTarget::SetFontName(const QString& name) {
    m_engine.Font().setName(name);
}

void PdfPageTarget::SetFontSize(int points) {
    m_engine.Font().setSize(points);
}

void PdfPageTarget::SetFontHeight(int height) {
    m_engine.Font().setHeight(height);
}

void PdfPageTarget::SetFontStyle(int style) {
    m_engine.Font().setStyle(style);
}

void PdfPageTarget::SetFontColour(quint32 colour) {
    m_engine.Font().setColour(colour);
}

void PdfPageTarget::SetBrushColour(quint32 colour) {
    m_engine.Brush().setColour(colour);
}

void PdfPageTarget::SetBrushClear() {
    m_engine.Brush().setStyle(PdfBrushStyle::Clear);
}

void PdfPageTarget::SetPenWidth(int width) {
    m_engine.Pen().setWidth(width);
}

int PdfPageTarget::TextWidth(const QByteArray& text) {
    return m_engine.TextWidth(text);
}

int PdfPageTarget::TextHeight(const QByteArray& text) {
    return m_engine.TextHeight(text);
}

void PdfPageTarget::TextOut(int x, int y, const QByteArray& text) {
    m_engine.TextOut(x, y, text);
}

void PdfPageTarget::Rectangle(int x1, int y1, int x2, int y2) {
    m_engine.Rectangle(x1, y1, x2, y2);
}

void PdfPageTarget::MoveTo(int x, int y) {
    m_engine.MoveTo(x, y);
}

void PdfPageTarget::LineTo(int x, int y) {
    m_engine.LineTo(x, y);
}

namespace PdfDocument {

void setUp(PdfEngine& engine, const PuzzleRecord& record, const QString& puzzleFile) {
    const QByteArray name = record.ConstructorName.bytes();
    QString author;
    if (name.isEmpty())
        author = QStringLiteral("an Ixenvar puzzle");
    else if (name != "--")
        author = Codepage::toUnicode(name);
    engine.setAuthor(author);
    engine.setSubject(QFileInfo(puzzleFile).fileName());
    engine.setLengthUnit(TLengthUnit::luTenth);
    engine.setPaperSizeName(QStringLiteral("Letter"));
    engine.setOrientation(TPageOrientation::Portrait);
    engine.setSystemColours(
        [](quint32 colour) { return ColourText::fromQColor(ColourText::toQColor(colour)); });
}

void compose(PdfEngine& engine, const PuzzleRecord& record, const SettingsAccess& settings,
             const ComposerOptions& options) {
    PdfPageTarget canvas(engine);
    PageComposer composer(record, settings, PageTarget::pdfTarget(canvas), options);
    try {
        composer.ComposeDocument();
    } catch (...) {
        if (engine.isOpen())
            engine.AbortDoc();
        throw;
    }
}

} // namespace PdfDocument
