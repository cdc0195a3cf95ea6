#include "app/UndoHistory.h"

#include <utility>

namespace {
RecordChange changeBetween(const QByteArray& before, const QByteArray& after) {
    return describeChange(PuzzleRecord::fromBytes(before), PuzzleRecord::fromBytes(after));
}
} // namespace

void UndoHistory::start(const QByteArray& record) {
    m_undo.clear();
    m_redo.clear();
    m_last = record;
    m_grouping = Grouping::None;
    m_inGroup = false;
}

bool UndoHistory::record(const QByteArray& record) {
    if (record == m_last)
        return false;
    if (m_last.isEmpty()) {
        m_last = record;
        return false;
    }
    const RecordChange change = changeBetween(m_last, record);
    const bool joins = !m_undo.empty() && (m_grouping == Grouping::Everything ||
                                           (m_grouping == Grouping::SameClue &&
                                            change.kind == RecordChange::Kind::Clue &&
                                            change.word == m_undo.back().change.word));
    m_redo.clear();
    const QByteArray before = std::exchange(m_last, record);
    if (!joins) {
        push(before, change);
        return true;
    }
    Step& step = m_undo.back();
    if (step.record == record) {
        // The group came back to where it began: nothing of it is left to undo.
        m_undo.pop_back();
        m_grouping = Grouping::None;
    } else {
        step.change = changeBetween(step.record, record);
    }
    return true;
}

void UndoHistory::push(const QByteArray& before, const RecordChange& change) {
    m_undo.push_back(Step{before, change});
    if (int(m_undo.size()) > kMaxSteps)
        m_undo.pop_front();
    m_grouping = m_inGroup                                 ? Grouping::Everything
                 : change.kind == RecordChange::Kind::Clue ? Grouping::SameClue
                                                           : Grouping::None;
}

void UndoHistory::beginGroup() {
    m_inGroup = true;
    m_grouping = Grouping::None;
}

void UndoHistory::endGroup() {
    m_inGroup = false;
    m_grouping = Grouping::None;
}

std::optional<UndoHistory::Move> UndoHistory::undo() {
    return moveStep(m_undo, m_redo);
}

std::optional<UndoHistory::Move> UndoHistory::redo() {
    return moveStep(m_redo, m_undo);
}

// The step goes over to the other side, keeping the record it leaves.
std::optional<UndoHistory::Move> UndoHistory::moveStep(std::deque<Step>& from,
                                                       std::deque<Step>& to) {
    if (from.empty())
        return std::nullopt;
    Step step = std::move(from.back());
    from.pop_back();
    to.push_back(Step{m_last, step.change});
    m_last = step.record;
    m_grouping = Grouping::None;
    return Move{m_last, step.change.description};
}

QString UndoHistory::undoDescription() const {
    return m_undo.empty() ? QString() : m_undo.back().change.description;
}

QString UndoHistory::redoDescription() const {
    return m_redo.empty() ? QString() : m_redo.back().change.description;
}

qsizetype UndoHistory::bytesHeld() const {
    qsizetype bytes = 0;
    for (const auto* steps : {&m_undo, &m_redo}) {
        for (const Step& step : *steps)
            bytes += qsizetype(sizeof(Step)) + step.record.capacity() +
                     step.change.description.capacity() * qsizetype(sizeof(QChar));
    }
    return bytes;
}
