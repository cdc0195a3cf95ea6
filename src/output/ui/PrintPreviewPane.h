#pragma once

#include "preview/GmPrinting.h"

#include <QString>

class QWidget;
class TGmDocument;

// The print preview window's page view with the printer its pages go to. The print preview
// engine's view is a window of another folder, so the program's shell makes it and hands it
// to the window, which places the view and owns it from then on.
class PrintPreviewPane {
public:
    virtual ~PrintPreviewPane() = default;
    virtual QWidget* widget() = 0;
    virtual TGmDocument& document() = 0;
    // The view's height for the page in pixels, scroll bars included.
    virtual int clientHeight() const = 0;
    // The printer's name; empty when no printer is installed.
    virtual QString printerName() const = 0;
    // Prints every page in the document's number of copies; printError() says why a job
    // did not go to the printer.
    virtual TGmPrintResult print() = 0;
    virtual QString printError() const = 0;
};
