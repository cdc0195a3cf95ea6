#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;

// The progress notice shown during saving and output: a borderless 400 x 56 panel centred on
// its owner, a smooth progress bar over a centred label.
class TIxv7OutputForm : public QWidget {
    Q_OBJECT
public:
    TIxv7OutputForm(const QString& label, QWidget* owner);

    void setProgress(int value); // 0..100
    int progress() const;
    QString labelText() const;

private:
    QProgressBar* m_bar = nullptr;
    QLabel* m_label = nullptr;
};
