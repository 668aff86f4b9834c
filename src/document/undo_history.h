#pragma once

#include "edit_footprint.h"
#include "platform/archive.h"

#include <QByteArray>
#include <QString>

#include <deque>
#include <memory>

// One checkpoint: the whole document serialised in the project file's bytes.
// Large picture records are held by reference to the pictures' own encoded
// bytes, so unchanged pictures cost no copy per checkpoint.
// The record also keeps what the edit that led to it changed, so that undoing
// or redoing it draws only that again.
struct UndoRecord {
    PieceBlock block;
    EditFootprint footprint;
};

// Undo and redo over whole snapshots. Every checkpoint serialises the
// document (faces with their background pictures, album data, label stock
// paths) into a memory block; Undo moves the newest record to the redo list
// and restores the one before it, Redo brings it back. The undo list holds
// the current state and up to kLevels earlier ones. The history owns its
// records; the class that mixes it in says how to write and read a snapshot.
class UndoHistory {
public:
    static constexpr int kLevels = 20;
    static constexpr int kBlockGrowth = 0x20000;

    UndoHistory() = default;
    virtual ~UndoHistory() = default;
    UndoHistory(const UndoHistory&) = delete;
    UndoHistory& operator=(const UndoHistory&) = delete;

    // Records the current state as the newest checkpoint and forgets the redo
    // list; does nothing while suspended. False when the state could not be
    // written: the redo list is forgotten all the same, the history marks the
    // current state as unrecorded and tells CheckPointFailed, and the next
    // Undo goes back to the newest record, the state before that edit,
    // instead of skipping it.
    bool CheckPoint() { return CheckPoint(EditFootprint{}); }
    // The same for an edit that changed what `footprint` names.
    bool CheckPoint(const EditFootprint& footprint);
    // Empties both lists and records the current state as the only record.
    void ResetHistory();
    // Restores the previous checkpoint. False when there is none, or when the
    // snapshot could not be read back (`error` says why; nothing changed).
    bool Undo(QString* error = nullptr);
    // Restores the checkpoint undone last.
    bool Redo(QString* error = nullptr);

    bool CanUndo() const { return m_undo.size() > 1 || (m_unrecorded && !m_undo.empty()); }
    bool CanRedo() const { return !m_redo.empty(); }
    int UndoCount() const { return int(m_undo.size()); }
    int RedoCount() const { return int(m_redo.size()); }

    // While Undo or Redo restores a record: what the edit undone or redone
    // changed; null otherwise, and when it is not known.
    const EditFootprint* RestoringEdit() const { return m_restoring; }

    // Checkpoints are recorded only while this is 0 or less.
    int m_suspended = 0;

protected:
    // Writes the current state into `ar`, or (loading) replaces it with the
    // snapshot in `ar`. Throws ArchiveError; a failed load must leave the
    // state unchanged.
    virtual void StoreOrLoadRecord(Archive& ar, UndoRecord& record) = 0;
    // Called after the lists changed (a checkpoint, undo, redo, a reset), so
    // that menus can follow what Undo and Redo may do.
    virtual void HistoryChanged() {}
    // Called when a checkpoint could not be written, with the reason.
    virtual void CheckPointFailed(const QString& /*why*/) {}

private:
    bool Restore(UndoRecord& record, QString* error);
    // Writes the current state into a new record; null (and `why`) on failure.
    std::unique_ptr<UndoRecord> Record(QString* why);

    std::deque<std::unique_ptr<UndoRecord>> m_undo; // front: the current state
    std::deque<std::unique_ptr<UndoRecord>> m_redo; // front: undone last
    // The current state differs from the newest record: its checkpoint failed.
    bool m_unrecorded = false;
    const EditFootprint* m_restoring = nullptr;
    QByteArray m_scratch; // reused between checkpoints so writing rarely allocates
};
