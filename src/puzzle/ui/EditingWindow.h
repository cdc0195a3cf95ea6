#pragma once

#include <QMdiSubWindow>

// An editing window inside the main window: a tool window without caption buttons that hides
// itself instead of showing as an icon when minimized, and keeps its caption drawn as active
// when it loses the focus.
class EditingWindow : public QMdiSubWindow {
    Q_OBJECT
public:
    explicit EditingWindow(QWidget* parent = nullptr);

    // Shown and neither minimized nor maximized: the windows that repaint or use another
    // window test this first.
    bool isShownNormally() const;
    // Minimizes the window, which hides it.
    void minimizeToHidden();
    // Shows the window in its normal state.
    void restoreNormal();
    // Sizes the window so that its client area is w x h pixels.
    void setClientSize(int w, int h);
    // The difference between the outer size and the client size.
    QSize frameExtra() const;
    // The lowest client area that still shows all the window's controls.
    virtual int smallestClientHeight() const { return 0; }

protected:
    void changeEvent(QEvent* event) override;
};
