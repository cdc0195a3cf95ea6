#pragma once

#include "output/GridImage.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <optional>

// A grid picture as file content: SVG (vector, for word processors and drawing programs), PNG
// (pixels, for everything else) and Encapsulated PostScript (for page layout programs). One
// logical unit is one point (1/72 inch) in every format.
namespace GridImageFiles {

enum class Format { Svg, Png, Eps };

// The name of the program that made the picture, carried in every SVG and EPS picture.
inline const QString kCreator = QStringLiteral("Ixenvar6");

// The SVG picture with the creator as its title and the description text.
QByteArray svg(const GridImage& image, const QString& description);
// The picture at `scale` pixels a unit, on white, and as a PNG file.
QImage raster(const GridImage& image, int scale);
QByteArray png(const GridImage& image, int scale);
// The EPSF-3.0 picture; its bounding box is the picture's logical size. The description, when
// not empty, becomes its title.
QByteArray eps(const GridImage& image, const QString& description);

// The PNG pictures the program makes are four pixels a unit: sharp when printed.
constexpr int kPngScale = 4;

// The format a file name's extension (.svg, .png, .eps, in any letter case) asks for.
std::optional<Format> formatOf(const QString& fileName);
QByteArray encode(const GridImage& image, Format format, const QString& description);
// Writes the picture in the format of fileName's extension, replacing the file whole or not at
// all. Raises IoError naming the file.
void write(const QString& fileName, const GridImage& image, Format format,
           const QString& description);

// The grid files of a base name: stem-solving, stem-solution and stem-manuscript, with the
// format's extension.
QString fileName(const QString& stem, GridImageKind kind, Format format);

} // namespace GridImageFiles
