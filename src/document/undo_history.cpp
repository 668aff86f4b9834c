#include "undo_history.h"

#include "objects/object_archive.h"
#include "platform/archive.h"

#include <QDebug>

bool UndoHistory::CheckPoint() {
    if (m_suspended > 0)
        return false;
    auto record = std::make_unique<UndoRecord>();
    if (m_scratch.capacity() < kBlockGrowth)
        m_scratch.reserve(kBlockGrowth);
    try {
        Archive ar(&record->block, &m_scratch);
        StoreOrLoadRecord(ar, *record);
        ar.Close();
    } catch (const ArchiveError& e) {
        qWarning("Undo checkpoint not recorded: %s", qPrintable(e.Text()));
        return false;
    }
    if (int(m_undo.size()) > kLevels)
        m_undo.pop_back();
    m_undo.push_front(std::move(record));
    m_redo.clear();
    HistoryChanged();
    return true;
}

void UndoHistory::ResetHistory() {
    m_undo.clear();
    m_redo.clear();
    CheckPoint();
}

bool UndoHistory::Restore(UndoRecord& record, QString* error) {
    try {
        const QByteArray bytes = record.block.Joined();
        Archive ar(bytes, ObjectClasses());
        StoreOrLoadRecord(ar, record);
        return true;
    } catch (const ArchiveError& e) {
        if (error != nullptr)
            *error = e.Text();
        return false;
    }
}

bool UndoHistory::Undo(QString* error) {
    if (m_undo.size() <= 1)
        return false;
    if (!Restore(*m_undo[1], error))
        return false;
    m_redo.push_front(std::move(m_undo.front()));
    m_undo.pop_front();
    HistoryChanged();
    return true;
}

bool UndoHistory::Redo(QString* error) {
    if (m_redo.empty())
        return false;
    if (!Restore(*m_redo.front(), error))
        return false;
    if (int(m_undo.size()) > kLevels)
        m_undo.pop_back();
    m_undo.push_front(std::move(m_redo.front()));
    m_redo.pop_front();
    HistoryChanged();
    return true;
}
