// The smallest Qt Widgets program: one window. Tells on standard error when it first painted.
#include <QApplication>
#include <QPainter>
#include <QWidget>
#include <cstdio>

namespace {
class Window : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override {
        QPainter(this).fillRect(rect(), Qt::white);
        if (!m_told) {
            m_told = true;
            std::fprintf(stderr, "first-window-painted\n");
            std::fflush(stderr);
        }
    }

private:
    bool m_told = false;
};
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Window window;
    window.resize(600, 400);
    window.show();
    return app.exec();
}
