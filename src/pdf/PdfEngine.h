#pragma once

#include "pdf/PdfCanvasTypes.h"

#include <QByteArray>
#include <QDateTime>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class PdfDisplay;
struct PdfFontFacts;

enum class TOutputChannel { chNone, chDisplay, chPrinter, chPDF, chImage };
enum class TLengthUnit { luTenth, luPoint };
enum class TPageOrientation { Portrait, Landscape };

// The PDF engine: pages drawn on its canvas become a PDF 1.3 file. On the file channel (chPDF)
// EndDoc writes the file named by FileName; on the display channel (chDisplay) it hands the
// same bytes to the display. chNone, chPrinter and chImage are refused by BeginDoc.
//
// Closed -> BeginDoc -> open (page 1) -> NewPage (page n + 1) ... -> EndDoc -> closed.
// Properties and the channel change only while closed ("Can't modify property when active").
// Every failure is a PdfError carrying the engine's message (PdfError.h).
//
// The document is built in memory and the file is written whole at EndDoc, beside the target
// and renamed over it, so an existing file stays as it was until a document is complete, and
// a failed or abandoned document leaves it untouched and nothing else behind.
//
// Coordinates and sizes are in the length unit (tenths of a millimetre or points), x to the
// right and y downward from the page's top-left corner. In the file a length v becomes
// v * 72 / 254 points (tenths) and a vertical position y becomes (PageHeight - y) * 72 / 254.
//
// Measuring uses the widths the file carries, so layout and file agree exactly, and a pixel
// of 1/96 inch on every machine, so the same pages give the same file everywhere. With s the
// font size in points (signed; the text is drawn at |s|), w(b) the /Widths value of byte b
// (thousandths of the size, 0 outside FirstChar..LastChar), A and D the font's ascent and
// descent (OS/2 usWinAscent and usWinDescent) and E its units per em:
//   TextWidth  = sum of w(b) * |s| / 1000 points, converted to the length unit and rounded
//                (tenths: sum * |s| * 254 / 72000)
//   TextHeight = the cell height at 100 times the size, in pixels, converted to the length
//                unit, divided by 100 and rounded (tenths: cell * 254 / 9600), where
//                H    = |100 s| * 96 / 72 pixels, rounded with halves away from zero,
//                cell = H when s < 0 (a negative size is the height of the whole cell),
//                cell = round(H * (A + D) / E) when s > 0 (the characters' height plus the
//                       font's internal leading)
// Roundings other than H go to the nearest, halves to the even neighbour.
class PdfEngine {
public:
    PdfEngine();
    ~PdfEngine();
    PdfEngine(const PdfEngine&) = delete;
    PdfEngine& operator=(const PdfEngine&) = delete;

    // Document properties.
    QString Author() const { return m_author; }
    void setAuthor(const QString& text);
    QString Subject() const { return m_subject; }
    void setSubject(const QString& text);
    QString Title() const { return m_title; }
    void setTitle(const QString& text);
    QString Keywords() const { return m_keywords; }
    void setKeywords(const QString& text);
    // "Letter", "Legal" or "A4"; sets PageWidth and PageHeight in the length unit.
    QString PaperSizeName() const { return m_paperSizeName; }
    void setPaperSizeName(const QString& name);
    // A change converts PageWidth and PageHeight (tenths * 72 / 254 = points), rounded.
    TLengthUnit LengthUnit() const { return m_lengthUnit; }
    void setLengthUnit(TLengthUnit unit);
    int PageWidth() const { return m_pageWidth; }
    void setPageWidth(int width);
    int PageHeight() const { return m_pageHeight; }
    void setPageHeight(int height);
    // A change of orientation swaps PageWidth and PageHeight.
    TPageOrientation Orientation() const { return m_orientation; }
    void setOrientation(TPageOrientation orientation);
    bool EmbedFonts() const { return m_embedFonts; }
    void setEmbedFonts(bool embed);
    // Fonts never embedded; initially Arial, Courier New, Symbol and Times New Roman.
    QStringList NonEmbeddedFonts() const { return m_nonEmbedded; }
    void setNonEmbeddedFonts(const QStringList& families);
    // Fonts flagged as symbolic; initially Symbol, Wingdings and Webdings.
    QStringList SymbolicFonts() const { return m_symbolic; }
    void setSymbolicFonts(const QStringList& families);
    QString FileName() const { return m_fileName; }
    void setFileName(const QString& fileName);
    TOutputChannel Channel() const { return m_channel; }
    void setChannel(TOutputChannel channel);

    // The display of the display channel; not owned, may be null.
    void setDisplay(PdfDisplay* display) { m_display = display; }
    // The clock of the creation date and the file identifier; the local time by default.
    void setClock(std::function<QDateTime()> now) { m_now = std::move(now); }
    // Turns a system colour (0xFF000000 + index) into 0x00BBGGRR; black when unset.
    void setSystemColours(std::function<quint32(quint32)> resolve) {
        m_systemColours = std::move(resolve);
    }

    void BeginDoc();
    void NewPage();
    void EndDoc();
    // Drops the open document without writing anything or raising an event, so that a
    // composition that failed half-way leaves the engine ready for the next one.
    void AbortDoc();
    bool isOpen() const { return m_document != nullptr; }
    // The current page, 1 upward; 0 while closed.
    int PageNumber() const;

    // Canvas state; kept from one document to the next.
    PdfFont& Font() { return m_font; }
    PdfBrush& Brush() { return m_brush; }
    PdfPen& Pen() { return m_pen; }
    QPoint PenPos() const { return m_penPos; }

    // Drawing and measuring; each refuses with "Document not opened" while closed.
    // The text is Windows-1252 bytes, drawn with the top-left corner of its cell at (x, y),
    // in the font colour, without background.
    void TextOut(int x, int y, const QByteArray& text);
    void Rectangle(int x1, int y1, int x2, int y2);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    int TextWidth(const QByteArray& text);
    int TextHeight(const QByteArray& text);

    // The page on display, or -1 when nothing is shown.
    int ShownPage() const;
    // Shows page n of the shown document, the last page when n is larger than the page count.
    void ShowPage(int n);
    // The bytes of the last document ended, on either channel.
    const QByteArray& lastDocument() const { return m_lastDocument; }

    // Events. The end handler may change the channel and begin a new document.
    std::function<void(PdfEngine&)> OnStart;
    std::function<void(PdfEngine&)> OnNewPage;
    std::function<void(PdfEngine&)> OnEnd;

private:
    struct Document;

    void refuseWhenActive() const;
    Document& requireOpen();
    void checkOutputFile() const;
    void finishPage(Document& document);
    QByteArray identifier() const;

    double toPoints(int length) const;
    double xPoints(int x) const { return toPoints(x); }
    double yPoints(int y) const { return toPoints(m_pageHeight - y); }
    quint32 rgb(quint32 colour) const;
    void writePen(QByteArray& content) const;
    void writeLine(QByteArray& content, QPoint from, QPoint to) const;
    void writeTextLine(QByteArray& content, double x, double y, double width, double position,
                       double thickness, int size) const;
    const PdfFontFacts& fontFacts();
    QByteArray fontResource(Document& document, const PdfFontFacts& facts);
    qint64 widthThousandths(const PdfFontFacts& facts, const QByteArray& text) const;

    QString m_author;
    QString m_subject;
    QString m_title;
    QString m_keywords;
    QString m_paperSizeName;
    TLengthUnit m_lengthUnit = TLengthUnit::luTenth;
    int m_pageWidth = 0;
    int m_pageHeight = 0;
    TPageOrientation m_orientation = TPageOrientation::Portrait;
    bool m_embedFonts = true;
    QStringList m_nonEmbedded;
    QStringList m_symbolic;
    QString m_fileName;
    TOutputChannel m_channel = TOutputChannel::chDisplay;

    PdfDisplay* m_display = nullptr;
    std::function<QDateTime()> m_now;
    std::function<quint32(quint32)> m_systemColours;

    PdfFont m_font;
    PdfBrush m_brush;
    PdfPen m_pen;
    QPoint m_penPos;
    std::shared_ptr<const PdfFontFacts> m_facts; // of the font last measured or drawn
    bool m_factsBold = false;
    bool m_factsItalic = false;

    std::unique_ptr<Document> m_document;
    QByteArray m_lastDocument;
    int m_shownPageCount = 0;
};
