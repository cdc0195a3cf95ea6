#include "preview/ui/TGmPreview.h"

#include "base/Rounding.h"
#include "preview/ui/TGmPaperImage.h"
#include "preview/ui/TGmPrinter.h"

#include <QPainter>
#include <QResizeEvent>
#include <QScrollBar>

namespace {

constexpr qint64 kScreenDpi = 96;
constexpr qint64 kPerInch = 2540;

// A length in screen pixels at the zoom: round(inches x 96 x zoom / 100).
int zoomedPixels(const TGmValue& length, int zoom) {
    return int(roundDivHalfEven(qint64(length.Count()) * kScreenDpi * zoom, kPerInch * 100));
}

} // namespace

TGmPreview::TGmPreview(QWidget* parent)
    : QAbstractScrollArea(parent), m_document(std::make_unique<TGmDocument>()),
      m_printer(std::make_unique<TGmPrinter>()) {
    m_document->SetPrinterFacts(m_printer.get());
    m_image = new TGmPaperImage(*this, viewport());
    viewport()->setAutoFillBackground(true);
    SetColor(m_color);
    connect(m_document.get(), &TGmDocument::ViewChanged, this, &TGmPreview::documentChanged);
    // Drawing outside a batch shows as it happens; the repaints of a run of drawing coalesce.
    connect(m_document.get(), &TGmDocument::OnCanvasChange, this, [this] {
        if (!m_document->InBatch())
            m_image->update();
    });
    layoutImage();
}

TGmPreview::~TGmPreview() {
    m_document->SetPrinterFacts(nullptr);
}

bool TGmPreview::SelectPrinter(const QString& name) {
    const bool found = m_printer->SetPrinterName(name);
    PrinterChanged();
    return found;
}

void TGmPreview::PrinterChanged() {
    m_document->PrinterChanged();
}

void TGmPreview::SetGutter(int gutter) {
    m_gutter = std::max(gutter, 0);
    documentChanged();
}

void TGmPreview::SetColor(const QColor& color) {
    m_color = color;
    // A scroll area's viewport paints its background in the Base role.
    QPalette palette = viewport()->palette();
    palette.setColor(QPalette::Window, color);
    palette.setColor(QPalette::Base, color);
    viewport()->setPalette(palette);
}

TGmPrintResult TGmPreview::Print() {
    return PrintRange(1, m_document->NumPages());
}

TGmPrintResult TGmPreview::PrintRange(int a, int b) {
    m_printError.clear();
    if (m_document->Printing())
        return TGmPrintResult::AlreadyPrinting;
    if (!m_printer->HasPrinter()) {
        m_printError = TGmPrinter::NoPrinterText();
        return TGmPrintResult::NoPrinter;
    }
    const TGmPrintResult result = m_document->PrintRange(a, b, *m_printer);
    m_printError = m_document->PrintError();
    return result;
}

QSize TGmPreview::ImageSize() const {
    const TGmPage& page = m_document->GetPage(m_document->CurrentPage());
    const int zoom = m_document->Zoom();
    return {zoomedPixels(page.Size().Width, zoom) + 2 * m_gutter,
            zoomedPixels(page.Size().Height, zoom) + 2 * m_gutter};
}

const QImage& TGmPreview::PagePicture() {
    TGmPage& page = m_document->GetPage(m_document->CurrentPage());
    const QSize size = ImageSize() - QSize(2 * m_gutter, 2 * m_gutter);
    if (!page.NeedsRendering() && m_pictureId == page.Id() && m_picture.size() == size &&
        m_pictureNumPages == m_document->NumPages())
        return m_picture;

    m_picture = QImage();
    if (size.isEmpty())
        return m_picture;
    m_picture = QImage(size, QImage::Format_ARGB32_Premultiplied);
    m_picture.fill(Qt::transparent);
    QPainter painter(&m_picture);
    // The page is drawn with its 600-dpi geometry (pen widths, text layout) and scaled down.
    painter.scale(size.width() / (page.Size().Width.AsInches() * RenderDpi),
                  size.height() / (page.Size().Height.AsInches() * RenderDpi));
    TGmReplayTarget target;
    target.ReplaceTokens = true;
    target.Now = QDateTime::currentDateTime();
    ReplayPage(painter, page, m_document->Decor(), target);
    painter.end();

    page.RenderingDone();
    m_pictureId = page.Id();
    m_pictureNumPages = m_document->NumPages();
    return m_picture;
}

void TGmPreview::documentChanged() {
    layoutImage();
    m_image->update();
}

void TGmPreview::layoutImage() {
    const QSize image = ImageSize();
    const QSize view = viewport()->size();
    m_image->resize(image);
    horizontalScrollBar()->setRange(0, std::max(0, image.width() - view.width()));
    horizontalScrollBar()->setPageStep(view.width());
    verticalScrollBar()->setRange(0, std::max(0, image.height() - view.height()));
    verticalScrollBar()->setPageStep(view.height());
    const int x = image.width() <= view.width() ? view.width() / 2 - image.width() / 2
                                                : -horizontalScrollBar()->value();
    const int y = image.height() <= view.height() ? view.height() / 2 - image.height() / 2
                                                  : -verticalScrollBar()->value();
    m_image->move(x, y);
}

void TGmPreview::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    layoutImage();
}

void TGmPreview::scrollContentsBy(int, int) {
    layoutImage();
}
