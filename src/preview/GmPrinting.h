#pragma once

#include "preview/GmTypes.h"

#include <QRect>
#include <QSize>
#include <QString>

class QPainter;

// The printer as the engine sees it, in the printer's own dots.
struct TGmPrinterGeometry {
    int DpiX = 0;
    int DpiY = 0;
    QSize PaperDots;     // the whole sheet
    QRect PrintableDots; // the area the printer can mark; its top-left corner is the offset
                         // of the printable area from the sheet's corner
};

// What the document asks of the chosen printer: whether there is one, and its geometry for a
// sheet of a size and orientation.
class TGmPrinterFacts {
public:
    virtual ~TGmPrinterFacts() = default;
    virtual bool HasPrinter() const = 0;
    // size is the sheet's height and width in that orientation.
    virtual TGmPrinterGeometry Geometry(const TGmValueSize& size,
                                        TGmOrientation orientation) const = 0;
};

// The printer during a job: one document of sheets, each drawn through Painter(), whose
// coordinates are the printer's dots from the corner of the printable area.
class TGmPrintSurface {
public:
    virtual ~TGmPrintSurface() = default;
    // Starts a document with this name, its first sheet for a page of this size (height and
    // width in the page's orientation) and orientation. False when the printer refuses;
    // Error() then says why.
    virtual bool BeginDocument(const QString& title, const TGmValueSize& size,
                               TGmOrientation orientation) = 0;
    // The geometry of the sheet being drawn.
    virtual TGmPrinterGeometry Geometry() const = 0;
    virtual QPainter& Painter() = 0;
    // Ends the sheet and starts the next for a page of this size and orientation.
    virtual bool NewSheet(const TGmValueSize& size, TGmOrientation orientation) = 0;
    // Hands the document to the printer.
    virtual bool EndDocument() = 0;
    // Throws the document away.
    virtual void AbortDocument() = 0;
    virtual QString Error() const = 0;
};

enum class TGmPrintResult {
    Printed,         // the whole job went to the printer
    Aborted,         // stopped by AbortPrint
    AlreadyPrinting, // refused: a job of this document is running
    NoPrinter,       // refused: no printer is installed
    Failed,          // the printer refused or failed; the document's PrintError() says why
};
