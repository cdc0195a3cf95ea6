// The grid picture as Encapsulated PostScript (EPSF-3.0): the same squares and texts as the SVG
// picture, one logical unit a point, with Helvetica standing for Arial (the two have the same
// widths). PostScript's y grows upward, so every y is measured from the bottom edge.
#include "output/GridImageFiles.h"

#include <cmath>

namespace GridImageFiles {

namespace {

// Windows-1252 over the Latin-1 encoding every PostScript interpreter has: the code page's
// own characters in 0x80..0x9F, and the ASCII apostrophe, hyphen and grave accent where
// Latin-1 puts typographic marks.
struct Glyph {
    int code;
    const char* name;
};
constexpr Glyph kCodepageGlyphs[] = {
    {0x27, "quotesingle"},    {0x2D, "hyphen"},
    {0x60, "grave"},          {0x80, "Euro"},
    {0x81, ".notdef"},        {0x82, "quotesinglbase"},
    {0x83, "florin"},         {0x84, "quotedblbase"},
    {0x85, "ellipsis"},       {0x86, "dagger"},
    {0x87, "daggerdbl"},      {0x88, "circumflex"},
    {0x89, "perthousand"},    {0x8A, "Scaron"},
    {0x8B, "guilsinglleft"},  {0x8C, "OE"},
    {0x8D, ".notdef"},        {0x8E, "Zcaron"},
    {0x8F, ".notdef"},        {0x90, ".notdef"},
    {0x91, "quoteleft"},      {0x92, "quoteright"},
    {0x93, "quotedblleft"},   {0x94, "quotedblright"},
    {0x95, "bullet"},         {0x96, "endash"},
    {0x97, "emdash"},         {0x98, "tilde"},
    {0x99, "trademark"},      {0x9A, "scaron"},
    {0x9B, "guilsinglright"}, {0x9C, "oe"},
    {0x9D, ".notdef"},        {0x9E, "zcaron"},
    {0x9F, "Ydieresis"},
};

const char* const kEncodingStart = "/IxvEncoding ISOLatin1Encoding 256 array copy def\n";
const char* const kFontsAndProcedures =
    "/ixvfont { findfont dup length dict begin\n"
    "  { 1 index /FID ne { def } { pop pop } ifelse } forall\n"
    "  /Encoding IxvEncoding def currentdict end definefont pop } bind def\n"
    "/IxvHelvetica /Helvetica ixvfont\n"
    "/IxvHelvetica-Bold /Helvetica-Bold ixvfont\n"
    "% x y width height gray sq: a square filled, then outlined in black\n"
    "/sq { setgray 4 copy rectfill 0 setgray rectstroke } bind def\n"
    "% x y (text) tx: text from its baseline's left end\n"
    "/tx { 3 1 roll moveto show } bind def\n";

// Numbers without locale, at most three decimals, no trailing zeros.
QByteArray number(double value) {
    QByteArray text = QByteArray::number(std::round(value * 1000) / 1000, 'f', 3);
    while (text.endsWith('0'))
        text.chop(1);
    if (text.endsWith('.'))
        text.chop(1);
    return text == "-0" ? QByteArray("0") : text;
}

// A PostScript string of 7-bit text: parentheses and backslashes escaped, other bytes outside
// printable ASCII in octal.
QByteArray string(const QByteArray& bytes) {
    QByteArray out = "(";
    for (char c : bytes) {
        const auto ch = quint8(c);
        if (ch == '(' || ch == ')' || ch == '\\')
            out += '\\' + QByteArray(1, c);
        else if (ch < 0x20 || ch >= 0x7F)
            out += '\\' + QByteArray::number(ch, 8).rightJustified(3, '0');
        else
            out += c;
    }
    return out + ')';
}

// DSC comments are 7-bit text on one line.
QByteArray commentText(const QString& text) {
    QByteArray out;
    for (QChar ch : text)
        out += ch.unicode() >= 0x20 && ch.unicode() < 0x7F ? char(ch.unicode()) : '?';
    return out;
}

QByteArray encodingChanges() {
    QByteArray out;
    for (const Glyph& g : kCodepageGlyphs)
        out += "IxvEncoding " + QByteArray::number(g.code) + " /" + g.name + " put\n";
    return out;
}

} // namespace

QByteArray eps(const GridImage& image, const QString& description) {
    const int height = image.size.height();
    QByteArray out = "%!PS-Adobe-3.0 EPSF-3.0\n";
    out += "%%BoundingBox: 0 0 " + QByteArray::number(image.size.width()) + ' ' +
           QByteArray::number(height) + '\n';
    out += "%%Creator: " + commentText(kCreator) + '\n';
    if (!description.isEmpty())
        out += "%%Title: " + commentText(description) + '\n';
    out += "%%LanguageLevel: 2\n";
    out += "%%DocumentNeededResources: font Helvetica Helvetica-Bold\n";
    out += "%%EndComments\n";
    out += "%%BeginProlog\n";
    out += kEncodingStart + encodingChanges() + kFontsAndProcedures;
    out += "%%EndProlog\n";
    out += "gsave\n1 setlinewidth 0 setlinejoin 2 setlinecap\n";

    QByteArray font;
    for (const GridImage::Item& item : image.items) {
        if (const auto* square = std::get_if<GridImage::Square>(&item)) {
            // The outline runs half a unit inside the square's edges, as in the SVG picture.
            const int side = square->x2 - square->x1 - 1;
            const int tall = square->y2 - square->y1 - 1;
            out += number(square->x1 + 0.5) + ' ' + number(height - square->y1 - 0.5 - tall) + ' ' +
                   QByteArray::number(side) + ' ' + QByteArray::number(tall) +
                   (square->black ? " 0 sq\n" : " 1 sq\n");
        } else {
            const auto& text = std::get<GridImage::Text>(item);
            const QByteArray wanted = (text.bold ? "/IxvHelvetica-Bold " : "/IxvHelvetica ") +
                                      number(text.emSize) + " selectfont\n";
            if (wanted != font)
                out += font = wanted;
            out += number(text.x) + ' ' + number(height - text.y - text.ascent) + ' ' +
                   string(text.text) + " tx\n";
        }
    }
    out += "grestore\nshowpage\n%%EOF\n";
    return out;
}

} // namespace GridImageFiles
