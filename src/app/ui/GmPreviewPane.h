#pragma once

#include "output/ui/PrintPreviewPane.h"

#include <memory>

class TGmPreview;

// The print preview window's pane: the preview engine's view, set up as that window shows it
// (a 4-pixel gutter on the button face, no border), printing on the printer chosen in
// "Printer Setup...", or the default printer when that names none that is installed.
class GmPreviewPane : public PrintPreviewPane {
public:
    explicit GmPreviewPane(const QString& printerName);

    QWidget* widget() override;
    TGmDocument& document() override;
    int clientHeight() const override;
    QString printerName() const override;
    TGmPrintResult print() override;
    QString printError() const override;

private:
    // Owned by the window that placed the view (asked for widget()), by this pane until then.
    TGmPreview* m_preview;
    std::unique_ptr<QWidget> m_unplaced;
};
