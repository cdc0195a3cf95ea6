#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <memory>

// What the PDF writer and the measuring need to know of one font face, read once per process
// for each family and style: fontconfig chooses the file, FreeType reads its metrics.
struct PdfFontFacts {
    // How the file was chosen for the family asked for.
    enum class Choice {
        Installed,  // the family itself
        Substitute, // its metric-compatible stand-in (Liberation Sans for Arial, ...)
        Fallback,   // another family, fontconfig's fallback for a family not installed
    };

    QString requested; // the family asked for
    QString pdfName;   // the name the file gives the font (/FontName, /BaseFont before a style)
    Choice choice = Choice::Installed;
    QString fileName;
    int faceIndex = 0;
    // A single-face TrueType file (glyf outlines): the only kind the writer accepts, since it
    // embeds or references the whole file as a TrueType font program.
    bool trueType = false;
    bool embeddingAllowed = true; // the font's licence lets a document carry it

    int unitsPerEm = 1000;
    // Character codes (Windows-1252 bytes) the widths array covers.
    int firstChar = 32;
    int lastChar = 255;
    // Advance width of each byte's character in thousandths of the font size (the /Widths
    // values); 0 outside firstChar..lastChar.
    std::array<int, 256> widths{};
    // Above and below the baseline, in thousandths of the size, both positive: the OS/2
    // table's usWinAscent and usWinDescent (hhea's when there is none), which make the
    // character cell.
    int ascent = 0;
    int descent = 0;
    int cellUnits = 0;   // ascent + descent in font units
    int italicAngle = 0; // degrees, rounded
    bool serif = false;
    bool script = false;
    // Lines of underlined and struck-out text: offset from the baseline, upward positive (the
    // middle of the underline, as FreeType gives it; the strike-out line as the font gives
    // it), and thickness, in points per point of font size.
    double underlinePosition = 0;
    double underlineThickness = 0;
    double strikeOutPosition = 0;
    double strikeOutThickness = 0;
};

namespace PdfFonts {

// The facts of a family in a style, read on first use and kept for the process. Raises
// PdfError "This font is not TrueType" naming the family when its file has no scalable
// outlines FreeType can read.
std::shared_ptr<const PdfFontFacts> facts(const QString& family, bool bold, bool italic);

// The whole font file as the data of an embedded font stream: compressed with zlib at the
// default level, then ASCII85-encoded. Read and encoded once per file for the process. Raises
// IoError when the file cannot be read.
struct FontProgram {
    QByteArray encoded;
    qint64 length = 0; // of the file as it is, /Length1
};
std::shared_ptr<const FontProgram> program(const QString& fileName);

// What kind of font file this is, from its header and table directory.
enum class FileKind { TrueType, Collection, OpenTypeCff, Other };
FileKind fileKind(const QString& fileName);

} // namespace PdfFonts
