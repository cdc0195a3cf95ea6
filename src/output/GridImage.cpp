#include "output/GridImage.h"

#include "base/Codepage.h"
#include "output/SquareNumbers.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <cmath>

namespace {

constexpr int kCell = 30;
const QString kFontFamily = QStringLiteral("Arial");

QFont unhinted(bool bold) {
    QFont font(kFontFamily);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

// Measures Arial at any character-cell height. The font is measured once at a large size,
// unhinted, and scaled, so that widths grow with the height and do not depend on the device.
class FontMeasure {
public:
    explicit FontMeasure(bool bold) : m_bold(bold), m_metrics(referenceFont(bold)) {}

    GridImage::Text text(int x, int y, int height, const QByteArray& bytes) const {
        const double em = emSize(height);
        return {x, y, height, m_bold, em, m_metrics.ascent() * em / kReference, bytes};
    }
    // TW at a cell height, in whole units.
    int width(int height, const QByteArray& bytes) const {
        const double advance = m_metrics.horizontalAdvance(Codepage::toUnicode(bytes));
        return int(std::lround(advance * emSize(height) / kReference));
    }

private:
    static constexpr int kReference = 2048;
    static QFont referenceFont(bool bold) {
        QFont font = unhinted(bold);
        font.setPixelSize(kReference);
        return font;
    }
    double emSize(int height) const {
        return height * kReference / (m_metrics.ascent() + m_metrics.descent());
    }

    bool m_bold;
    QFontMetricsF m_metrics;
};

QByteArray wordLabel(const PuzzleRecord& record, int c, int r) {
    return WordLabel(record.code(c, r) % 100).toLatin1();
}

class Layout {
public:
    Layout(const PuzzleRecord& record, GridImageKind kind) : m_record(record), m_kind(kind) {
        m_numbers.fill(record);
    }

    GridImage build() {
        m_image.size = QSize(m_record.GridWidth * kCell + 2, m_record.GridHeight * kCell + 2);
        for (int r = 1; r <= m_record.GridHeight; ++r) {
            for (int c = 1; c <= m_record.GridWidth; ++c) {
                const int x = 1 + (c - 1) * kCell;
                const int y = 1 + (r - 1) * kCell;
                const quint8 ch = m_record.letter(c, r);
                m_image.items << GridImage::Square{x, y, x + kCell + 1, y + kCell + 1,
                                                   ch == BlackSquare};
                if (ch != BlackSquare)
                    squareContent(c, r, x, y, ch);
            }
        }
        return m_image;
    }

private:
    void squareContent(int c, int r, int x, int y, quint8 ch) {
        const QByteArray letter(1, char(ch));
        switch (m_kind) {
        case GridImageKind::SolvingGrid:
            if (carriesNumber(ch))
                numberAndLabel(c, r, x, y);
            else // apostrophe and hyphen squares show their character instead, large
                add(m_regular, x + (kCell - m_regular.width(28, letter)) / 2,
                    y + (kCell - 28) / 2 + 6, 28, letter);
            break;
        case GridImageKind::ManuscriptSolutionGrid:
            if (carriesNumber(ch))
                numberAndLabel(c, r, x, y);
            if (ch != 0)
                add(m_regular, x + (kCell - m_regular.width(16, letter)) / 2,
                    y + (kCell - 16) / 2 + 6, 16, letter);
            break;
        case GridImageKind::SolutionGrid:
            if (ch != 0)
                add(m_bold, x + (kCell - m_bold.width(22, letter)) / 2, y + (kCell - 22) / 2, 22,
                    letter);
            break;
        }
    }

    // The number at the top left, the label of the square's word at the top right.
    void numberAndLabel(int c, int r, int x, int y) {
        add(m_regular, x + 2, y + 1, 10, QByteArray::number(m_numbers.at(c, r)));
        const QByteArray label = wordLabel(m_record, c, r);
        add(m_regular, x + 28 - m_regular.width(10, label), y + 1, 10, label);
    }

    void add(const FontMeasure& font, int x, int y, int height, const QByteArray& text) {
        if (!text.isEmpty())
            m_image.items << font.text(x, y, height, text);
    }

    const PuzzleRecord& m_record;
    GridImageKind m_kind;
    SquareNumbers m_numbers;
    FontMeasure m_regular{false};
    FontMeasure m_bold{true};
    GridImage m_image;
};

} // namespace

GridImage layoutGridImage(const PuzzleRecord& record, GridImageKind kind) {
    return Layout(record, kind).build();
}

void paintGridImage(QPainter& painter, const GridImage& image) {
    painter.save();
    QPen line(Qt::black, 1);
    line.setJoinStyle(Qt::MiterJoin);
    line.setCapStyle(Qt::SquareCap);
    // A font size in points that gives the em size in the painter's units on this device.
    const double pointsPerUnit = 72.0 / painter.device()->logicalDpiY();
    for (const GridImage::Item& item : image.items) {
        if (const auto* square = std::get_if<GridImage::Square>(&item)) {
            painter.setPen(line);
            painter.setBrush(square->black ? Qt::black : Qt::white);
            // The line runs half a unit inside the square's edges, so that it covers the
            // first and the last unit of the square, as a one-unit pen does on paper.
            painter.drawRect(QRectF(square->x1 + 0.5, square->y1 + 0.5, square->x2 - square->x1 - 1,
                                    square->y2 - square->y1 - 1));
        } else {
            const auto& text = std::get<GridImage::Text>(item);
            QFont font = unhinted(text.bold);
            font.setPointSizeF(text.emSize * pointsPerUnit);
            painter.setFont(font);
            painter.setPen(Qt::black);
            painter.drawText(QPointF(text.x, text.y + text.ascent), Codepage::toUnicode(text.text));
        }
    }
    painter.restore();
}

