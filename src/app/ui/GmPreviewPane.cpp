#include "app/ui/GmPreviewPane.h"

#include "preview/ui/TGmPreview.h"
#include "preview/ui/TGmPrinter.h"

#include <QPalette>
#include <QPrinterInfo>

GmPreviewPane::GmPreviewPane(const QString& printerName)
    : m_preview(new TGmPreview), m_unplaced(m_preview) {
    m_preview->SetGutter(4);
    m_preview->SetColor(m_preview->palette().color(QPalette::Button));
    m_preview->setFrameShape(QFrame::NoFrame);
    if (!printerName.isEmpty() && !QPrinterInfo::printerInfo(printerName).isNull())
        m_preview->SelectPrinter(printerName);
}

QWidget* GmPreviewPane::widget() {
    m_unplaced.release();
    return m_preview;
}

TGmDocument& GmPreviewPane::document() {
    return m_preview->Document();
}

// Inside the frame, whether scroll bars show or not: a page zoomed to fit this height needs
// none, so that the zoom does not depend on the zoom the view had before.
int GmPreviewPane::clientHeight() const {
    return m_preview->contentsRect().height();
}

QString GmPreviewPane::printerName() const {
    return m_preview->Printer().PrinterName();
}

TGmPrintResult GmPreviewPane::print() {
    return m_preview->Print();
}

QString GmPreviewPane::printError() const {
    return m_preview->PrintError();
}
