#pragma once

#include <atomic>
#include <memory>
#include <mutex>

class CImage;
class CRasterImage;

// The image effects of the picture panel's buttons, in button order.
enum class PictureEffect : int {
    kFlip,
    kMirror,
    kRotateLeft,
    kRotateRight,
    kLighten,
    kDarken,
    kSoften,
    kSharpen,
    kNegative,
    kGrayscale,
};
inline constexpr int kPictureEffectCount = 10;

// Whether the effect turns the picture (its width and height exchange).
bool TurnsPicture(PictureEffect effect);

// Runs `effect` on `pixels` and forgets their display copy. Soften and sharpen
// report their progress in the image's information block and stop when its
// escape flag is set, leaving the pixels as they were. False when the image
// has no pixels or was stopped.
bool ApplyPictureEffect(CRasterImage& pixels, PictureEffect effect);

// One effect worked on a copy of a picture's pixels, away from the picture
// and from the thread that made the job: Run() may block for seconds on a
// large picture and runs on any thread; Cancel() and Progress() may be called
// from any thread meanwhile. Nothing in the picture changes until the caller
// gives the finished job to CImage::TakeEffect on the picture's own thread,
// which refuses it when the picture is gone or changed meanwhile.
class PictureEffectJob {
public:
    PictureEffectJob(const CImage& picture, PictureEffect effect);
    ~PictureEffectJob();
    PictureEffectJob(const PictureEffectJob&) = delete;
    PictureEffectJob& operator=(const PictureEffectJob&) = delete;

    PictureEffect Effect() const { return m_effect; }
    void Run();
    // Asks a running effect to stop through the image's escape flag; a job
    // cancelled before it runs does nothing.
    void Cancel();
    int Progress() const;
    // Run() has ended with a whole result, and nobody cancelled the job.
    bool Complete() const;
    // The picture the job was made for still exists.
    bool PictureAlive() const { return !m_picture.expired(); }

private:
    friend class CImage;

    const PictureEffect m_effect;
    // The pixels the effect started from, shared with the picture: nobody
    // changes shared pixels in place, so they stay as they were.
    const std::shared_ptr<const CRasterImage> m_source;
    const std::weak_ptr<const void> m_picture; // expires with the picture
    std::unique_ptr<CRasterImage> m_result;
    mutable std::mutex m_mutex; // guards m_cancelled and m_running against Run's start
    bool m_cancelled = false;
    bool m_running = false;
    std::atomic<bool> m_complete{false};
};
