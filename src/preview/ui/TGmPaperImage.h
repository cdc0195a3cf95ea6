#pragma once

#include <QWidget>

class TGmPreview;

// The page image inside the preview: the white paper with its black outline, the shown page's
// picture, the shadow and the margin outlines, with the gutter around the paper.
class TGmPaperImage : public QWidget {
    Q_OBJECT
public:
    TGmPaperImage(TGmPreview& preview, QWidget* parent);

    // The paper inside the gutter; its right and bottom edges are exclusive.
    QRect PaperRect() const;
    // The outline of margins (hundredths of a millimetre) inset from the paper edge, as the
    // pixels it covers.
    QRect MarginRect(qint32 left, qint32 top, qint32 right, qint32 bottom) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TGmPreview& m_preview;
};
