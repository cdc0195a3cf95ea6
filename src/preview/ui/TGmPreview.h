#pragma once

#include "preview/GmDocument.h"

#include <QAbstractScrollArea>
#include <QColor>
#include <QImage>
#include <memory>

class TGmPaperImage;
class TGmPrinter;

// The print preview control: the document with its printer, and a scrolling view of the
// current page at the document's zoom. The page image is centred along each axis where it fits
// and scrolls where it does not. Only the shown page is ever drawn to a picture, from its
// objects, at the view's scale.
class TGmPreview : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit TGmPreview(QWidget* parent = nullptr);
    ~TGmPreview() override;

    TGmDocument& Document() { return *m_document; }
    const TGmDocument& Document() const { return *m_document; }
    TGmPrinter& Printer() { return *m_printer; }

    // Chooses an installed printer by name (false when there is none of that name); after the
    // printer was set up in a dialog, PrinterChanged() reads it again.
    bool SelectPrinter(const QString& name);
    void PrinterChanged();

    // Pixels of background around the paper.
    int Gutter() const { return m_gutter; }
    void SetGutter(int gutter);
    // The background around the paper.
    QColor Color() const { return m_color; }
    void SetColor(const QColor& color);

    // Prints every page, or pages a to b, in the document's number of copies. With no printer
    // installed nothing is printed and the result says so; PrintError() then has the text.
    TGmPrintResult Print();
    TGmPrintResult PrintRange(int a, int b);
    QString PrintError() const { return m_printError; }

    TGmPaperImage& PaperImage() { return *m_image; }
    // The page image's size: the paper at 96 pixels per inch times the zoom, and the gutter
    // on every side.
    QSize ImageSize() const;
    // The shown page drawn at the image's scale over a transparent background; drawn again
    // only when the page, its size, the zoom or the page count changed.
    const QImage& PagePicture();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void layoutImage();
    void documentChanged();

    std::unique_ptr<TGmDocument> m_document;
    std::unique_ptr<TGmPrinter> m_printer;
    TGmPaperImage* m_image;
    int m_gutter = 30;
    QColor m_color = QColor(0x80, 0x80, 0x80);
    QString m_printError;

    QImage m_picture;
    quint64 m_pictureId = 0;
    int m_pictureNumPages = 0;
};
