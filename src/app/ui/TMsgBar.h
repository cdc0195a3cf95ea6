#pragma once

#include <QStatusBar>
#include <QTimer>
#include <array>

// The main window's status bar: four panels, all drawn by the program. Panel 0 shows hints,
// panel 1 messages and statistics, panel 2 the edited indicator, panel 3 nothing.
class TMsgBar : public QStatusBar {
    Q_OBJECT
public:
    explicit TMsgBar(QWidget* parent = nullptr);

    QString panelText(int panel) const { return m_text[panel]; }
    void setPanelText(int panel, const QString& text);
    // Shows text in the panel for the given time, then what the panel showed before.
    void flashPanelText(int panel, const QString& text, int milliseconds);
    int panelWidth(int panel) const { return m_width[panel]; }
    // Panel widths from the bar's width (the main window's FormResize).
    void FormResize();

signals:
    // A press right of panels 0 and 1 while panel 2 reads "EDITED".
    void editedPanelPressed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void MsgBarDrawPanel(QPainter& painter, int panel, const QRect& rect);

    std::array<QString, 4> m_text;
    std::array<int, 4> m_width{};
    QTimer m_flashTimer;
    int m_flashPanel = 0;
    QString m_flashText;
    QString m_beforeFlash;
};
