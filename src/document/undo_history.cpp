#include "undo_history.h"

#include "objects/object_archive.h"
#include "platform/archive.h"

#include <new>

std::unique_ptr<UndoRecord> UndoHistory::Record(QString* why) {
    try {
        auto record = std::make_unique<UndoRecord>();
        if (m_scratch.capacity() < kBlockGrowth)
            m_scratch.reserve(kBlockGrowth);
        Archive ar(&record->block, &m_scratch);
        StoreOrLoadRecord(ar, *record);
        ar.Close();
        return record;
    } catch (const ArchiveError& e) {
        *why = e.Message();
    } catch (const std::bad_alloc&) {
        *why = QStringLiteral("not enough memory");
    }
    return nullptr;
}

bool UndoHistory::CheckPoint(const EditFootprint& footprint) {
    if (m_suspended > 0)
        return false;
    QString why;
    std::unique_ptr<UndoRecord> record = Record(&why);
    // Either way the redo list no longer follows from the current state.
    m_redo.clear();
    if (record == nullptr) {
        m_unrecorded = true;
        HistoryChanged();
        CheckPointFailed(why);
        return false;
    }
    if (int(m_undo.size()) > kLevels)
        m_undo.pop_back();
    record->footprint = footprint;
    m_undo.push_front(std::move(record));
    m_unrecorded = false;
    HistoryChanged();
    return true;
}

void UndoHistory::ResetHistory() {
    m_undo.clear();
    m_redo.clear();
    m_unrecorded = false;
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
    // An edit whose checkpoint failed: record it now if that works (so Redo
    // can bring it back), else step back to the newest record, which is the
    // state just before that edit.
    if (m_unrecorded && !CheckPoint() && !m_undo.empty()) {
        if (!Restore(*m_undo.front(), error))
            return false;
        m_unrecorded = false;
        HistoryChanged();
        return true;
    }
    if (m_undo.size() <= 1)
        return false;
    m_restoring = &m_undo.front()->footprint;
    const bool restored = Restore(*m_undo[1], error);
    m_restoring = nullptr;
    if (!restored)
        return false;
    m_redo.push_front(std::move(m_undo.front()));
    m_undo.pop_front();
    HistoryChanged();
    return true;
}

bool UndoHistory::Redo(QString* error) {
    if (m_redo.empty())
        return false;
    m_restoring = &m_redo.front()->footprint;
    const bool restored = Restore(*m_redo.front(), error);
    m_restoring = nullptr;
    if (!restored)
        return false;
    if (int(m_undo.size()) > kLevels)
        m_undo.pop_back();
    m_undo.push_front(std::move(m_redo.front()));
    m_redo.pop_front();
    HistoryChanged();
    return true;
}
