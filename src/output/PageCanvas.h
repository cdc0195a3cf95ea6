#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// The paged drawing target the page composer draws on. Coordinates are whole target units, x
// growing to the right and y downward; the unit and the origin are the target's own (twips from
// the printable area's corner on the print target, tenths of a millimetre from the paper's
// corner on the PDF target).
//
// Text is Windows-1252 bytes, as puzzle text is stored. Colours are 0x00BBGGRR.
class PageCanvas {
public:
    virtual ~PageCanvas() = default;

    // Starts a new document whose one, empty page is page 1; a target still holding the pages
    // of an earlier composition discards them.
    virtual void BeginDocument() = 0;
    // Finishes the document the composition drew: the PDF target writes or shows it, the print
    // target shows its first page.
    virtual void EndDocument() = 0;

    // The whole sheet, not its printable area.
    virtual int PageWidth() const = 0;
    virtual int PageHeight() const = 0;
    // 1-based number of the page being drawn.
    virtual int PageNumber() const = 0;
    // Closes the current page; later drawing goes to a new page and PageNumber grows by one.
    virtual void NewPage() = 0;

    // The font stays as set until changed. Size is in whole points; height in whole font units
    // of the target, a positive height being that of the character cell. Setting either changes
    // the other, as the target converts them; changing the name or the style keeps them.
    virtual void SetFontName(const QString& name) = 0;
    virtual void SetFontSize(int points) = 0;
    virtual void SetFontHeight(int height) = 0;
    // Bit set: 1 bold, 2 italic, 4 underline, 8 strike-out.
    virtual void SetFontStyle(int style) = 0;
    virtual void SetFontColour(quint32 colour) = 0;

    // Setting the brush colour also makes the brush solid; a clear brush fills nothing.
    virtual void SetBrushColour(quint32 colour) = 0;
    virtual void SetBrushClear() = 0;
    // In the target's pen units.
    virtual void SetPenWidth(int width) = 0;

    // In target units, for the current font; the height is that of one line's character cell.
    virtual int TextWidth(const QByteArray& text) = 0;
    virtual int TextHeight(const QByteArray& text) = 0;
    // Draws text with the top-left corner of its character cell at (x, y), in the font's
    // colour, with no background.
    virtual void TextOut(int x, int y, const QByteArray& text) = 0;
    // Fills with the brush and outlines with the pen. The right and bottom edges are exclusive,
    // so a square from x to x + q + 1 shares its right edge with the one starting at x + q.
    virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
    virtual void MoveTo(int x, int y) = 0;
    // A straight line from the current position in the pen's width; (x, y) becomes current.
    virtual void LineTo(int x, int y) = 0;
};

// What the print target does beyond drawing: the preview engine's batches, page orientation,
// printer margins and the print job's title.
class PrintTargetOperations {
public:
    virtual ~PrintTargetOperations() = default;

    // Around a run of drawing; the preview shows the result when the outermost batch ends.
    virtual void BeginBatch() = 0;
    virtual void EndBatch() = 0;
    // Gives the current page portrait orientation.
    virtual void SetPortrait() = 0;
    // Takes the printer's unprintable margins as the page margins and shows them.
    virtual void UsePrinterMargins() = 0;
    // Sets the paper from the settings, resets the preview's zoom, and uses the printer
    // margins.
    virtual void PreparePrintPage() = 0;
    virtual void SetDocumentTitle(const QString& title) = 0;
    // The printer's unprintable right margin, in twips.
    virtual int RightPrinterMargin() const = 0;
};
