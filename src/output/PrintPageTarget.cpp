#include "output/PrintPageTarget.h"

#include "base/Codepage.h"
#include "output/PageComposer.h"
#include "prefs/ColourText.h"
#include "prefs/SettingsCatalogue.h"
#include "preview/GmDocument.h"

namespace {

constexpr quint32 kActiveCaption = 0xFF000000u + 2;

// The preview's zoom shows a page about as tall as the pane: its height in pixels div 11.
constexpr int kPaneHeightPerZoom = 11;

QColor toColour(quint32 colour) {
    return ColourText::toQColor(colour);
}

} // namespace

PrintPageTarget::PrintPageTarget(TGmDocument& document, const SettingsAccess& settings,
                                 const PrintPreviewView* view)
    : m_document(document), m_settings(settings), m_view(view) {}

void PrintPageTarget::BeginDocument() {
    m_document.Clear();
    m_document.Canvas().SetUnit(TGmUnit::Twip);
}

void PrintPageTarget::EndDocument() {
    m_document.FirstPage();
}

int PrintPageTarget::PageWidth() const {
    return m_document.PageWidth().AsTwips();
}

int PrintPageTarget::PageHeight() const {
    return m_document.PageHeight().AsTwips();
}

int PrintPageTarget::PageNumber() const {
    return m_document.CurrentPage();
}

void PrintPageTarget::NewPage() {
    m_document.NewPage();
}

void PrintPageTarget::SetFontName(const QString& name) {
    m_document.Canvas().Font().SetName(name);
}

void PrintPageTarget::SetFontSize(int points) {
    m_document.Canvas().Font().SetSize(points);
}

void PrintPageTarget::SetFontHeight(int height) {
    m_document.Canvas().Font().SetHeight(height);
}

void PrintPageTarget::SetFontStyle(int style) {
    m_document.Canvas().Font().SetStyle(TGmFontStyles::fromInt(style & 0xF));
}

void PrintPageTarget::SetFontColour(quint32 colour) {
    m_document.Canvas().Font().SetColor(toColour(colour));
}

void PrintPageTarget::SetBrushColour(quint32 colour) {
    m_document.Canvas().Brush().SetColor(toColour(colour));
}

void PrintPageTarget::SetBrushClear() {
    m_document.Canvas().Brush().SetStyle(TGmBrushStyle::Clear);
}

void PrintPageTarget::SetPenWidth(int width) {
    m_document.Canvas().Pen().SetWidth(width);
}

int PrintPageTarget::TextWidth(const QByteArray& text) {
    return m_document.Canvas().TextWidth(Codepage::toUnicode(text)).AsTwips();
}

int PrintPageTarget::TextHeight(const QByteArray& text) {
    return m_document.Canvas().TextHeight(Codepage::toUnicode(text)).AsTwips();
}

void PrintPageTarget::TextOut(int x, int y, const QByteArray& text) {
    TGmBrush& brush = m_document.Canvas().Brush();
    const TGmBrushStyle style = brush.Style();
    brush.SetStyle(TGmBrushStyle::Clear);
    m_document.Canvas().TextOut(x, y, Codepage::toUnicode(text));
    brush.SetStyle(style);
}

void PrintPageTarget::Rectangle(int x1, int y1, int x2, int y2) {
    m_document.Canvas().Rectangle(x1, y1, x2, y2);
}

void PrintPageTarget::MoveTo(int x, int y) {
    m_document.Canvas().MoveTo(x, y);
}

void PrintPageTarget::LineTo(int x, int y) {
    m_document.Canvas().LineTo(x, y);
}

void PrintPageTarget::BeginBatch() {
    m_document.BeginBatch();
}

void PrintPageTarget::EndBatch() {
    m_document.EndBatch();
}

void PrintPageTarget::SetPortrait() {
    m_document.GetPage(m_document.CurrentPage()).SetPortrait();
}

void PrintPageTarget::UsePrinterMargins() {
    m_document.Margins().UsePrinterMargins();
    m_document.Margins().SetShowPrinterMargins(m_document.HasPrinter());
}

void PrintPageTarget::PreparePrintPage() {
    m_document.SetPaperSize(Settings::readInt(m_settings, Settings::PaperSize) == 0
                                ? TGmPaperSize::Letter
                                : TGmPaperSize::A4);
    if (m_view) {
        // The largest zoom first, so that the zoom is the pane's on every redraw, the first
        // included.
        m_document.SetMaxZoom(m_view->MaxZoom());
        m_document.SetZoom(m_view->PaneHeight() / kPaneHeightPerZoom);
    }
    UsePrinterMargins();
}

void PrintPageTarget::SetDocumentTitle(const QString& title) {
    m_document.SetTitle(title);
}

int PrintPageTarget::RightPrinterMargin() const {
    return m_document.Margins().Right().AsTwips();
}

namespace PrintDocument {

void setUp(TGmDocument& document) {
    document.SetPaperSize(TGmPaperSize::Letter);
    document.SetMaxZoom(100);
    document.SetZoom(51);
    document.SetCoordsRelativeTo(TGmCoordsRelativeTo::fromPrinterMargins);
    TGmPenSnapshot margin;
    margin.Style = TGmPenStyle::Dot;
    margin.Color = toColour(0xC0C0C0);
    document.Margins().SetPen(margin);
    margin.Color = toColour(0xFF0000);
    document.Margins().SetPrinterMarginPen(margin);
    document.Shadow().SetWidth(3);
    document.Shadow().SetColor(toColour(kActiveCaption));
    document.SetPrintCopies(1);
    document.SetTitle(QStringLiteral("<document>"));
}

void compose(TGmDocument& document, const PuzzleRecord& record, const SettingsAccess& settings,
             const ComposerOptions& options, const PrintPreviewView* view) {
    PrintPageTarget canvas(document, settings, view);
    PageComposer composer(record, settings, PageTarget::printTarget(canvas, canvas), options);
    try {
        composer.ComposeDocument();
    } catch (...) {
        while (document.InBatch())
            document.EndBatch();
        throw;
    }
}

} // namespace PrintDocument
