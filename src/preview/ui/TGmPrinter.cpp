#include "preview/ui/TGmPrinter.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>

TGmPrinter::TGmPrinter() : m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    QPrinterInfo chosen = QPrinterInfo::defaultPrinter();
    if (chosen.isNull()) {
        const QList<QPrinterInfo> installed = QPrinterInfo::availablePrinters();
        if (!installed.isEmpty())
            chosen = installed.front();
    }
    if (!chosen.isNull())
        SetPrinterName(chosen.printerName());
}

TGmPrinter::~TGmPrinter() {
    if (m_painter.isActive())
        AbortDocument();
}

bool TGmPrinter::SetPrinterName(const QString& name) {
    m_installed = !QPrinterInfo::printerInfo(name).isNull();
    if (m_installed)
        m_printer->setPrinterName(name);
    return m_installed;
}

QString TGmPrinter::PrinterName() const {
    return m_installed ? m_printer->printerName() : QString();
}

bool TGmPrinter::HasPrinter() const {
    return m_installed;
}

QString TGmPrinter::NoPrinterText() {
    return tr("No printer is installed.");
}

void TGmPrinter::applySheet(const TGmValueSize& size) const {
    const double w = size.Width.Count() / 100.0;
    const double h = size.Height.Count() / 100.0;
    // The printer's paper is named portrait; a page wider than high is printed across it.
    const QPageSize paper(QSizeF(std::min(w, h), std::max(w, h)), QPageSize::Millimeter, QString(),
                          QPageSize::FuzzyMatch);
    const QPageLayout::Orientation turn = w > h ? QPageLayout::Landscape : QPageLayout::Portrait;
    QPageLayout layout = m_printer->pageLayout();
    if (!layout.pageSize().isEquivalentTo(paper))
        m_printer->setPageSize(paper);
    if (m_printer->pageLayout().orientation() != turn)
        m_printer->setPageOrientation(turn);
    m_printer->setFullPage(false);
    m_printer->setPageMargins(m_printer->pageLayout().minimumMargins(),
                              m_printer->pageLayout().units());
}

TGmPrinterGeometry TGmPrinter::currentGeometry() const {
    TGmPrinterGeometry g;
    const int dpi = m_printer->resolution();
    const QPageLayout layout = m_printer->pageLayout();
    const QRect full = layout.fullRectPixels(dpi);
    g.DpiX = g.DpiY = dpi;
    g.PaperDots = full.size();
    g.PrintableDots = layout.paintRectPixels(dpi).translated(-full.topLeft());
    return g;
}

TGmPrinterGeometry TGmPrinter::Geometry(const TGmValueSize& size, TGmOrientation) const {
    if (!m_installed || m_painter.isActive())
        return m_installed ? currentGeometry() : TGmPrinterGeometry{};
    applySheet(size);
    return currentGeometry();
}

TGmPrinterGeometry TGmPrinter::Geometry() const {
    return currentGeometry();
}

bool TGmPrinter::BeginDocument(const QString& title, const TGmValueSize& size, TGmOrientation) {
    m_error.clear();
    if (!m_installed) {
        m_error = NoPrinterText();
        return false;
    }
    m_printer->setOutputFormat(QPrinter::NativeFormat);
    m_printer->setDocName(title);
    m_printer->setCopyCount(1);
    m_printer->setCollateCopies(false);
    m_printer->setPageOrder(QPrinter::FirstPageFirst);
    applySheet(size);
    if (!m_painter.begin(m_printer.get())) {
        m_error = tr("The printer %1 could not start the document.").arg(m_printer->printerName());
        return false;
    }
    return true;
}

bool TGmPrinter::NewSheet(const TGmValueSize& size, TGmOrientation) {
    applySheet(size);
    if (!m_printer->newPage()) {
        m_error = tr("The printer %1 could not start a new sheet.").arg(m_printer->printerName());
        return false;
    }
    // A turned sheet has other dimensions; the painter maps its dots one to one again.
    const QRect device(0, 0, m_printer->width(), m_printer->height());
    m_painter.setViewport(device);
    m_painter.setWindow(device);
    return true;
}

bool TGmPrinter::EndDocument() {
    const bool ended = m_painter.end();
    if (!ended || m_printer->printerState() == QPrinter::Error) {
        m_error = tr("The printer %1 could not print the document.").arg(m_printer->printerName());
        return false;
    }
    return true;
}

void TGmPrinter::AbortDocument() {
    m_printer->abort();
    if (m_painter.isActive())
        m_painter.end();
}
