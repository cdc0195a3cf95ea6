#pragma once

#include <QClipboard>
#include <QObject>

class QContextMenuEvent;
class QDropEvent;
class QInputMethodEvent;
class QKeyEvent;
class QLineEdit;
class QMouseEvent;
class QPlainTextEdit;

// Puzzle text is Windows-1252, so every text field of the program takes its input through this
// filter: typed keys, pastes (Ctrl+V, the context menu, a middle click, a Paste button), drops,
// text composed by an input method and characters chosen from a map. A typed key, a composed
// text or a chosen character holding a character the code page cannot hold is refused whole,
// with a beep; pasted and dropped text goes in without such characters, and how many were left
// out is reported, so that nothing is ever stored as a wrong byte. A field may also have a
// length limit, beyond which typed, composed and chosen text is refused and pasted or dropped
// text is cut, and may be one line, which drops the line breaks and tabs of pasted text.
struct InputLimits {
    int maxLength = 0; // characters; 0 for no limit
    bool oneLine = false;
};

// What the filters of every field report, for the window that tells the user.
class CodepageInputReports : public QObject {
    Q_OBJECT
public:
    static CodepageInputReports& instance();

signals:
    // Pasted or dropped text went in without count characters the code page cannot hold.
    void charactersLeftOut(int count);
};

class CodepageInput : public QObject {
    Q_OBJECT
public:
    // Filters the field's input for as long as the field lives.
    static CodepageInput* install(QLineEdit* edit, InputLimits limits = {});
    static CodepageInput* install(QPlainTextEdit* edit, InputLimits limits = {});

    // Puts the clipboard's text in at the caret, in place of the selection.
    void paste(QClipboard::Mode mode = QClipboard::Clipboard);
    // Puts text in at the caret, in place of the selection, as one typed key does: whole or,
    // with a beep, not at all.
    void type(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CodepageInput(QWidget* edit, QLineEdit* line, QPlainTextEdit* memo, InputLimits limits);

    struct Admitted {
        QString text;    // what may go in
        int leftOut = 0; // characters the code page cannot hold
    };
    // The text without the characters the code page cannot hold, cut to room characters.
    Admitted admit(const QString& text, int room) const;
    // Typed, composed and chosen text goes in only whole.
    bool admitsWhole(const QString& text) const;
    // How many characters fit; the selection counts as free when the input replaces it.
    int room(bool selectionReplaced) const;
    void insert(const QString& text);
    void refuse() const;
    bool keyPress(QKeyEvent* event);
    bool inputMethod(QInputMethodEvent* event);
    bool drop(QObject* target, QDropEvent* event);
    bool middleClick(QMouseEvent* event);
    bool contextMenu(QContextMenuEvent* event);

    QWidget* m_edit;
    QLineEdit* m_line; // one of these two is the field
    QPlainTextEdit* m_memo;
    InputLimits m_limits;
    bool m_forwarding = false; // an event of our own is on its way to the field
};
