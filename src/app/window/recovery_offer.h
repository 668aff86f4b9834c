#pragma once

#include "platform/recovery_store.h"

#include <QDate>
#include <QString>

#include <functional>

class AutoSaver;
class FileCommands;
class QWidget;

// At start-up, the offer to restore the work of a window that did not close
// properly (crashed, killed, the machine went down).

enum class RestoreAnswer {
    kRestore,    // Yes: open the recovered project
    kDiscard,    // No: delete the recovery
    kUnanswered, // the question was dismissed or the run ended: ask next time
};
using RestoreQuestion = std::function<RestoreAnswer(QWidget* parent, const QString& text)>;

// "Lumvane did not close properly. Restore the changes to X made at 14:32?":
// X the project's file name ("Untitled" without one), the date before the
// time when the recovery is not from `today`.
QString RestoreQuestionText(const RecoveryStore::Entry& entry, const QDate& today);

// A message box with Yes and No (Escape leaves it unanswered). Without a
// screen (offscreen or minimal platform) the question goes to stderr and
// LUMVANE_TEST_ANSWER_RECOVERY ("yes" or "no") answers it; without that
// variable it stays unanswered.
RestoreQuestion InteractiveRestoreQuestion();

// Offers every recovery of a window that no longer runs, oldest first.
// Yes restores it through `files` (the saver then holds the work and the old
// recovery goes), No deletes it; an unanswered one, or one that cannot be
// read, stays for the next start. Returns how many were restored.
int OfferRecoveries(AutoSaver& saver, FileCommands& files, QWidget* parent,
                    const RestoreQuestion& ask);
