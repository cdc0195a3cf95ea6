#include "pdf/PdfEngine.h"

#include "base/Codepage.h"
#include "base/Rounding.h"
#include "base/SafeFile.h"
#include "pdf/PdfDisplay.h"
#include "pdf/PdfError.h"
#include "pdf/PdfFontFacts.h"
#include "pdf/PdfSyntax.h"
#include "pdf/PdfWriter.h"

#include <QFileInfo>
#include <QHash>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

const QByteArray kProducer = "Ixenvar PDF writer 7.0";

struct PaperSize {
    const char* name;
    int width; // tenths of a millimetre, portrait
    int height;
};
constexpr PaperSize kPapers[] = {
    {"Letter", 2159, 2794},
    {"Legal", 2159, 3556},
    {"A4", 2100, 2970},
};

int tenthsToPoints(int tenths) {
    return int(roundDivHalfEven(qint64(tenths) * 72, 254));
}
int pointsToTenths(int points) {
    return int(roundDivHalfEven(qint64(points) * 254, 72));
}

bool listed(const QStringList& families, const QString& family) {
    return families.contains(family, Qt::CaseInsensitive);
}

QString systemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// Why this process may not write the path, or nothing when it may.
QString unwritable(const QString& path) {
    if (::access(QFile::encodeName(path).constData(), W_OK) == 0)
        return {};
    return systemReason(errno);
}

} // namespace

// The document being drawn: the file so far, the page's content held back until the page
// ends, and the font resources taken so far.
struct PdfEngine::Document {
    // A font resource stands for a family (case ignored), bold/italic style and character set.
    struct FontKey {
        QString family;
        bool bold = false;
        bool italic = false;
        int charset = 0;
        bool operator==(const FontKey&) const = default;
        friend size_t qHash(const FontKey& key, size_t seed = 0) {
            return qHashMulti(seed, key.family, key.bold, key.italic, key.charset);
        }
    };

    explicit Document(const PdfWriter::Info& info) : writer(info) {}
    PdfWriter writer;
    QByteArray content;
    int page = 1;
    QHash<FontKey, QByteArray> resources;
    FontKey lastFont; // the font of the last text, as set, and its resource
    QByteArray lastResource;
};

PdfEngine::PdfEngine()
    : m_nonEmbedded{QStringLiteral("Arial"), QStringLiteral("Courier New"),
                    QStringLiteral("Symbol"), QStringLiteral("Times New Roman")},
      m_symbolic{QStringLiteral("Symbol"), QStringLiteral("Wingdings"), QStringLiteral("Webdings")},
      m_now([] { return QDateTime::currentDateTime(); }) {
    setPaperSizeName(QStringLiteral("Letter"));
}

PdfEngine::~PdfEngine() = default;

void PdfEngine::refuseWhenActive() const {
    if (m_document)
        throw PdfError(PdfMessage::CantModifyWhenActive);
}

void PdfEngine::setAuthor(const QString& text) {
    refuseWhenActive();
    m_author = text;
}
void PdfEngine::setSubject(const QString& text) {
    refuseWhenActive();
    m_subject = text;
}
void PdfEngine::setTitle(const QString& text) {
    refuseWhenActive();
    m_title = text;
}
void PdfEngine::setKeywords(const QString& text) {
    refuseWhenActive();
    m_keywords = text;
}

void PdfEngine::setPaperSizeName(const QString& name) {
    refuseWhenActive();
    for (const PaperSize& paper : kPapers) {
        if (name.compare(QLatin1String(paper.name), Qt::CaseInsensitive) != 0)
            continue;
        const bool points = m_lengthUnit == TLengthUnit::luPoint;
        int width = points ? tenthsToPoints(paper.width) : paper.width;
        int height = points ? tenthsToPoints(paper.height) : paper.height;
        if (m_orientation == TPageOrientation::Landscape)
            std::swap(width, height);
        m_paperSizeName = QLatin1String(paper.name);
        m_pageWidth = width;
        m_pageHeight = height;
        return;
    }
    throw PdfError(PdfMessage::InvalidPropertyValue, QStringLiteral("PaperSizeName"));
}

void PdfEngine::setLengthUnit(TLengthUnit unit) {
    refuseWhenActive();
    if (unit == m_lengthUnit)
        return;
    const auto convert = unit == TLengthUnit::luPoint ? tenthsToPoints : pointsToTenths;
    m_pageWidth = convert(m_pageWidth);
    m_pageHeight = convert(m_pageHeight);
    m_lengthUnit = unit;
}

void PdfEngine::setPageWidth(int width) {
    refuseWhenActive();
    m_pageWidth = width;
}
void PdfEngine::setPageHeight(int height) {
    refuseWhenActive();
    m_pageHeight = height;
}

void PdfEngine::setOrientation(TPageOrientation orientation) {
    refuseWhenActive();
    if (orientation != m_orientation)
        std::swap(m_pageWidth, m_pageHeight);
    m_orientation = orientation;
}

void PdfEngine::setEmbedFonts(bool embed) {
    refuseWhenActive();
    m_embedFonts = embed;
}
void PdfEngine::setNonEmbeddedFonts(const QStringList& families) {
    refuseWhenActive();
    m_nonEmbedded = families;
}
void PdfEngine::setSymbolicFonts(const QStringList& families) {
    refuseWhenActive();
    m_symbolic = families;
}
void PdfEngine::setFileName(const QString& fileName) {
    refuseWhenActive();
    m_fileName = fileName;
}
void PdfEngine::setChannel(TOutputChannel channel) {
    refuseWhenActive();
    m_channel = channel;
}

// The file is written only at EndDoc; here the engine makes sure it will be allowed to: an
// existing file must be replaceable ("File locked", as when it cannot be deleted), a new one
// must be creatable in its folder ("Can't open file").
void PdfEngine::checkOutputFile() const {
    if (m_fileName.isEmpty())
        throw PdfError(PdfMessage::CantOpenFile, m_fileName);
    QFileInfo target(m_fileName);
    if (target.isSymLink())
        target = QFileInfo(target.symLinkTarget());
    const QString folder = target.absolutePath();
    if (target.exists()) {
        if (!target.isFile())
            throw PdfError(PdfMessage::FileLocked, m_fileName);
        QString why = unwritable(target.absoluteFilePath());
        if (why.isEmpty())
            why = unwritable(folder);
        if (!why.isEmpty())
            throw PdfError(PdfMessage::FileLocked, m_fileName, why);
        return;
    }
    if (!QFileInfo(folder).isDir())
        throw PdfError(PdfMessage::CantOpenFile, m_fileName, systemReason(ENOENT));
    if (const QString why = unwritable(folder); !why.isEmpty())
        throw PdfError(PdfMessage::CantOpenFile, m_fileName, why);
}

void PdfEngine::BeginDoc() {
    if (m_document)
        throw PdfError(PdfMessage::DocumentAlreadyOpen);
    if (m_pageHeight <= 0)
        throw PdfError(PdfMessage::InvalidPropertyValue, QStringLiteral("PageHeight"));
    if (m_pageWidth <= 0)
        throw PdfError(PdfMessage::InvalidPropertyValue, QStringLiteral("PageWidth"));
    if (m_channel == TOutputChannel::chPDF)
        checkOutputFile();
    else if (m_channel != TOutputChannel::chDisplay)
        throw PdfError(PdfMessage::InvalidPropertyValue, QStringLiteral("Channel"));

    PdfWriter::Info info;
    info.creationDate = m_now().toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1();
    info.title = Codepage::fromUnicodeLossy(m_title);
    info.author = Codepage::fromUnicodeLossy(m_author);
    info.subject = Codepage::fromUnicodeLossy(m_subject);
    info.keywords = Codepage::fromUnicodeLossy(m_keywords);
    info.producer = kProducer;
    m_document = std::make_unique<Document>(info);
    m_penPos = QPoint();
    if (auto handler = OnStart)
        handler(*this);
}

PdfEngine::Document& PdfEngine::requireOpen() {
    if (!m_document)
        throw PdfError(PdfMessage::DocumentNotOpened);
    return *m_document;
}

int PdfEngine::PageNumber() const {
    return m_document ? m_document->page : 0;
}

void PdfEngine::finishPage(Document& document) {
    document.writer.addPage(document.content, toPoints(m_pageWidth), toPoints(m_pageHeight));
    document.content.clear();
}

void PdfEngine::NewPage() {
    Document& document = requireOpen();
    finishPage(document);
    ++document.page;
    m_penPos = QPoint();
    if (auto handler = OnNewPage)
        handler(*this);
}

// The decimal digits of the day count since 30 December 1899 (fraction of the day included)
// times 10000, rounded, followed by the letters at positions 3, 6, 9, ... of the file name.
QByteArray PdfEngine::identifier() const {
    const QDateTime now = m_now();
    constexpr qint64 kMsPerDay = 24 * 60 * 60 * 1000;
    const qint64 days = QDate(1899, 12, 30).daysTo(now.date());
    const qint64 ms = now.time().msecsSinceStartOfDay();
    QByteArray id = QByteArray::number(days * 10000 + roundDivHalfEven(ms * 10000, kMsPerDay));
    for (qsizetype i = 2; i < m_fileName.size(); i += 3) {
        const QChar ch = m_fileName.at(i);
        if (!ch.isLetter())
            continue;
        if (const auto byte = Codepage::fromUnicode(ch))
            id += char(*byte);
    }
    return id;
}

void PdfEngine::EndDoc() {
    Document& open = requireOpen();
    finishPage(open);
    const QByteArray bytes = open.writer.finish(identifier());
    const int pages = open.writer.pageCount();
    m_document.reset();
    m_lastDocument = bytes;

    if (m_channel == TOutputChannel::chPDF) {
        try {
            SafeFile::write(m_fileName, bytes);
        } catch (const IoError& error) {
            throw PdfError(PdfMessage::FileWriteError, m_fileName, error.reason());
        }
    } else {
        m_shownPageCount = pages;
        if (m_display)
            m_display->showDocument(bytes, pages);
    }
    if (auto handler = OnEnd)
        handler(*this);
}

void PdfEngine::AbortDoc() {
    m_document.reset();
}

int PdfEngine::ShownPage() const {
    return m_display && m_shownPageCount > 0 ? m_display->shownPage() : -1;
}

void PdfEngine::ShowPage(int n) {
    if (!m_display || m_shownPageCount == 0)
        return;
    m_display->showPage(qBound(1, n, m_shownPageCount));
}

// --- the canvas ---

double PdfEngine::toPoints(int length) const {
    return m_lengthUnit == TLengthUnit::luPoint ? double(length) : double(length) * 72.0 / 254.0;
}

quint32 PdfEngine::rgb(quint32 colour) const {
    if ((colour & 0xFF000000u) == 0xFF000000u)
        return m_systemColours ? m_systemColours(colour) & 0xFFFFFFu : 0u;
    return colour & 0xFFFFFFu;
}

void PdfEngine::writePen(QByteArray& content) const {
    PdfSyntax::appendColourLine(content, rgb(m_pen.colour()), true);
    content += m_pen.style() == PdfPenStyle::Solid ? "\n[]0 d\n" : "\n[3 3]0 d\n";
    PdfSyntax::appendNumbers(content, {toPoints(m_pen.width())});
    content += "w\n";
}

void PdfEngine::writeLine(QByteArray& content, QPoint from, QPoint to) const {
    if (!m_pen.visible())
        return;
    writePen(content);
    PdfSyntax::appendNumbers(content, {xPoints(from.x()), yPoints(from.y())});
    content += "m\n";
    PdfSyntax::appendNumbers(content, {xPoints(to.x()), yPoints(to.y())});
    content += "l S\n";
}

void PdfEngine::MoveTo(int x, int y) {
    requireOpen();
    m_penPos = QPoint(x, y);
}

void PdfEngine::LineTo(int x, int y) {
    Document& document = requireOpen();
    writeLine(document.content, m_penPos, QPoint(x, y));
    m_penPos = QPoint(x, y);
}

void PdfEngine::Rectangle(int x1, int y1, int x2, int y2) {
    Document& document = requireOpen();
    if (x1 == x2 || y1 == y2) {
        writeLine(document.content, QPoint(x1, y1), QPoint(x2, y2));
        return;
    }
    const bool fill = m_brush.style() != PdfBrushStyle::Clear;
    const bool stroke = m_pen.visible();
    if (!fill && !stroke)
        return;
    if (x1 > x2)
        std::swap(x1, x2);
    if (y1 > y2)
        std::swap(y1, y2);
    QByteArray& content = document.content;
    if (fill) {
        PdfSyntax::appendColourLine(content, rgb(m_brush.colour()), false);
        content += '\n';
    }
    if (stroke)
        writePen(content);
    PdfSyntax::appendNumbers(content,
                             {xPoints(x1), yPoints(y2), toPoints(x2 - x1), toPoints(y2 - y1)});
    content += fill && stroke ? "re B\n" : stroke ? "re S\n" : "re f\n";
}

const PdfFontFacts& PdfEngine::fontFacts() {
    if (!m_facts || m_facts->requested != m_font.name() || m_factsBold != m_font.bold() ||
        m_factsItalic != m_font.italic()) {
        m_facts = PdfFonts::facts(m_font.name(), m_font.bold(), m_font.italic());
        m_factsBold = m_font.bold();
        m_factsItalic = m_font.italic();
    }
    return *m_facts;
}

QByteArray PdfEngine::fontResource(Document& document, const PdfFontFacts& facts) {
    // The default character set is the system code page's, Windows-1252: the ANSI set.
    const int charset =
        m_font.charset() == PdfFont::kDefaultCharset ? PdfFont::kAnsiCharset : m_font.charset();
    Document::FontKey key{m_font.name(), m_font.bold(), m_font.italic(), charset};
    if (key == document.lastFont)
        return document.lastResource;
    const Document::FontKey asSet = key;
    key.family = key.family.toCaseFolded();
    if (const auto found = document.resources.constFind(key); found != document.resources.cend()) {
        document.lastFont = asSet;
        document.lastResource = found.value();
        return found.value();
    }
    if (!facts.trueType)
        throw PdfError(PdfMessage::NotTrueType, m_font.name());
    if (charset != PdfFont::kAnsiCharset)
        throw PdfError(PdfMessage::CharsetNotSupported, m_font.name());

    PdfWriter::Font font;
    std::shared_ptr<const PdfFonts::FontProgram> program;
    if (m_embedFonts && facts.embeddingAllowed && !listed(m_nonEmbedded, facts.pdfName)) {
        program = PdfFonts::program(facts.fileName);
        font.program = &program->encoded;
        font.programLength = program->length;
    }
    font.fontName = facts.pdfName;
    font.baseFont = facts.pdfName;
    if (m_font.bold() || m_font.italic())
        font.baseFont += m_font.bold() && m_font.italic() ? QStringLiteral(",BoldItalic")
                         : m_font.bold()                  ? QStringLiteral(",Bold")
                                                          : QStringLiteral(",Italic");
    font.firstChar = facts.firstChar;
    font.lastChar = facts.lastChar;
    for (int c = facts.firstChar; c <= facts.lastChar; ++c)
        font.widths.append(facts.widths[size_t(c)]);
    font.ascent = facts.ascent;
    font.descent = facts.descent;
    font.italicAngle = facts.italicAngle;
    font.flags = (listed(m_symbolic, facts.pdfName) ? 4 : 32) + (facts.serif ? 2 : 0) +
                 (facts.script ? 8 : 0) + (m_font.italic() ? 64 : 0);
    const QByteArray resource = document.writer.addFont(font);
    document.resources.insert(key, resource);
    document.lastFont = asSet;
    document.lastResource = resource;
    return resource;
}

qint64 PdfEngine::widthThousandths(const PdfFontFacts& facts, const QByteArray& text) const {
    qint64 sum = 0;
    for (char c : text)
        sum += facts.widths[uchar(c)];
    return sum;
}

void PdfEngine::writeTextLine(QByteArray& content, double x, double y, double width,
                              double position, double thickness, int size) const {
    const double height = y + position * size;
    PdfSyntax::appendColourLine(content, rgb(m_font.colour()), true);
    content += "\n[]0 d\n";
    PdfSyntax::appendNumbers(content, {thickness * size});
    content += "w\n";
    PdfSyntax::appendNumbers(content, {x, height});
    content += "m ";
    PdfSyntax::appendNumbers(content, {x + double(roundHalfEven(width)), height});
    content += "l S\n";
}

void PdfEngine::TextOut(int x, int y, const QByteArray& text) {
    Document& document = requireOpen();
    const PdfFontFacts& facts = fontFacts();
    const QByteArray resource = fontResource(document, facts);
    const int size = qAbs(m_font.size());
    const double left = xPoints(x);
    const double baseline = yPoints(y) - size * facts.ascent / 1000.0;
    QByteArray& content = document.content;
    content += "BT\n/";
    content += resource;
    content += ' ';
    content += QByteArray::number(size);
    content += " Tf\n";
    PdfSyntax::appendColourLine(content, rgb(m_font.colour()), false);
    content += '\n';
    PdfSyntax::appendNumbers(content, {left, baseline});
    content += "Td\n";
    content += PdfSyntax::textString(text);
    content += " Tj\nET\n";

    const double width = double(widthThousandths(facts, text)) * size / 1000.0;
    if (m_font.style() & PdfFontStyle::Underline)
        writeTextLine(content, left, baseline, width, facts.underlinePosition,
                      facts.underlineThickness, size);
    if (m_font.style() & PdfFontStyle::StrikeOut)
        writeTextLine(content, left, baseline, width, facts.strikeOutPosition,
                      facts.strikeOutThickness, size);
}

int PdfEngine::TextWidth(const QByteArray& text) {
    requireOpen();
    const qint64 sum = widthThousandths(fontFacts(), text) * qAbs(m_font.size());
    if (m_lengthUnit == TLengthUnit::luPoint)
        return int(roundDivHalfEven(sum, 1000));
    return int(roundDivHalfEven(sum * 254, 1000 * 72));
}

int PdfEngine::TextHeight(const QByteArray& /*text*/) {
    requireOpen();
    const PdfFontFacts& facts = fontFacts();
    const qint64 scaled = 100 * qint64(m_font.size());
    const qint64 pixels = roundDivHalfAway((scaled < 0 ? -scaled : scaled) * 96, 72);
    const qint64 cell =
        scaled < 0 ? pixels : roundDivHalfEven(pixels * facts.cellUnits, facts.unitsPerEm);
    if (m_lengthUnit == TLengthUnit::luPoint)
        return int(roundDivHalfEven(cell * 72, 96 * 100));
    return int(roundDivHalfEven(cell * 254, 96 * 100));
}
