#pragma once

#include "preview/GmDecor.h"
#include "preview/GmObjects.h"
#include "preview/GmTypes.h"

#include <QDateTime>
#include <QPen>
#include <QPoint>
#include <QString>

class QPainter;
class TGmPage;

// Drawing a page's objects onto any painter. The view and the printer both draw pages with
// this code, so what the view shows is what the printer gets.

// The header or footer as it is drawn: its captions, rule and caption line height.
struct TGmBandDecor {
    bool Visible = false;
    TGmHeaderFooterCaption Captions[3];
    TGmPenSnapshot Pen;
    bool ShowLine = true;
    qint32 LineHeight = 0;
};

// What dresses every page, copied from the document when drawing starts.
struct TGmPageDecor {
    qint32 MarginLeft = 0;
    qint32 MarginTop = 0;
    qint32 MarginRight = 0;
    qint32 MarginBottom = 0;
    bool ClipMargins = false;
    TGmBandDecor Header;
    TGmBandDecor Footer;
    int NumPages = 1;
};

// Where and how a page is drawn: a page coordinate p (hundredths of a millimetre) becomes the
// device coordinate round(p / 2540 x dpi) - the offset, on each axis.
struct TGmReplayTarget {
    int DpiX = RenderDpi;
    int DpiY = RenderDpi;
    QPoint OffsetDots;
    // The view shows dates, times and page numbers in texts; the printer gets the texts as they
    // were recorded. Headers and footers always show them.
    bool ReplaceTokens = false;
    QDateTime Now;
};

// Every {DATE} (dd-mmm-yyyy), {TIME} (hh:nn), {PAGE} and {NUMPAGES} in text replaced.
QString ReplaceTokens(const QString& text, int page, int numPages, const QDateTime& now);

// A pen of w quarter points: w of 2 or more is w x (dpi / 72) / 4 dots wide, rounded, with
// square caps and mitred joins; a dashed or dotted pen is at least dpi / 72 + 0.5 dots, rounded;
// w below 2 is one device dot; a clear pen draws nothing.
QPen ReplayPen(const TGmPenSnapshot& pen, int dpi);

// Draws the header, the footer, then every visible object of the page in the order recorded.
// A solid brush fills a text's extent before the text is drawn. The painter's own transform
// applies on top, so the view can draw at 600 dots per inch and scale the result.
void ReplayPage(QPainter& painter, const TGmPage& page, const TGmPageDecor& decor,
                const TGmReplayTarget& target);
