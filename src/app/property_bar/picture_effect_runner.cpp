#include "picture_effect_runner.h"

#include "objects/image.h"

#include <QApplication>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>

namespace {

// Effects quicker than this finish without showing a dialog.
constexpr int kDialogDelayMs = 400;
constexpr int kProgressIntervalMs = 100;

const char* EffectName(PictureEffect effect) {
    static const char* const kNames[kPictureEffectCount] = {
        QT_TRANSLATE_NOOP("PictureEffectRunner", "Flipping"),
        QT_TRANSLATE_NOOP("PictureEffectRunner", "Mirroring"),
        QT_TRANSLATE_NOOP("PictureEffectRunner", "Rotating"),
        QT_TRANSLATE_NOOP("PictureEffectRunner", "Rotating"),
        QT_TRANSLATE_NOOP("PictureEffectRunner", "Lightening"),
        QT_TRANSLATE_NOOP("PictureEffectRunner", "Darkening"),
        QT_TRANSLATE_NOOP("PictureEffectRunner", "Softening"),
        QT_TRANSLATE_NOOP("PictureEffectRunner", "Sharpening"),
        QT_TRANSLATE_NOOP("PictureEffectRunner", "Inverting"),
        QT_TRANSLATE_NOOP("PictureEffectRunner", "Converting to grey"),
    };
    return kNames[int(effect)];
}

} // namespace

PictureEffectRunner::PictureEffectRunner(QObject* parent)
    : QObject(parent), m_progressTimer(new QTimer(this)) {
    m_progressTimer->setInterval(kProgressIntervalMs);
    connect(m_progressTimer, &QTimer::timeout, this, [this] {
        if (m_job && m_dialog)
            m_dialog->setValue(m_job->Progress());
    });
}

PictureEffectRunner::~PictureEffectRunner() {
    if (m_job) {
        m_job->Cancel();
        EndRun();
    }
    // Cancelled jobs stop within a row of pixels; the turns and copies that
    // cannot stop end soon.
    for (QThread* thread : m_threads) {
        thread->wait();
        delete thread;
    }
}

bool PictureEffectRunner::Start(CImage& picture, PictureEffect effect, QWidget* dialogParent,
                                Done done) {
    if (m_job)
        return false;
    m_job = std::make_shared<PictureEffectJob>(picture, effect);
    m_picture = &picture;
    m_done = std::move(done);
    QApplication::setOverrideCursor(Qt::BusyCursor);

    m_dialog = new QProgressDialog(tr("%1 the picture...").arg(tr(EffectName(effect))),
                                   tr("Cancel"), 0, 100, dialogParent);
    m_dialog->setWindowTitle(QStringLiteral("Lumvane"));
    m_dialog->setWindowModality(Qt::WindowModal);
    m_dialog->setAutoReset(false);
    m_dialog->setAutoClose(false);
    m_dialog->setMinimumDuration(kDialogDelayMs);
    // The dialog shows itself once the delay has passed.
    m_dialog->setValue(0);
    connect(m_dialog, &QProgressDialog::canceled, this, &PictureEffectRunner::Cancel);
    m_progressTimer->start();

    const std::shared_ptr<PictureEffectJob> job = m_job;
    QThread* thread = QThread::create([job] { job->Run(); });
    m_threads.push_back(thread);
    connect(thread, &QThread::finished, this, [this, thread, job] {
        thread->wait();
        m_threads.removeOne(thread);
        delete thread;
        if (job == m_job)
            Finished();
    });
    thread->start();
    return true;
}

void PictureEffectRunner::Cancel() {
    if (!m_job)
        return;
    // The worker stops on its own and is cleared away when it ends; the
    // window is free for the next effect at once.
    m_job->Cancel();
    EndRun();
}

void PictureEffectRunner::EndRun() {
    m_progressTimer->stop();
    if (m_dialog != nullptr) {
        m_dialog->disconnect(this);
        m_dialog->hide();
        m_dialog->deleteLater();
        m_dialog = nullptr;
    }
    m_job.reset();
    m_picture = nullptr;
    m_done = nullptr;
    QApplication::restoreOverrideCursor();
}

void PictureEffectRunner::Finished() {
    const std::shared_ptr<PictureEffectJob> job = m_job;
    CImage* picture = m_picture;
    const Done done = m_done;
    EndRun();
    if (job->Complete() && job->PictureAlive())
        done(*picture, *job);
}
