#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Builds the bytes of a PDF 1.3 file in memory, object by object, in the order the engine
// finishes them. Objects are numbered in the order their numbers are taken; each object's
// offset is recorded where its "N 0 obj" line starts. Every line ends with a line feed,
// except the cross-reference entries, which end with CR LF so that each is 20 bytes.
class PdfWriter {
public:
    // The document information, each text already in the file's 8-bit code page.
    struct Info {
        QByteArray creationDate; // yyyymmddhhnnss, local time
        QByteArray title;        // always written, empty when unset
        QByteArray author;       // author, subject and keywords only when not empty
        QByteArray subject;
        QByteArray keywords;
        QByteArray producer;
    };

    // A TrueType font resource as the file describes it.
    struct Font {
        QString fontName; // after /FontName/, without a style
        QString baseFont; // after /BaseFont/, with ",Bold", ",Italic" or ",BoldItalic"
        const QByteArray* program = nullptr; // the embedded stream's data, or none
        qint64 programLength = 0;            // of the font file, uncompressed
        int firstChar = 32;
        int lastChar = 255;
        QList<int> widths; // firstChar..lastChar, thousandths of the size
        int ascent = 0;    // thousandths, positive
        int descent = 0;   // thousandths, positive below the baseline
        int italicAngle = 0;
        int flags = 32;
    };

    // Starts the file: the header line and object 1, the information dictionary; reserves
    // object 2 (page tree), 3 (resources) and 4 (interactive form).
    explicit PdfWriter(const Info& info);

    // Writes the objects of a font (its program when embedded, widths, descriptor, font) and
    // returns its resource name, F0, F1, ... in the order of first use.
    QByteArray addFont(const Font& font);

    // Writes a finished page: its content stream, uncompressed, from lines that each end with
    // a line feed, then the page object with the media box in points.
    void addPage(const QByteArray& content, double widthPoints, double heightPoints);

    // Writes the catalog, the page tree, the resources, the cross-reference table and the
    // trailer with the identifier, and returns the whole file.
    QByteArray finish(const QByteArray& identifier);

    int pageCount() const { return int(m_pages.size()); }
    // Offset of each object by number; 0 for object 0 and for numbers never written.
    const QList<qint64>& offsets() const { return m_offsets; }

private:
    int takeNumber();
    void beginObject(int number);
    void endObject();
    void line(const QByteArray& text);
    static QByteArray reference(int number);

    QByteArray m_out;
    QList<qint64> m_offsets{0};
    QList<int> m_pages;
    QList<QPair<QByteArray, int>> m_fonts; // resource name, font object
};
