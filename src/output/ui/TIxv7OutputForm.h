#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;
class TIxvProcs;

// The progress notice shown during saving and output: a borderless 400 x 56 panel centred on
// its owner, a smooth progress bar over a centred label.
class TIxv7OutputForm : public QWidget {
    Q_OBJECT
public:
    TIxv7OutputForm(const QString& label, QWidget* owner);

    // Shows the window, lets it paint, and runs the bar.
    void showAndRun(TIxvProcs& procs);
    // Ten steps of 10, each after a wait of 25 ms, then a last wait of 750 ms. The waits keep
    // handling window events, so other buttons stay usable meanwhile.
    void RunProgressBar(TIxvProcs& procs);

    void setProgress(int value); // 0..100
    int progress() const;

private:
    QProgressBar* m_bar = nullptr;
    QLabel* m_label = nullptr;
};
