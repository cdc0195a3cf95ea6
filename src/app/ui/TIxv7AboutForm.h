#pragma once

#include <QDialog>

class DesktopServices;
class QLabel;
class QPushButton;

// The About box: the program's picture with the version and the support address, which opens a
// new mail message when clicked.
class TIxv7AboutForm : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* kSupportAddress = "support@ixenvar.example";

    TIxv7AboutForm(DesktopServices& desktop, QWidget* parent = nullptr);

    QLabel* lblVersion = nullptr;
    QLabel* lblEmail = nullptr;
    QPushButton* OKBtn = nullptr;

    void lblEmailClick();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    DesktopServices& m_desktop;
    QPixmap m_picture;
};
