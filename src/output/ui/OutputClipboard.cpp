#include "output/ui/OutputClipboard.h"

#include "base/Codepage.h"
#include "output/CluesText.h"
#include "output/GridImageFiles.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace OutputClipboard {

QMimeData* gridImageData(const PuzzleRecord& record, GridImageKind kind,
                         const QString& description) {
    const GridImage image = layoutGridImage(record, kind);
    auto* data = new QMimeData;
    data->setData(QStringLiteral("image/svg+xml"), GridImageFiles::svg(image, description));
    data->setImageData(GridImageFiles::raster(image, GridImageFiles::kPngScale));
    return data;
}

void CopyGridImage(const PuzzleRecord& record, GridImageKind kind, const QString& description) {
    QGuiApplication::clipboard()->setMimeData(gridImageData(record, kind, description));
}

void CopyCluesText(const PuzzleRecord& record) {
    QGuiApplication::clipboard()->setText(Codepage::toUnicode(CluesText(record)));
}

} // namespace OutputClipboard
