#include "FakePrinter.h"
#include "preview/GmDocument.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

// A document of Letter pages (the program prints no landscape ones); page n holds a black
// half-inch square n inches from the paper's left edge and an inch from its top.
void makePages(TGmDocument& doc, int pages) {
    doc.SetPaperSize(TGmPaperSize::Letter);
    doc.Canvas().Brush().SetColor(Qt::black);
    for (int n = 1; n <= pages; ++n) {
        if (n > 1)
            doc.NewPage();
        doc.Canvas().Rectangle(n, 1, n + 0.5, 1.5, TGmUnit::Inch);
    }
}

// The page whose square a sheet shows, 0 when none or more than one.
int pageOnSheet(const FakePrintSurface& surface, int sheet, int pages) {
    const FakePrintSurface::Sheet& s = surface.sheets.at(sheet);
    const QPoint offset = surface.facts.geometryFor(s.orientation).PrintableDots.topLeft();
    int found = 0;
    for (int n = 1; n <= pages; ++n) {
        const QPoint at = QPoint(n * 100 + 25, 125) - offset;
        if (s.image.pixel(at) == qRgb(0, 0, 0)) {
            if (found)
                return 0;
            found = n;
        }
    }
    return found;
}

QList<int> pagesOnSheets(const FakePrintSurface& surface, int pages) {
    QList<int> order;
    for (int i = 0; i < int(surface.sheets.size()); ++i)
        order << pageOnSheet(surface, i, pages);
    return order;
}

} // namespace

class Tst_gmprint : public QObject {
    Q_OBJECT
private slots:
    // Two copies of three pages, one after the other.
    void copyOrder() {
        TGmDocument doc;
        makePages(doc, 3);
        doc.SetPrintCopies(2);
        FakePrintSurface surface;
        QCOMPARE(doc.Print(surface), TGmPrintResult::Printed);
        QCOMPARE(pagesOnSheets(surface, 3), (QList<int>{1, 2, 3, 1, 2, 3}));
        QCOMPARE(surface.endCount, 1);
    }

    // The window shows the progress on AfterPrint (nothing else listens to a job's events): it
    // comes once, when every sheet is done.
    void afterPrintWhenEverySheetIsDone() {
        TGmDocument doc;
        makePages(doc, 2);
        doc.SetTitle(QStringLiteral("Acrostic 12"));
        FakePrintSurface surface;
        QList<int> sheetsDone;
        connect(&doc, &TGmDocument::AfterPrint, &doc,
                [&] { sheetsDone << int(surface.sheets.size()) << surface.endCount; });
        QCOMPARE(doc.Print(surface), TGmPrintResult::Printed);
        QCOMPARE(sheetsDone, (QList<int>{2, 1}));
        QCOMPARE(surface.title, QStringLiteral("Acrostic 12"));
    }

    void secondJobIsRefused() {
        TGmDocument doc;
        makePages(doc, 3);
        FakePrintSurface second;
        TGmPrintResult secondResult = TGmPrintResult::Printed;
        connect(&doc, &TGmDocument::BeforePrintPage, &doc, [&](int page) {
            if (page == 2)
                secondResult = doc.Print(second);
        });
        FakePrintSurface first;
        QCOMPARE(doc.Print(first), TGmPrintResult::Printed);
        QCOMPARE(secondResult, TGmPrintResult::AlreadyPrinting);
        QCOMPARE(second.beginCount, 0);
        QCOMPARE(pagesOnSheets(first, 3), (QList<int>{1, 2, 3}));
    }

    void printerFailures_data() {
        QTest::addColumn<bool>("refuseBegin");
        QTest::addColumn<int>("failSheet");
        QTest::newRow("the printer refuses the document") << true << 0;
        QTest::newRow("the printer fails to start the second sheet") << false << 2;
    }
    void printerFailures() {
        QFETCH(bool, refuseBegin);
        QFETCH(int, failSheet);
        TGmDocument doc;
        makePages(doc, 2);
        QSignalSpy after(&doc, &TGmDocument::AfterPrint);
        FakePrintSurface surface;
        surface.refuseBegin = refuseBegin;
        surface.failNewSheetAt = failSheet;
        QCOMPARE(doc.Print(surface), TGmPrintResult::Failed);
        QCOMPARE(doc.PrintError(), QStringLiteral("The printer is out of order."));
        QCOMPARE(after.count(), 0); // a failed job is never reported as printed
        QCOMPARE(surface.endCount, 0);
        QCOMPARE(surface.abortCount, refuseBegin ? 0 : 1);
        QVERIFY(!doc.Printing());
    }

    void pagesPrintAsTheyWereWhenTheJobBegan() {
        TGmDocument doc;
        makePages(doc, 3);
        connect(&doc, &TGmDocument::AfterPrintPage, &doc, [&doc](int page) {
            if (page == 1)
                doc.Clear();
        });
        FakePrintSurface surface;
        QCOMPARE(doc.Print(surface), TGmPrintResult::Printed);
        QCOMPARE(pagesOnSheets(surface, 3), (QList<int>{1, 2, 3}));
        QCOMPARE(doc.NumPages(), 1);
    }
};

QTEST_MAIN(Tst_gmprint)
#include "tst_gmprint.moc"
