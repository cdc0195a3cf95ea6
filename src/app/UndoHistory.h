#pragma once

#include "puzzle/RecordChange.h"

#include <QByteArray>
#include <QString>
#include <deque>
#include <optional>

// The steps back and forward through the edits of the open puzzle. Each step keeps the whole
// record as it was on its other side, 11,519 bytes, so that going back or forward is one copy
// and returns exactly the bytes there were. The oldest steps go beyond kMaxSteps.
class UndoHistory {
public:
    static constexpr int kMaxSteps = 500;

    // Starts over from the record: nothing to undo or redo.
    void start(const QByteArray& record);
    // Takes in the record as an edit left it. A change since the record last taken in becomes a
    // new step, or joins the step of the group it belongs to; a new step drops the steps that
    // could be redone. Returns whether the history changed.
    bool record(const QByteArray& record);
    // Every change until endGroup joins one step, whatever it is.
    void beginGroup();
    // The next change begins a step of its own. Without beginGroup, the keystrokes of one clue
    // form a group until this is called.
    void endGroup();

    struct Move {
        QByteArray record; // the record to return to
        QString description;
    };
    // Goes one step back or forward from the record last taken in; nullopt when there is none.
    std::optional<Move> undo();
    std::optional<Move> redo();

    bool canUndo() const { return !m_undo.empty(); }
    bool canRedo() const { return !m_redo.empty(); }
    int undoSteps() const { return int(m_undo.size()); }
    int redoSteps() const { return int(m_redo.size()); }
    // What the next undo or redo would change back ("pick of E in word C"); empty when nothing.
    QString undoDescription() const;
    QString redoDescription() const;
    // The memory the steps take, records and descriptions.
    qsizetype bytesHeld() const;

private:
    struct Step {
        QByteArray record;
        RecordChange change;
    };
    enum class Grouping { None, SameClue, Everything };

    void push(const QByteArray& before, const RecordChange& change);
    std::optional<Move> moveStep(std::deque<Step>& from, std::deque<Step>& to);

    std::deque<Step> m_undo;
    std::deque<Step> m_redo;
    QByteArray m_last;
    Grouping m_grouping = Grouping::None;
    bool m_inGroup = false;
};
