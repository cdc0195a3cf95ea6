#pragma once

#include "preview/GmPrinting.h"

#include <QCoreApplication>
#include <QPainter>
#include <QString>
#include <memory>

class QPrinter;

// The chosen printer, reached through QPrinter (CUPS): its geometry for the document and its
// sheets while a job runs. Each sheet is given the page's paper, turned to the page's shape,
// with the printer's smallest margins, so that the painter's origin is the corner of the area
// the printer can mark. The printer's own copy count stays 1: the document prints every copy.
class TGmPrinter : public TGmPrinterFacts, public TGmPrintSurface {
    Q_DECLARE_TR_FUNCTIONS(TGmPrinter)
public:
    // The default printer, or the first installed one; none when no printer is installed.
    TGmPrinter();
    ~TGmPrinter() override;

    // Chooses an installed printer by name; false, and no printer, when there is none of that
    // name.
    bool SetPrinterName(const QString& name);
    QString PrinterName() const;
    // For the printer set-up dialog.
    QPrinter& Printer() { return *m_printer; }

    bool HasPrinter() const override;
    TGmPrinterGeometry Geometry(const TGmValueSize& size,
                                TGmOrientation orientation) const override;

    bool BeginDocument(const QString& title, const TGmValueSize& size,
                       TGmOrientation orientation) override;
    TGmPrinterGeometry Geometry() const override;
    QPainter& Painter() override { return m_painter; }
    bool NewSheet(const TGmValueSize& size, TGmOrientation orientation) override;
    bool EndDocument() override;
    void AbortDocument() override;
    QString Error() const override { return m_error; }

    static QString NoPrinterText();

private:
    void applySheet(const TGmValueSize& size) const;
    TGmPrinterGeometry currentGeometry() const;

    std::unique_ptr<QPrinter> m_printer;
    bool m_installed = false;
    QPainter m_painter;
    QString m_error;
};
