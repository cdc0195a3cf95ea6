#pragma once

#include "preview/GmCanvas.h"
#include "preview/GmDecor.h"
#include "preview/GmPage.h"
#include "preview/GmPrinting.h"
#include "preview/GmReplay.h"
#include "preview/GmTypes.h"

#include <QObject>
#include <QPointF>
#include <QString>

class QPainter;

// The print preview engine's document: the pages with their recorded drawing, the recording
// canvas, the current page, the zoom the view shows it at, the paper, the margins, the shadow,
// the header and footer, and printing. It starts with one empty page 1, which is current.
// Views follow it through ViewChanged; it knows nothing of windows.
class TGmDocument : public QObject {
    Q_OBJECT
public:
    explicit TGmDocument(QObject* parent = nullptr);
    ~TGmDocument() override;

    // Where the printer's margins and the offset of its printable area come from; none means
    // no printer. Not owned; must outlive the document or be reset.
    void SetPrinterFacts(const TGmPrinterFacts* facts);
    bool HasPrinter() const;
    // Reads the printer again after another printer was chosen or set up: the origin follows
    // the new printer's margins and every page is drawn again.
    void PrinterChanged();

    TGmCanvas& Canvas() { return m_canvas; }

    // Appends an empty page in the document's size and orientation and makes it current and the
    // canvas's target; outside a batch the view moves to it.
    TGmPage& NewPage();
    // Keeps only page 1, empty, current and the canvas's target.
    void Clear();
    // Between BeginBatch and the matching EndBatch the view draws no page contents.
    void BeginBatch();
    void EndBatch();
    bool InBatch() const { return m_batch > 0; }

    int NumPages() const { return m_pages.Count(); }
    int CurrentPage() const { return m_current; }
    // n from 1 to NumPages().
    TGmPage& GetPage(int n) { return m_pages.Page(n); }
    const TGmPage& GetPage(int n) const { return m_pages.Page(n); }
    const TGmPageList& Pages() const { return m_pages; }
    const TGmValue& PageWidth() const { return m_pages.PageSize().Width; }
    const TGmValue& PageHeight() const { return m_pages.PageSize().Height; }

    // Each does nothing when there is no page to move to.
    void NextPage();
    void PrevPage();
    void FirstPage();
    void LastPage();

    // Percent; set values are held within [MinZoom, MaxZoom] and at least 5.
    int Zoom() const { return m_zoom; }
    void SetZoom(int zoom);
    int MinZoom() const { return m_minZoom; }
    void SetMinZoom(int zoom);
    int MaxZoom() const { return m_maxZoom; }
    void SetMaxZoom(int zoom);

    TGmPaperSize PaperSize() const { return m_paperSize; }
    void SetPaperSize(TGmPaperSize size);
    TGmOrientation Orientation() const { return m_pages.Orientation(); }
    void SetOrientation(TGmOrientation orientation);

    TGmCoordsRelativeTo CoordsRelativeTo() const { return m_relativeTo; }
    void SetCoordsRelativeTo(TGmCoordsRelativeTo relativeTo);

    TGmMargins& Margins() { return m_margins; }
    const TGmMargins& Margins() const { return m_margins; }
    TGmShadow& Shadow() { return m_shadow; }
    const TGmShadow& Shadow() const { return m_shadow; }
    TGmHeader& Header() { return m_header; }
    TGmFooter& Footer() { return m_footer; }

    // The document's name in the printer's queue.
    QString Title() const { return m_title; }
    void SetTitle(const QString& title) { m_title = title; }
    // Every copy is printed by the document itself, page after page; at least 1.
    int PrintCopies() const { return m_copies; }
    void SetPrintCopies(int copies) { m_copies = std::max(copies, 1); }

    // The decoration of every page as it is drawn now.
    TGmPageDecor Decor() const;

    // Prints pages a to b, PrintCopies() times, on the surface. Pages are printed as they were
    // when the job began, whatever changes while the job lets other events run between pages.
    TGmPrintResult PrintRange(int a, int b, TGmPrintSurface& surface);
    TGmPrintResult Print(TGmPrintSurface& surface) { return PrintRange(1, NumPages(), surface); }
    // Stops the running job after the page being printed.
    void AbortPrint() { m_abort = true; }
    bool Printing() const { return m_printing; }
    QString PrintError() const { return m_printError; }

signals:
    void OnNewPage(int page);
    void OnClear();
    void OnPageChanging(int oldPage);
    void OnPageChange(int page);
    void OnZoom(int oldZoom, int newZoom);
    void OnPageSizeChange();
    void OnChangeOrientation();
    void OnCanvasChange();
    void BeforePrint();
    void BeforePrintPage(int page, QPainter* painter);
    void AfterPrintPage(int page, QPainter* painter);
    void OnPrintProgress(int percent);
    void OnAbortPrint();
    void AfterPrint();
    // The view should lay out and paint again.
    void ViewChanged();

private:
    void goTo(int page);
    void refresh();
    void decorChanged();
    void updateOrigin();
    TGmValueRect printerMargins() const;
    TGmPrintResult runJob(int a, int b, TGmPrintSurface& surface);

    TGmPageList m_pages;
    int m_current = 1;
    TGmCanvas m_canvas;
    TGmMargins m_margins;
    TGmShadow m_shadow;
    TGmHeader m_header;
    TGmFooter m_footer;
    int m_zoom = 20;
    int m_minZoom = 10;
    int m_maxZoom = 200;
    TGmPaperSize m_paperSize = TGmPaperSize::A4;
    TGmCoordsRelativeTo m_relativeTo = TGmCoordsRelativeTo::fromPage;
    QString m_title = QStringLiteral("<document>");
    int m_copies = 1;
    int m_batch = 0;
    int m_batchPageCount = 0;
    bool m_printing = false;
    bool m_abort = false;
    QString m_printError;
    const TGmPrinterFacts* m_facts = nullptr;
};
