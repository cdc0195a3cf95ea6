#pragma once

#include "pdf/PdfDisplay.h"

#include <QBuffer>
#include <QByteArray>
#include <QPdfDocument>
#include <QWidget>

class QPdfView;

// The engine's display channel on screen: the finished document, read from the very bytes a
// file would get, one whole page at a time fitted into the widget, on a white page.
class PdfPageDisplay : public QWidget, public PdfDisplay {
    Q_OBJECT
public:
    explicit PdfPageDisplay(QWidget* parent = nullptr);

    void showDocument(const QByteArray& pdf, int pageCount) override;
    void showPage(int page) override;
    int shownPage() const override;

    QPdfView* view() const { return m_view; }
    const QPdfDocument& document() const { return m_document; }
    // How many documents have been shown, for those who wait for the next.
    int documentsShown() const { return m_documents; }

private:
    QByteArray m_bytes;
    QBuffer m_buffer;
    QPdfDocument m_document;
    QPdfView* m_view = nullptr;
    int m_pageCount = 0;
    int m_documents = 0;
};
