#include "preview/GmDocument.h"

#include <QCoreApplication>
#include <QPainter>
#include <QScopedValueRollback>

TGmDocument::TGmDocument(QObject* parent) : QObject(parent) {
    m_canvas.SetTarget(&m_pages.Page(1));
    m_pages.SetOnPageLayout([this] { refresh(); });
    m_canvas.SetOnRecord([this] { emit OnCanvasChange(); });
    m_margins.SetOnChange([this] { decorChanged(); });
    m_margins.SetPrinterMarginsReader([this] { return printerMargins(); });
    m_shadow.SetOnChange([this] { refresh(); });
    m_header.SetOnChange([this] { decorChanged(); });
    m_footer.SetOnChange([this] { decorChanged(); });
}

TGmDocument::~TGmDocument() = default;

void TGmDocument::SetPrinterFacts(const TGmPrinterFacts* facts) {
    m_facts = facts;
    PrinterChanged();
}

bool TGmDocument::HasPrinter() const {
    return m_facts && m_facts->HasPrinter();
}

void TGmDocument::PrinterChanged() {
    updateOrigin();
    m_pages.MarkAllForRendering();
    refresh();
}

TGmValueRect TGmDocument::printerMargins() const {
    TGmValueRect margins;
    if (!HasPrinter())
        return margins;
    const TGmPrinterGeometry g = m_facts->Geometry(m_pages.PageSize(), Orientation());
    if (g.DpiX <= 0 || g.DpiY <= 0)
        return margins;
    const QRect p = g.PrintableDots;
    margins.Left.SetDots(p.left(), g.DpiX);
    margins.Top.SetDots(p.top(), g.DpiY);
    margins.Right.SetDots(g.PaperDots.width() - (p.left() + p.width()), g.DpiX);
    margins.Bottom.SetDots(g.PaperDots.height() - (p.top() + p.height()), g.DpiY);
    return margins;
}

void TGmDocument::updateOrigin() {
    double x = 0;
    double y = 0;
    switch (m_relativeTo) {
    case TGmCoordsRelativeTo::fromPage:
        break;
    case TGmCoordsRelativeTo::fromPrinterMargins: {
        const TGmValueRect printer = printerMargins();
        x = printer.Left.AsInches();
        y = printer.Top.AsInches();
        break;
    }
    case TGmCoordsRelativeTo::fromUserMargins:
        x = m_margins.Left().AsInches();
        y = m_margins.Top().AsInches();
        break;
    case TGmCoordsRelativeTo::fromHeaderLine:
        x = m_margins.Left().AsInches();
        y = m_margins.Top().AsInches() + m_header.Height().AsInches();
        break;
    }
    m_canvas.SetOrigin(QPoint(TGmValue::FromInches(x).Count(), TGmValue::FromInches(y).Count()));
}

void TGmDocument::SetCoordsRelativeTo(TGmCoordsRelativeTo relativeTo) {
    m_relativeTo = relativeTo;
    updateOrigin();
}

void TGmDocument::refresh() {
    emit ViewChanged();
}

void TGmDocument::decorChanged() {
    updateOrigin();
    m_pages.MarkAllForRendering();
    refresh();
}

TGmPage& TGmDocument::NewPage() {
    TGmPage& page = m_pages.Append();
    if (InBatch()) {
        m_current = page.Number();
        m_canvas.SetTarget(&page);
    } else {
        goTo(page.Number());
    }
    emit OnNewPage(page.Number());
    return page;
}

void TGmDocument::Clear() {
    m_pages.Reset();
    m_current = 1;
    m_canvas.SetTarget(&m_pages.Page(1));
    refresh();
    emit OnClear();
}

void TGmDocument::BeginBatch() {
    if (m_batch++ == 0)
        m_batchPageCount = NumPages();
}

void TGmDocument::EndBatch() {
    if (m_batch == 0)
        return;
    if (--m_batch > 0)
        return;
    refresh();
    if (NumPages() != m_batchPageCount)
        emit OnPageChange(m_current);
}

void TGmDocument::goTo(int page) {
    if (page < 1 || page > NumPages() || page == m_current)
        return;
    emit OnPageChanging(m_current);
    m_current = page;
    m_canvas.SetTarget(&m_pages.Page(page));
    refresh();
    emit OnPageChange(page);
}

void TGmDocument::NextPage() {
    goTo(m_current + 1);
}

void TGmDocument::PrevPage() {
    goTo(m_current - 1);
}

void TGmDocument::FirstPage() {
    goTo(1);
}

void TGmDocument::LastPage() {
    goTo(NumPages());
}

void TGmDocument::SetZoom(int zoom) {
    const int held = std::max(std::clamp(zoom, m_minZoom, m_maxZoom), 5);
    if (held == m_zoom)
        return;
    const int old = m_zoom;
    m_zoom = held;
    emit OnZoom(old, held);
    refresh();
}

void TGmDocument::SetMinZoom(int zoom) {
    m_minZoom = std::min(zoom, m_maxZoom);
    SetZoom(m_zoom);
}

void TGmDocument::SetMaxZoom(int zoom) {
    m_maxZoom = std::max(zoom, m_minZoom);
    SetZoom(m_zoom);
}

void TGmDocument::SetPaperSize(TGmPaperSize size) {
    if (size != m_paperSize) {
        m_paperSize = size;
        if (size != TGmPaperSize::Custom) {
            m_pages.SetPageSize(PaperValueSize(size, Orientation()));
            updateOrigin();
            refresh();
        }
    }
    emit OnPageSizeChange();
}

void TGmDocument::SetOrientation(TGmOrientation orientation) {
    if (orientation == Orientation())
        return;
    m_pages.SetOrientation(orientation);
    updateOrigin();
    refresh();
    emit OnChangeOrientation();
}

TGmPageDecor TGmDocument::Decor() const {
    TGmPageDecor d;
    d.MarginLeft = m_margins.Left().Count();
    d.MarginTop = m_margins.Top().Count();
    d.MarginRight = m_margins.Right().Count();
    d.MarginBottom = m_margins.Bottom().Count();
    d.ClipMargins = m_margins.ClipMargins();
    const TGmHeaderFooter* bands[2] = {&m_header, &m_footer};
    TGmBandDecor* out[2] = {&d.Header, &d.Footer};
    for (int i = 0; i < 2; ++i) {
        out[i]->Visible = bands[i]->Visible();
        for (int c = 0; c < 3; ++c)
            out[i]->Captions[c] = bands[i]->Caption(TGmHeaderFooter::Place(c));
        out[i]->Pen = bands[i]->Pen();
        out[i]->ShowLine = bands[i]->ShowLine();
        out[i]->LineHeight = out[i]->Visible ? bands[i]->LineHeight().Count() : 0;
    }
    d.NumPages = NumPages();
    return d;
}

TGmPrintResult TGmDocument::PrintRange(int a, int b, TGmPrintSurface& surface) {
    // A second job would turn the running job's sheets under it; it is refused before the
    // printer is touched.
    if (m_printing)
        return TGmPrintResult::AlreadyPrinting;
    m_printError.clear();
    a = std::max(a, 1);
    b = std::min(b, NumPages());
    if (a > b) {
        m_printError = tr("There is no page to print.");
        return TGmPrintResult::Failed;
    }
    const QScopedValueRollback running(m_printing, true);
    m_abort = false;
    return runJob(a, b, surface);
}

TGmPrintResult TGmDocument::runJob(int a, int b, TGmPrintSurface& surface) {
    std::vector<TGmPage> pages;
    for (int n = a; n <= b; ++n)
        pages.push_back(GetPage(n));
    const TGmPageDecor decor = Decor();
    const int copies = m_copies;
    const QDateTime now = QDateTime::currentDateTime();

    emit BeforePrint();
    if (!surface.BeginDocument(m_title, pages.front().Size(), pages.front().Orientation())) {
        m_printError = surface.Error();
        return TGmPrintResult::Failed;
    }
    const int sheets = copies * int(pages.size());
    int printed = 0;
    bool failed = false;
    for (int copy = 1; copy <= copies && !m_abort && !failed; ++copy) {
        if (copy > 1 && !surface.NewSheet(pages.front().Size(), pages.front().Orientation()))
            failed = true;
        for (std::size_t i = 0; i < pages.size() && !m_abort && !failed; ++i) {
            const TGmPage& page = pages[i];
            QPainter& painter = surface.Painter();
            emit BeforePrintPage(page.Number(), &painter);
            const TGmPrinterGeometry g = surface.Geometry();
            TGmReplayTarget target;
            target.DpiX = g.DpiX;
            target.DpiY = g.DpiY;
            target.OffsetDots = g.PrintableDots.topLeft();
            target.Now = now;
            ReplayPage(painter, page, decor, target);
            emit AfterPrintPage(page.Number(), &painter);
            if (i + 1 < pages.size() &&
                !surface.NewSheet(pages[i + 1].Size(), pages[i + 1].Orientation())) {
                failed = true;
                break;
            }
            QCoreApplication::processEvents();
            if (m_abort)
                break;
            emit OnPrintProgress(++printed * 100 / sheets);
        }
    }
    if (failed) {
        m_printError = surface.Error();
        surface.AbortDocument();
        return TGmPrintResult::Failed;
    }
    if (m_abort) {
        surface.AbortDocument();
        emit OnAbortPrint();
        return TGmPrintResult::Aborted;
    }
    if (!surface.EndDocument()) {
        m_printError = surface.Error();
        return TGmPrintResult::Failed;
    }
    emit AfterPrint();
    return TGmPrintResult::Printed;
}
