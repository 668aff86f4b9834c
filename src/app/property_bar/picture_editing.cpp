#include "picture_editing.h"

namespace {

class StubEditing : public PictureEditing {
public:
    PictureOptions Options(const CImage&) const override { return {}; }
    void SetOptions(CImage&, const PictureOptions&) override {}
    bool HasAlphaChannel(const CImage&) const override { return false; }
    quint32 TransparentColour(const CImage&) const override { return 0xFFFFFF; }
    void SetTransparentColour(CImage&, quint32) override {}
    quint32 CornerPixel(const CImage&) const override { return 0xFFFFFF; }
    void RunEffect(CImage&, PictureEffect) override {}
};

} // namespace

PictureEditing& StubPictureEditing() {
    static StubEditing editing;
    return editing;
}
