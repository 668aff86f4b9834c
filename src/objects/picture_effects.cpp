#include "picture_effects.h"

#include "image.h"

#include "imaging/raster_image.h"

bool TurnsPicture(PictureEffect effect) {
    return effect == PictureEffect::kRotateLeft || effect == PictureEffect::kRotateRight;
}

bool ApplyPictureEffect(CRasterImage& pixels, PictureEffect effect) {
    static constexpr int kSoften[9] = {1, 1, 1, 1, 8, 1, 1, 1, 1};
    static constexpr int kSharpen[9] = {-1, -1, -1, -1, 15, -1, -1, -1, -1};
    if (!pixels.IsValid())
        return false;
    pixels.SetProgress(0);
    bool done = false;
    switch (effect) {
    case PictureEffect::kFlip:
        done = pixels.Flip();
        break;
    case PictureEffect::kMirror:
        done = pixels.Mirror();
        break;
    case PictureEffect::kRotateLeft:
        done = pixels.RotateLeft();
        break;
    case PictureEffect::kRotateRight:
        done = pixels.RotateRight();
        break;
    case PictureEffect::kLighten:
        done = pixels.Light(20, 100);
        break;
    case PictureEffect::kDarken:
        done = pixels.Light(-20, 100);
        break;
    case PictureEffect::kSoften:
        done = pixels.Filter(kSoften, 16, 0);
        break;
    case PictureEffect::kSharpen:
        done = pixels.Filter(kSharpen, 7, 0);
        break;
    case PictureEffect::kNegative:
        done = pixels.Negative();
        break;
    case PictureEffect::kGrayscale:
        done = pixels.GrayScale();
        break;
    }
    // The next paint resamples the changed pixels.
    pixels.ResetCache();
    return done && !pixels.Cancelled();
}

PictureEffectJob::PictureEffectJob(const CImage& picture, PictureEffect effect)
    : m_effect(effect), m_source(picture.m_image), m_picture(picture.m_alive) {
}

PictureEffectJob::~PictureEffectJob() = default;

void PictureEffectJob::Run() {
    // The copy is made here, off the caller's thread: it takes a while on a
    // large picture, and the source stays unchanged while the job holds it.
    auto work = std::make_unique<CRasterImage>(*m_source);
    {
        std::lock_guard lock(m_mutex);
        if (m_cancelled)
            return;
        // A stored or earlier escape flag must not stop this run.
        work->Info().escape = 0;
        m_result = std::move(work);
        m_running = true;
    }
    const bool done = ApplyPictureEffect(*m_result, m_effect);
    if (done)
        m_complete = true;
}

void PictureEffectJob::Cancel() {
    std::lock_guard lock(m_mutex);
    m_cancelled = true;
    if (m_running && m_result)
        m_result->RequestEscape();
}

int PictureEffectJob::Progress() const {
    std::lock_guard lock(m_mutex);
    if (!m_running)
        return 0;
    return m_result ? m_result->Progress() : 100; // taken: it was complete
}

bool PictureEffectJob::Complete() const {
    std::lock_guard lock(m_mutex);
    return m_complete.load() && !m_cancelled;
}
