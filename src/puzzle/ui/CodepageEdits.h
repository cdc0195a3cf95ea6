#pragma once

#include <QPlainTextEdit>
#include <QValidator>

// Puzzle text is Windows-1252: text fields refuse, where it is typed or pasted, any character
// the code page cannot hold, so that nothing is ever stored as a wrong byte.

class CodepageValidator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

class CodepageTextEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
};
