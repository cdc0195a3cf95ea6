#include "pdf/ui/PdfPageDisplay.h"

#include <QPdfPageNavigator>
#include <QPdfView>
#include <QVBoxLayout>

namespace {
// Grey around the page, enough to show its edges.
constexpr int kPageMargin = 6;
} // namespace

PdfPageDisplay::PdfPageDisplay(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("PdfPageDisplay"));
    m_view = new QPdfView(this);
    m_view->setObjectName(QStringLiteral("PdfPageView"));
    m_view->setPageMode(QPdfView::PageMode::SinglePage);
    m_view->setZoomMode(QPdfView::ZoomMode::FitInView);
    // Fitting a whole page, QPdfView leaves no room for the margins above and below it, so
    // the grey border around the page is this widget's own.
    m_view->setDocumentMargins(QMargins());
    m_view->setPageSpacing(0);
    m_view->setFrameShape(QFrame::NoFrame);
    m_view->setDocument(&m_document);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kPageMargin, kPageMargin, kPageMargin, kPageMargin);
    setBackgroundRole(QPalette::Dark);
    setAutoFillBackground(true);
    layout->addWidget(m_view);
}

void PdfPageDisplay::showDocument(const QByteArray& pdf, int pageCount) {
    m_document.close();
    m_buffer.close();
    m_bytes = pdf;
    m_buffer.setData(m_bytes);
    m_buffer.open(QIODevice::ReadOnly);
    m_document.load(&m_buffer);
    m_pageCount = pageCount;
    ++m_documents;
    showPage(1);
}

// Pages are 1-based here and 0-based to QtPdf.
void PdfPageDisplay::showPage(int page) {
    if (m_pageCount == 0)
        return;
    m_view->pageNavigator()->jump(qBound(1, page, m_pageCount) - 1, QPointF(), 0);
}

int PdfPageDisplay::shownPage() const {
    return m_pageCount == 0 ? -1 : m_view->pageNavigator()->currentPage() + 1;
}
