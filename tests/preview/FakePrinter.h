#pragma once

#include "preview/GmPrinting.h"

#include <QImage>
#include <QPainter>
#include <QString>
#include <memory>
#include <vector>

// A printer with fixed geometry: its resolution, the whole sheet and the printable area, for a
// portrait sheet; a landscape sheet turns the same geometry a quarter turn.
struct FakePrinterFacts : TGmPrinterFacts {
    bool present = true;
    int dpi = 100;
    QSize paperDots{850, 1100}; // Letter
    QRect printableDots{25, 20, 800, 1050};

    bool HasPrinter() const override { return present; }
    TGmPrinterGeometry Geometry(const TGmValueSize& size, TGmOrientation o) const override {
        Q_UNUSED(size);
        return geometryFor(o);
    }
    TGmPrinterGeometry geometryFor(TGmOrientation o) const {
        TGmPrinterGeometry g;
        g.DpiX = g.DpiY = dpi;
        if (o == gmPortrait) {
            g.PaperDots = paperDots;
            g.PrintableDots = printableDots;
        } else {
            g.PaperDots = paperDots.transposed();
            const int bottom = paperDots.height() - printableDots.bottom() - 1;
            g.PrintableDots =
                QRect(bottom, printableDots.left(), printableDots.height(), printableDots.width());
        }
        return g;
    }
};

// A print surface that keeps every sheet as an image, so that a test sees what each sheet got.
// The painter's origin is the printable area's corner, as on a printer.
class FakePrintSurface : public TGmPrintSurface {
public:
    struct Sheet {
        TGmOrientation orientation;
        QImage image;
    };

    FakePrinterFacts facts;
    bool refuseBegin = false;
    int failNewSheetAt = 0; // the sheet whose start fails; 0: none
    QString title;
    int beginCount = 0;
    int endCount = 0;
    int abortCount = 0;
    std::vector<Sheet> sheets;

    bool BeginDocument(const QString& t, const TGmValueSize&, TGmOrientation o) override {
        ++beginCount;
        if (refuseBegin)
            return false;
        title = t;
        startSheet(o);
        return true;
    }
    TGmPrinterGeometry Geometry() const override {
        return facts.geometryFor(sheets.back().orientation);
    }
    QPainter& Painter() override { return *m_painter; }
    bool NewSheet(const TGmValueSize&, TGmOrientation o) override {
        if (failNewSheetAt == int(sheets.size()) + 1)
            return false;
        m_painter->end();
        startSheet(o);
        return true;
    }
    bool EndDocument() override {
        ++endCount;
        m_painter->end();
        return true;
    }
    void AbortDocument() override {
        ++abortCount;
        m_painter->end();
    }
    QString Error() const override { return QStringLiteral("The printer is out of order."); }

private:
    void startSheet(TGmOrientation o) {
        const TGmPrinterGeometry g = facts.geometryFor(o);
        QImage image(g.PrintableDots.size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        sheets.push_back({o, image});
        m_painter = std::make_unique<QPainter>(&sheets.back().image);
    }
    std::unique_ptr<QPainter> m_painter;
};
