#include "pdf/PdfFontFacts.h"

#include "base/Codepage.h"
#include "base/FontAvailability.h"
#include "base/Rounding.h"
#include "base/SafeFile.h"
#include "pdf/PdfError.h"
#include "pdf/PdfSyntax.h"

#include <QFile>
#include <QHash>
#include <QMutex>
#include <QtEndian>

#include <cmath>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_ADVANCES_H
#include FT_TRUETYPE_TABLES_H

namespace PdfFonts {

namespace {

// Families whose metric-compatible stand-ins the file may name by the family itself: the
// widths are the same, and a reader shows the family when it has it.
struct StandIn {
    QString family;
    QStringList standIns;
};
const QList<StandIn>& standIns() {
    static const QList<StandIn> table{
        {QStringLiteral("Arial"), {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")}},
        {QStringLiteral("Times New Roman"),
         {QStringLiteral("Liberation Serif"), QStringLiteral("Tinos")}},
        {QStringLiteral("Courier New"),
         {QStringLiteral("Liberation Mono"), QStringLiteral("Cousine")}},
    };
    return table;
}

// The name the file gives the font, and how it was chosen.
void nameFont(PdfFontFacts& facts, const FontAvailability::FontMatch& match) {
    const QString own = match.spellingOf(facts.requested);
    if (!own.isEmpty()) {
        facts.pdfName = own;
        facts.choice = PdfFontFacts::Choice::Installed;
        return;
    }
    for (const StandIn& entry : standIns()) {
        if (entry.family.compare(facts.requested, Qt::CaseInsensitive) != 0)
            continue;
        for (const QString& standIn : entry.standIns) {
            if (match.carries(standIn)) {
                facts.pdfName = entry.family;
                facts.choice = PdfFontFacts::Choice::Substitute;
                return;
            }
        }
    }
    facts.pdfName = match.families.isEmpty() ? facts.requested : match.families.first();
    facts.choice = PdfFontFacts::Choice::Fallback;
}

int thousandths(qint64 units, int unitsPerEm) {
    return int(roundDivHalfEven(units * 1000, unitsPerEm));
}

// A character index of the OS/2 table as a byte: symbol fonts put their characters at
// 0xF000 + byte.
int byteOf(int index) {
    return index >= 0xF000 && index <= 0xF0FF ? index - 0xF000 : index;
}

FT_CharMap charMap(FT_Face face, FT_Encoding encoding) {
    for (int i = 0; i < face->num_charmaps; ++i) {
        if (face->charmaps[i]->encoding == encoding)
            return face->charmaps[i];
    }
    return nullptr;
}

FT_UInt glyphOf(FT_Face face, FT_CharMap unicode, FT_CharMap symbol, int byte) {
    FT_UInt glyph = 0;
    if (unicode && FT_Set_Charmap(face, unicode) == 0)
        glyph = FT_Get_Char_Index(face, Codepage::toUnicode(quint8(byte)).unicode());
    if (glyph == 0 && symbol && FT_Set_Charmap(face, symbol) == 0) {
        glyph = FT_Get_Char_Index(face, FT_ULong(0xF000 + byte));
        if (glyph == 0)
            glyph = FT_Get_Char_Index(face, FT_ULong(byte));
    }
    return glyph;
}

void readWidths(PdfFontFacts& facts, FT_Face face) {
    FT_CharMap unicode = charMap(face, FT_ENCODING_UNICODE);
    FT_CharMap symbol = charMap(face, FT_ENCODING_MS_SYMBOL);
    for (int byte = facts.firstChar; byte <= facts.lastChar; ++byte) {
        FT_Fixed advance = 0;
        FT_Get_Advance(face, glyphOf(face, unicode, symbol, byte), FT_LOAD_NO_SCALE, &advance);
        facts.widths[size_t(byte)] = thousandths(advance, facts.unitsPerEm);
    }
}

// Serif and script families as a desktop's font mapper classes them from the PANOSE digits:
// script when the family kind is hand-written; serif when a proportional font has one of the
// serifed styles (cove to triangle).
void readClass(PdfFontFacts& facts, FT_Face face, const TT_OS2* os2) {
    if (!os2)
        return;
    const int kind = os2->panose[0];
    const int serifStyle = os2->panose[1];
    const bool monospaced = FT_IS_FIXED_WIDTH(face) || os2->panose[3] == 9;
    facts.script = kind == 3;
    facts.serif = !facts.script && !monospaced && serifStyle >= 2 && serifStyle <= 10;
}

void readMetrics(PdfFontFacts& facts, FT_Face face) {
    facts.unitsPerEm = face->units_per_EM > 0 ? face->units_per_EM : 1000;
    const int em = facts.unitsPerEm;
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (os2 && os2->version == 0xFFFF)
        os2 = nullptr;

    int ascent = face->ascender;
    int descent = -face->descender;
    if (os2 && os2->usWinAscent + os2->usWinDescent > 0) {
        ascent = os2->usWinAscent;
        descent = os2->usWinDescent;
    }
    facts.ascent = thousandths(ascent, em);
    facts.descent = thousandths(descent, em);
    facts.cellUnits = ascent + descent;

    if (os2) {
        // Restricted-licence embedding, or bitmaps only: the outlines may not be embedded.
        facts.embeddingAllowed = (os2->fsType & 0x0202) == 0;
        facts.firstChar = byteOf(os2->usFirstCharIndex);
        facts.lastChar = byteOf(os2->usLastCharIndex);
        if (facts.firstChar > 255)
            facts.firstChar = 32;
        if (facts.lastChar > 255 || facts.lastChar == 0)
            facts.lastChar = 255;
        if (facts.firstChar > facts.lastChar)
            facts.firstChar = 0;
    }
    readClass(facts, face, os2);

    if (const auto* post = static_cast<const TT_Postscript*>(FT_Get_Sfnt_Table(face, FT_SFNT_POST)))
        facts.italicAngle = int(roundHalfEven(double(post->italicAngle) / 65536.0));

    facts.underlinePosition = double(face->underline_position) / em;
    facts.underlineThickness = double(face->underline_thickness) / em;
    if (os2 && os2->yStrikeoutSize > 0) {
        facts.strikeOutPosition = double(os2->yStrikeoutPosition) / em;
        facts.strikeOutThickness = double(os2->yStrikeoutSize) / em;
    } else {
        facts.strikeOutPosition = 0.25;
        facts.strikeOutThickness = facts.underlineThickness;
    }
    readWidths(facts, face);
}

std::shared_ptr<PdfFontFacts> load(const QString& family, bool bold, bool italic) {
    const FontAvailability::FontMatch match = FontAvailability::match(family, bold, italic);
    auto facts = std::make_shared<PdfFontFacts>();
    facts->requested = family;
    facts->fileName = match.file;
    facts->faceIndex = match.index;
    nameFont(*facts, match);
    facts->trueType = match.index == 0 && fileKind(match.file) == FileKind::TrueType;

    FT_Library library = nullptr;
    if (match.file.isEmpty() || FT_Init_FreeType(&library) != 0)
        return nullptr;
    FT_Face face = nullptr;
    const QByteArray path = QFile::encodeName(match.file);
    const bool opened = FT_New_Face(library, path.constData(), match.index, &face) == 0;
    const bool usable = opened && FT_IS_SCALABLE(face);
    if (usable)
        readMetrics(*facts, face);
    if (opened)
        FT_Done_Face(face);
    FT_Done_FreeType(library);
    return usable ? facts : nullptr;
}

QMutex g_mutex;

} // namespace

std::shared_ptr<const PdfFontFacts> facts(const QString& family, bool bold, bool italic) {
    static QHash<QString, std::shared_ptr<const PdfFontFacts>> cache;
    const QString key = family.toCaseFolded() + u'\n' + QChar(u'0' + (bold ? 1 : 0)) +
                        QChar(u'0' + (italic ? 1 : 0));
    QMutexLocker lock(&g_mutex);
    auto found = cache.constFind(key);
    if (found == cache.constEnd())
        found = cache.insert(key, load(family, bold, italic));
    if (!found.value())
        throw PdfError(PdfMessage::NotTrueType, family);
    return found.value();
}

std::shared_ptr<const FontProgram> program(const QString& fileName) {
    static QHash<QString, std::shared_ptr<const FontProgram>> cache;
    QMutexLocker lock(&g_mutex);
    auto found = cache.constFind(fileName);
    if (found != cache.constEnd())
        return found.value();
    constexpr qint64 kLargestFont = 64 * 1024 * 1024;
    const QByteArray file = SafeFile::readRegular(fileName, kLargestFont);
    auto encoded = std::make_shared<FontProgram>();
    encoded->encoded = PdfSyntax::ascii85(PdfSyntax::deflate(file));
    encoded->length = file.size();
    cache.insert(fileName, encoded);
    return encoded;
}

FileKind fileKind(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return FileKind::Other;
    const QByteArray head = file.read(12);
    if (head.size() < 12)
        return FileKind::Other;
    const QByteArray tag = head.left(4);
    if (tag == "ttcf")
        return FileKind::Collection;
    if (tag == "OTTO")
        return FileKind::OpenTypeCff;
    if (tag != QByteArray("\0\1\0\0", 4) && tag != "true")
        return FileKind::Other;
    const int tables = qFromBigEndian<quint16>(head.constData() + 4);
    const QByteArray directory = file.read(qint64(tables) * 16);
    for (qsizetype at = 0; at + 16 <= directory.size(); at += 16) {
        if (directory.mid(at, 4) == "glyf")
            return FileKind::TrueType;
    }
    return FileKind::Other;
}

} // namespace PdfFonts
