#pragma once

#include "app/Dialogs.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <functional>

// Answers the program's dialogs from a script, in order, and records what was shown. A question
// the script did not expect is a test failure (recorded in unexpected), never a hang.
class ScriptedDialogs : public Dialogs {
public:
    struct Shown {
        QString kind; // "attention", "information", "warning", "error", "yesno", "yesnocancel",
                      // "open", "save", "font"
        QString heading;
        QString text;
    };

    QList<Shown> shown;
    QList<Answer> answers;    // for the questions, in order
    QStringList files;        // for the file dialogs, in order
    QStringList unexpected;   // questions asked with no scripted answer
    QList<std::optional<FontChoice>> fonts; // for the font dialogs, in order; none: cancelled
    QList<FontChoice> offeredFonts;         // what each font dialog started from
    QList<FileRequest> fileRequests;        // every file dialog's request
    std::function<void(const Shown&)> onShown; // told of each dialog as it is shown

    void attention(QWidget*, const QString& text) override { record("attention", "Attention", text); }
    void information(QWidget*, const QString& h, const QString& t) override { record("information", h, t); }
    void warning(QWidget*, const QString& h, const QString& t) override { record("warning", h, t); }
    void error(QWidget*, const QString& h, const QString& t) override { record("error", h, t); }
    Answer askYesNo(QWidget*, const QString& h, const QString& t) override {
        record("yesno", h, t);
        return nextAnswer(Answer::No);
    }
    Answer askYesNoCancel(QWidget*, const QString& h, const QString& t) override {
        record("yesnocancel", h, t);
        return nextAnswer(Answer::Cancel);
    }
    QString openFile(QWidget*, const FileRequest& r) override { return nextFile("open", r); }
    QString saveFile(QWidget*, const FileRequest& r) override { return nextFile("save", r); }
    bool chooseFont(QWidget*, FontChoice& choice) override {
        record("font", choice.font.family(), {});
        offeredFonts << choice;
        if (fonts.isEmpty()) {
            unexpected << QStringLiteral("font dialog");
            return false;
        }
        const std::optional<FontChoice> answer = fonts.takeFirst();
        if (answer)
            choice = *answer;
        return answer.has_value();
    }
    bool printerSetup(QWidget*, QPrinter&) override {
        record("printer", "Printer Setup", {});
        return nextAnswer(Answer::Cancel) == Answer::Ok;
    }

    QStringList texts() const {
        QStringList out;
        for (const Shown& s : shown)
            out << s.text;
        return out;
    }

private:
    void record(const char* kind, const QString& heading, const QString& text) {
        shown.append({QString::fromLatin1(kind), heading, text});
        if (onShown)
            onShown(shown.last());
    }
    Answer nextAnswer(Answer fallback) {
        if (answers.isEmpty()) {
            unexpected << shown.last().text;
            return fallback;
        }
        return answers.takeFirst();
    }
    QString nextFile(const char* kind, const FileRequest& r) {
        record(kind, r.title, r.fileName);
        fileRequests << r;
        if (files.isEmpty()) {
            unexpected << r.title;
            return {};
        }
        return files.takeFirst();
    }
};

// Records the sounds asked for, in order.
#include "app/SoundEffects.h"
class RecordingSounds : public SoundEffects {
public:
    QStringList played;
    void PlayWarningSound() override { played << QStringLiteral("warning"); }
    void PlayEndSound() override { played << QStringLiteral("end"); }
    void PlayAttentionSound() override { played << QStringLiteral("attention"); }
};
