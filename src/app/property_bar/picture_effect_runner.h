#pragma once

#include "objects/picture_effects.h"

#include <QList>
#include <QObject>

#include <functional>
#include <memory>

class CImage;
class QProgressDialog;
class QThread;
class QTimer;
class QWidget;

// Runs one picture effect at a time on a worker thread, so that the window
// keeps painting while a large picture is softened or sharpened. A progress
// dialog, modal to the window, appears when the effect takes more than a
// moment; its Cancel sets the image layer's escape flag. The picture is not
// touched until the effect is complete: then `done` runs on this thread with
// the picture (still alive, checked) and the finished job, and takes the
// result with CImage::TakeEffect. A cancelled job, or one whose picture was
// deleted meanwhile (by an undo, say), ends without calling `done`.
class PictureEffectRunner : public QObject {
    Q_OBJECT
public:
    using Done = std::function<void(CImage& picture, PictureEffectJob& job)>;

    explicit PictureEffectRunner(QObject* parent = nullptr);
    // Cancels a running effect and waits for its thread.
    ~PictureEffectRunner() override;

    // Starts `effect` on `picture`'s pixels; false while another one runs.
    bool Start(CImage& picture, PictureEffect effect, QWidget* dialogParent, Done done);
    bool Running() const { return m_job != nullptr; }
    // Cancels the running effect, as the dialog's Cancel does: its worker
    // stops on its own, and the next effect may start at once.
    void Cancel();

private:
    void Finished();
    // Closes the dialog and forgets the job (its thread ends on its own).
    void EndRun();

    std::shared_ptr<PictureEffectJob> m_job;
    CImage* m_picture = nullptr; // valid while the job's picture is alive
    Done m_done;
    QList<QThread*> m_threads; // the running one and cancelled ones not yet ended
    QProgressDialog* m_dialog = nullptr;
    QTimer* m_progressTimer = nullptr;
};
