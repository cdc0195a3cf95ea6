#pragma once

#include <QClipboard>
#include <QObject>
#include <optional>

class QContextMenuEvent;
class QDropEvent;
class QInputMethodEvent;
class QKeyEvent;
class QLineEdit;
class QMouseEvent;
class QPlainTextEdit;

// Puzzle text is Windows-1252, so every text field of the program takes its input through this
// filter: typed keys, pastes (Ctrl+V, the context menu, a middle click, a Paste button), drops
// and text composed by an input method. Input holding a character the code page cannot hold is
// refused whole, with a beep, so that nothing is ever stored as a wrong byte. A field may also
// have a length limit, beyond which typed and composed text is refused and pasted or dropped
// text is cut, and may be one line, which drops the line breaks and tabs of pasted text.
struct InputLimits {
    int maxLength = 0; // characters; 0 for no limit
    bool oneLine = false;
};

class CodepageInput : public QObject {
    Q_OBJECT
public:
    // Filters the field's input for as long as the field lives.
    static CodepageInput* install(QLineEdit* edit, InputLimits limits = {});
    static CodepageInput* install(QPlainTextEdit* edit, InputLimits limits = {});

    // Puts the clipboard's text in at the caret, in place of the selection.
    void paste(QClipboard::Mode mode = QClipboard::Clipboard);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CodepageInput(QWidget* edit, QLineEdit* line, QPlainTextEdit* memo, InputLimits limits);

    // What of text may go in: nothing when a character is outside the code page, otherwise the
    // text cut to room characters.
    std::optional<QString> admit(const QString& text, int room) const;
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
