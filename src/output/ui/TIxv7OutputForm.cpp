#include "output/ui/TIxv7OutputForm.h"

#include "app/TIxvProcs.h"

#include <QLabel>
#include <QProgressBar>

TIxv7OutputForm::TIxv7OutputForm(const QString& label, QWidget* owner)
    : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint) {
    setFixedSize(400, 56);
    setAutoFillBackground(true);
    m_bar = new QProgressBar(this);
    m_bar->setGeometry(0, 0, 400, 32);
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
    m_bar->setTextVisible(false);
    m_label = new QLabel(label, this);
    m_label->setGeometry(0, 32, 400, 24);
    m_label->setAlignment(Qt::AlignCenter);
    if (owner) {
        const QWidget* top = owner->window();
        move(top->geometry().center() - rect().center());
    }
}

void TIxv7OutputForm::showAndRun(TIxvProcs& procs) {
    show();
    procs.WaitPumping(5);
    RunProgressBar(procs);
}

void TIxv7OutputForm::RunProgressBar(TIxvProcs& procs) {
    for (int step = 1; step <= 10; ++step) {
        procs.WaitPumping(25);
        setProgress(step * 10);
    }
    procs.WaitPumping(750);
}

void TIxv7OutputForm::setProgress(int value) {
    m_bar->setValue(value);
}
int TIxv7OutputForm::progress() const {
    return m_bar->value();
}
