#include "puzzle/ui/CodepageEdits.h"

#include "base/Codepage.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMimeData>

namespace {
bool encodable(const QString& text) {
    return Codepage::firstUnencodable(text) < 0;
}
} // namespace

QValidator::State CodepageValidator::validate(QString& input, int&) const {
    return encodable(input) ? Acceptable : Invalid;
}

void CodepageTextEdit::keyPressEvent(QKeyEvent* event) {
    if (!event->text().isEmpty() && !encodable(event->text())) {
        QApplication::beep();
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

bool CodepageTextEdit::canInsertFromMimeData(const QMimeData* source) const {
    return source->hasText() && QPlainTextEdit::canInsertFromMimeData(source);
}

void CodepageTextEdit::insertFromMimeData(const QMimeData* source) {
    if (source->hasText() && !encodable(source->text())) {
        QApplication::beep();
        return;
    }
    QPlainTextEdit::insertFromMimeData(source);
}
