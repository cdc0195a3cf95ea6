#include "output/GridImageFiles.h"

#include "base/SafeFile.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

namespace GridImageFiles {

namespace {
constexpr int kPointsPerInch = 72;
constexpr double kInchesPerMetre = 1 / 0.0254;
} // namespace

QByteArray svg(const GridImage& image, const QString& description) {
    QBuffer buffer;
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(image.size);
    generator.setViewBox(QRect(QPoint(0, 0), image.size));
    generator.setResolution(kPointsPerInch);
    generator.setTitle(kCreator);
    generator.setDescription(description);
    QPainter painter(&generator);
    paintGridImage(painter, image);
    painter.end();
    return buffer.data();
}

QImage raster(const GridImage& image, int scale) {
    QImage pixels(image.size * scale, QImage::Format_RGB32);
    pixels.fill(Qt::white);
    const int dotsPerMetre = int(kPointsPerInch * scale * kInchesPerMetre + 0.5);
    pixels.setDotsPerMeterX(dotsPerMetre);
    pixels.setDotsPerMeterY(dotsPerMetre);
    QPainter painter(&pixels);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(scale, scale);
    paintGridImage(painter, image);
    painter.end();
    return pixels;
}

QByteArray png(const GridImage& image, int scale) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    raster(image, scale).save(&buffer, "PNG");
    return bytes;
}

std::optional<Format> formatOf(const QString& fileName) {
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QStringLiteral("svg"))
        return Format::Svg;
    if (suffix == QStringLiteral("png"))
        return Format::Png;
    if (suffix == QStringLiteral("eps"))
        return Format::Eps;
    return std::nullopt;
}

QByteArray encode(const GridImage& image, Format format, const QString& description) {
    switch (format) {
    case Format::Svg:
        return svg(image, description);
    case Format::Png:
        return png(image, kPngScale);
    case Format::Eps:
        return eps(image, description);
    }
    return {};
}

void write(const QString& fileName, const GridImage& image, Format format,
           const QString& description) {
    SafeFile::write(fileName, encode(image, format, description));
}

QString fileName(const QString& stem, GridImageKind kind, Format format) {
    static const char* const kKindNames[] = {"solving", "solution", "manuscript"};
    static const char* const kExtensions[] = {"svg", "png", "eps"};
    return QStringLiteral("%1-%2.%3")
        .arg(stem, QLatin1String(kKindNames[int(kind) - 1]),
             QLatin1String(kExtensions[int(format)]));
}

} // namespace GridImageFiles
