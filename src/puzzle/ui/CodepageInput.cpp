#include "puzzle/ui/CodepageInput.h"

#include "base/Codepage.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <algorithm>
#include <limits>

namespace {

// Key texts of control characters (Backspace, Return, Escape) edit rather than insert.
bool insertsText(const QString& keyText) {
    if (keyText.isEmpty())
        return false;
    return std::none_of(keyText.begin(), keyText.end(),
                        [](QChar ch) { return ch.category() == QChar::Other_Control; });
}

bool isPasteAction(const QAction* action) {
    return action->objectName() == QLatin1String("edit-paste") ||
           action->text().startsWith(QLineEdit::tr("&Paste"));
}

// Sends an event of the filter's own to the field, past the filter.
void forward(bool& forwarding, QObject* target, QEvent* event) {
    forwarding = true;
    QCoreApplication::sendEvent(target, event);
    forwarding = false;
}

void report(int leftOut) {
    if (leftOut > 0)
        emit CodepageInputReports::instance().charactersLeftOut(leftOut);
}

} // namespace

CodepageInput::CodepageInput(QWidget* edit, QLineEdit* line, QPlainTextEdit* memo,
                             InputLimits limits)
    : QObject(edit), m_edit(edit), m_line(line), m_memo(memo), m_limits(limits) {
    edit->installEventFilter(this);
}

CodepageInput* CodepageInput::install(QLineEdit* edit, InputLimits limits) {
    return new CodepageInput(edit, edit, nullptr, limits);
}

// Mouse, drag and context-menu events of a text box go to its viewport.
CodepageInput* CodepageInput::install(QPlainTextEdit* edit, InputLimits limits) {
    auto* filter = new CodepageInput(edit, nullptr, edit, limits);
    edit->viewport()->installEventFilter(filter);
    return filter;
}

CodepageInputReports& CodepageInputReports::instance() {
    static CodepageInputReports reports;
    return reports;
}

CodepageInput::Admitted CodepageInput::admit(const QString& text, int room) const {
    Admitted out;
    for (char32_t ch : text.toUcs4()) {
        if (m_limits.oneLine && (ch == u'\n' || ch == u'\r' || ch == u'\t'))
            continue;
        if (ch > 0xFFFF || !Codepage::fromUnicode(QChar(char16_t(ch))))
            ++out.leftOut; // a character outside the Basic Multilingual Plane counts once
        else
            out.text += QChar(char16_t(ch));
    }
    out.text.truncate(qMax(0, room));
    return out;
}

bool CodepageInput::admitsWhole(const QString& text) const {
    const Admitted admitted = admit(text, room(true));
    return admitted.leftOut == 0 && admitted.text == text;
}

int CodepageInput::room(bool selectionReplaced) const {
    if (m_limits.maxLength <= 0)
        return std::numeric_limits<int>::max();
    const qsizetype length = m_line ? m_line->text().size() : m_memo->toPlainText().size();
    const qsizetype selected =
        m_line ? m_line->selectedText().size() : m_memo->textCursor().selectedText().size();
    return m_limits.maxLength - int(length - (selectionReplaced ? selected : 0));
}

void CodepageInput::insert(const QString& text) {
    if (m_line) {
        m_line->insert(text);
    } else {
        m_memo->insertPlainText(text);
        m_memo->ensureCursorVisible();
    }
}

void CodepageInput::refuse() const {
    QApplication::beep();
}

void CodepageInput::paste(QClipboard::Mode mode) {
    const Admitted admitted = admit(QApplication::clipboard()->text(mode), room(true));
    // Nothing that can be stored leaves the selection as it is.
    if (!admitted.text.isEmpty() || admitted.leftOut == 0)
        insert(admitted.text);
    report(admitted.leftOut);
}

void CodepageInput::type(const QString& text) {
    if (admitsWhole(text))
        insert(text);
    else
        refuse();
}

bool CodepageInput::eventFilter(QObject* watched, QEvent* event) {
    if (m_forwarding)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
        return keyPress(static_cast<QKeyEvent*>(event));
    case QEvent::InputMethod:
        return inputMethod(static_cast<QInputMethodEvent*>(event));
    case QEvent::Drop:
        return drop(watched, static_cast<QDropEvent*>(event));
    case QEvent::MouseButtonRelease:
        return middleClick(static_cast<QMouseEvent*>(event));
    case QEvent::ContextMenu:
        return contextMenu(static_cast<QContextMenuEvent*>(event));
    default:
        return false;
    }
}

// A key's text goes in whole or not at all.
bool CodepageInput::keyPress(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        paste();
        return true;
    }
    const QString typed = event->text();
    if (!insertsText(typed) || admitsWhole(typed))
        return false;
    refuse();
    return true;
}

// Composed text goes in whole or not at all; a refused composition is ended without text.
bool CodepageInput::inputMethod(QInputMethodEvent* event) {
    const QString commit = event->commitString();
    if (commit.isEmpty() || admitsWhole(commit))
        return false;
    refuse();
    QInputMethodEvent ended;
    forward(m_forwarding, m_edit, &ended);
    return true;
}

// The field drops the text at the drop point itself; only text that had to be cut or cleaned is
// handed to it anew.
bool CodepageInput::drop(QObject* target, QDropEvent* event) {
    if (!event->mimeData()->hasText()) {
        event->ignore();
        return true;
    }
    const QString text = event->mimeData()->text();
    const Admitted admitted = admit(text, room(false));
    report(admitted.leftOut);
    if (admitted.text.isEmpty() && admitted.leftOut > 0) {
        QDragLeaveEvent leave; // takes the drop caret away
        forward(m_forwarding, target, &leave);
        event->ignore();
        return true;
    }
    if (admitted.text == text)
        return false;
    QMimeData cut;
    cut.setText(admitted.text);
    QDropEvent cutDrop(event->position(), event->possibleActions(), &cut, event->buttons(),
                       event->modifiers());
    forward(m_forwarding, target, &cutDrop);
    event->setDropAction(cutDrop.dropAction());
    event->setAccepted(cutDrop.isAccepted());
    return true;
}

// A middle click pastes the selection where the platform has one (X11): a one-line field at
// its caret, a text box where it was clicked.
bool CodepageInput::middleClick(QMouseEvent* event) {
    if (event->button() != Qt::MiddleButton || !QApplication::clipboard()->supportsSelection())
        return false;
    if (m_line)
        m_line->deselect();
    else
        m_memo->setTextCursor(m_memo->cursorForPosition(event->position().toPoint()));
    paste(QClipboard::Selection);
    return true;
}

// The standard menu, whose Paste goes through the filter.
bool CodepageInput::contextMenu(QContextMenuEvent* event) {
    QMenu* menu =
        m_line ? m_line->createStandardContextMenu() : m_memo->createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (QAction* action : menu->actions()) {
        if (isPasteAction(action)) {
            disconnect(action, &QAction::triggered, nullptr, nullptr);
            connect(action, &QAction::triggered, this, [this] { paste(); });
        }
    }
    menu->popup(event->globalPos());
    return true;
}
