#include "recovery_offer.h"

#include "auto_saver.h"
#include "file_commands.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>

#include <cstdio>

QString RestoreQuestionText(const RecoveryStore::Entry& entry, const QDate& today) {
    const QString name = entry.projectPath.isEmpty()
                             ? QCoreApplication::translate("RecoveryOffer", "Untitled")
                             : QFileInfo(entry.projectPath).fileName();
    const QString time = entry.savedAt.toString(QStringLiteral("hh:mm"));
    if (entry.savedAt.date() == today)
        return QCoreApplication::translate(
                   "RecoveryOffer",
                   "Lumvane did not close properly. Restore the changes to %1 made at %2?")
            .arg(name, time);
    return QCoreApplication::translate(
               "RecoveryOffer",
               "Lumvane did not close properly. Restore the changes to %1 made on %2 at %3?")
        .arg(name, QLocale().toString(entry.savedAt.date(), QLocale::ShortFormat), time);
}

RestoreQuestion InteractiveRestoreQuestion() {
    return [](QWidget* parent, const QString& text) {
        const QString platform = QGuiApplication::platformName();
        if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal")) {
            const QByteArray answer = qgetenv("LUMVANE_TEST_ANSWER_RECOVERY").toLower();
            std::fprintf(stderr, "%s %s\n", qPrintable(text),
                         answer.isEmpty() ? "(unanswered)" : answer.constData());
            std::fflush(stderr);
            if (answer == "yes")
                return RestoreAnswer::kRestore;
            return answer == "no" ? RestoreAnswer::kDiscard : RestoreAnswer::kUnanswered;
        }
        QMessageBox box(QMessageBox::Question, QStringLiteral("Lumvane"), text,
                        QMessageBox::NoButton, parent);
        box.setObjectName(QStringLiteral("RestoreQuestion"));
        QPushButton* yes = box.addButton(QMessageBox::Yes);
        QPushButton* no = box.addButton(QMessageBox::No);
        // Escape or closing the box deletes nothing: the question comes back.
        QPushButton* later = box.addButton(QMessageBox::Cancel);
        later->hide();
        box.setEscapeButton(later);
        box.setDefaultButton(yes);
        box.exec();
        if (box.clickedButton() == yes)
            return RestoreAnswer::kRestore;
        return box.clickedButton() == no ? RestoreAnswer::kDiscard : RestoreAnswer::kUnanswered;
    };
}

int OfferRecoveries(AutoSaver& saver, FileCommands& files, QWidget* parent,
                    const RestoreQuestion& ask) {
    RecoveryStore& store = saver.Store();
    int restored = 0;
    for (const RecoveryStore::Entry& entry : store.ClaimOrphans()) {
        const RestoreAnswer answer =
            saver.Terminating() ? RestoreAnswer::kUnanswered
                                : ask(parent, RestoreQuestionText(entry, QDate::currentDate()));
        // An ending signal during the question closes it without an answer.
        if (saver.Terminating() || answer == RestoreAnswer::kUnanswered) {
            store.Release(entry);
            continue;
        }
        if (answer == RestoreAnswer::kDiscard) {
            store.Discard(entry);
            continue;
        }
        if (!files.Restore(entry.dataPath, entry.projectPath)) {
            store.Release(entry);
            continue;
        }
        // The work moves into this window's own recovery before the old one
        // goes, so a crash in between loses nothing.
        if (saver.SaveNow())
            store.Discard(entry);
        else
            store.Release(entry);
        ++restored;
    }
    return restored;
}
