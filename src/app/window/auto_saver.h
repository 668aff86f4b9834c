#pragma once

#include "platform/recovery_store.h"

#include <QByteArray>
#include <QObject>
#include <QString>

class CDiscwrightDoc;
class QSocketNotifier;
class QTimer;

// Keeps a copy of unsaved work: while the project is modified it is written
// every interval (two minutes; LUMVANE_AUTOSAVE_SECONDS overrides it) to this
// window's recovery file in the state folder, never over the user's file. A
// save, a new or an opened project (the project is no longer modified)
// removes the copy, and so does a clean end (Close()).
//
// SIGTERM, SIGHUP and SIGINT (a logout, a closed terminal, Ctrl+C) write the
// copy at once and end the event loop without removing it, so the next start
// offers it. The handler only writes a byte to a pipe; the work is done on the
// window's thread when the pipe becomes readable.
class AutoSaver : public QObject {
    Q_OBJECT
public:
    AutoSaver(CDiscwrightDoc& doc, const QString& stateFolder, QObject* parent = nullptr);
    ~AutoSaver() override;

    // Writes the recovery file now when the project has changes it does not
    // hold yet. False when writing failed (said on stderr).
    bool SaveNow();
    // The end of a clean run: the recovery file goes.
    void Close();
    // Starts catching the ending signals (once per process).
    void CatchTerminationSignals();
    // Whether an ending signal arrived: the run is ending, and questions
    // that were open count as unanswered.
    bool Terminating() const { return m_terminating; }

    RecoveryStore& Store() { return m_store; }
    // The interval between two writes, in milliseconds.
    static int IntervalMs();

Q_SIGNALS:
    // An ending signal arrived and the copy was written (or there was none).
    void TerminationRequested();

private:
    void OnTermination();

    CDiscwrightDoc& m_doc;
    RecoveryStore m_store;
    QTimer* m_timer;
    QSocketNotifier* m_signals = nullptr;
    QByteArray m_lastSaved; // the bytes of the last write, to skip equal ones
    bool m_terminating = false;
};
