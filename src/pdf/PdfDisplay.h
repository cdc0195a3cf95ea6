#pragma once

#include <QByteArray>

// Where the engine's display channel shows a finished document: the very bytes a file would
// get. The page display window implements it.
class PdfDisplay {
public:
    virtual ~PdfDisplay() = default;
    // Replaces the shown document with this one and shows its first page.
    virtual void showDocument(const QByteArray& pdf, int pageCount) = 0;
    // Shows page 1..pageCount of the shown document.
    virtual void showPage(int page) = 0;
    // The page on display, or -1 when no document is shown.
    virtual int shownPage() const = 0;
};
