#include "pdf/PdfWriter.h"

#include "pdf/PdfSyntax.h"

namespace {
constexpr int kPageTree = 2;
constexpr int kResources = 3;
constexpr int kInteractiveForm = 4; // reserved; written only for documents with form fields
} // namespace

PdfWriter::PdfWriter(const Info& info) {
    line("%PDF-1.3");
    beginObject(takeNumber());
    line("<<");
    line("/CreationDate" + PdfSyntax::textString("D:" + info.creationDate));
    line("/Title" + PdfSyntax::textString(info.title));
    if (!info.author.isEmpty())
        line("/Author" + PdfSyntax::textString(info.author));
    if (!info.subject.isEmpty())
        line("/Subject" + PdfSyntax::textString(info.subject));
    if (!info.keywords.isEmpty())
        line("/Keywords" + PdfSyntax::textString(info.keywords));
    line("/Producer" + PdfSyntax::textString(info.producer));
    line(">>");
    endObject();
    while (takeNumber() < kInteractiveForm) {
    }
}

int PdfWriter::takeNumber() {
    m_offsets.append(0);
    return int(m_offsets.size() - 1);
}

void PdfWriter::beginObject(int number) {
    m_offsets[number] = m_out.size();
    line(QByteArray::number(number) + " 0 obj");
}

void PdfWriter::endObject() {
    line("endobj");
}

void PdfWriter::line(const QByteArray& text) {
    m_out += text;
    m_out += '\n';
}

QByteArray PdfWriter::reference(int number) {
    return QByteArray::number(number) + " 0 R";
}

QByteArray PdfWriter::addFont(const Font& font) {
    int programObject = 0;
    if (font.program) {
        programObject = takeNumber();
        beginObject(programObject);
        line("<<");
        line("/Filter[/ASCII85Decode/FlateDecode]");
        line("/Length " + QByteArray::number(font.program->size()));
        line("/Length1 " + QByteArray::number(font.programLength));
        line(">>");
        line("stream");
        line(*font.program);
        line("endstream");
        endObject();
    }

    const int widthsObject = takeNumber();
    beginObject(widthsObject);
    for (const QByteArray& widthsLine : PdfSyntax::widthsLines(font.widths))
        line(widthsLine);
    endObject();

    const int descriptorObject = takeNumber();
    beginObject(descriptorObject);
    line("<<");
    line("/Type/FontDescriptor");
    line("/FontName/" + PdfSyntax::name(font.fontName));
    line("/Ascent " + QByteArray::number(font.ascent));
    line("/Descent " + QByteArray::number(-font.descent));
    line("/ItalicAngle " + QByteArray::number(font.italicAngle));
    line("/CapHeight " + QByteArray::number(font.ascent));
    line("/Flags " + QByteArray::number(font.flags));
    line("/FontBBox[0 0 0 0]");
    if (programObject)
        line("/FontFile2 " + reference(programObject));
    line(">>");
    endObject();

    const QByteArray resource = "F" + QByteArray::number(m_fonts.size());
    const int fontObject = takeNumber();
    beginObject(fontObject);
    line("<<");
    line("/Type/Font");
    line("/Subtype/TrueType");
    line("/Name/" + resource);
    line("/BaseFont/" + PdfSyntax::name(font.baseFont));
    line("/Encoding/WinAnsiEncoding");
    line("/FirstChar " + QByteArray::number(font.firstChar));
    line("/LastChar " + QByteArray::number(font.lastChar));
    line("/Widths " + reference(widthsObject));
    line("/FontDescriptor " + reference(descriptorObject));
    line(">>");
    endObject();
    m_fonts.append({resource, fontObject});
    return resource;
}

void PdfWriter::addPage(const QByteArray& content, double widthPoints, double heightPoints) {
    const int contentObject = takeNumber();
    beginObject(contentObject);
    line("<<");
    line("/Length " + QByteArray::number(content.size()));
    line(">>");
    line("stream");
    m_out += content;
    line("endstream");
    endObject();

    const int pageObject = takeNumber();
    beginObject(pageObject);
    line("<<");
    line("/Type/Page");
    line("/Parent " + reference(kPageTree));
    line("/MediaBox[ 0 0 " + PdfSyntax::number(widthPoints) + ' ' +
         PdfSyntax::number(heightPoints) + " ]");
    line("/Contents " + reference(contentObject));
    line(">>");
    endObject();
    m_pages.append(pageObject);
}

QByteArray PdfWriter::finish(const QByteArray& identifier) {
    const int catalog = takeNumber();
    beginObject(catalog);
    line("<<");
    line("/Type/Catalog");
    line("/Pages " + reference(kPageTree));
    line(">>");
    endObject();

    beginObject(kPageTree);
    line("<<");
    line("/Type/Pages");
    line("/Kids[");
    for (int page : m_pages)
        line(reference(page));
    line("]");
    line("/Count " + QByteArray::number(m_pages.size()));
    line("/Resources " + reference(kResources));
    line(">>");
    endObject();

    beginObject(kResources);
    line("<<");
    line("/ProcSet[/PDF/Text/ImageC]");
    line("/Font<<");
    for (const auto& [resource, object] : m_fonts)
        line('/' + resource + ' ' + reference(object));
    line(">>");
    line(">>");
    endObject();

    const qint64 xref = m_out.size();
    const qsizetype size = m_offsets.size();
    line("xref");
    line("0 " + QByteArray::number(size));
    m_out += "0000000000 65535 f\r\n";
    for (qsizetype number = 1; number < size; ++number) {
        if (number == kInteractiveForm && m_offsets[number] == 0)
            m_out += "0000000000 65535 f\r\n";
        else
            m_out += QByteArray::number(m_offsets[number]).rightJustified(10, '0') + " 00000 n\r\n";
    }
    line("trailer");
    line("<<");
    line("/Size " + QByteArray::number(size));
    line("/Root " + reference(catalog));
    line("/Info " + reference(1));
    const QByteArray id = PdfSyntax::textString(identifier);
    line("/ID[" + id + id + ']');
    line(">>");
    line("startxref");
    line(QByteArray::number(xref));
    line("%%EOF");
    return m_out;
}
