#pragma once

#include "base_object.h"
#include "picture_effects.h"

#include <QByteArray>

#include <memory>

class CRasterImage;
struct RenderContext;
struct ImageInfo;
class QImage;

// A raster picture on a face, or a face's background picture.
//
// Encoding a picture is costly, and saving and every undo snapshot write the
// picture's record, so the picture keeps its own record (everything after the
// base record) as last encoded in m_encodedRecord and writes those bytes as
// they are. Whatever changes the pixels or the picture's options must clear it.
//
// The pixels are shared with every other picture made from the same record
// (see PicturePixelCache), so reading a snapshot back never decodes a picture
// again; EditImage() gives a copy of one's own before anything changes them.
// A picture read from a JPEG or PNG file (or from a record holding one) keeps
// those bytes and stores them as they are while the pixels stay unchanged.
class CImage : public CBaseObject {
public:
    CImage();
    ~CImage() override;
    // A picture for the rectangle (left, top, right, bottom) in face units;
    // an empty width or height leaves the size to the picture (natural size).
    CImage(int left, int top, int right, int bottom);
    // A picture at (x, y) with its natural size.
    CImage(int x, int y);

    // Loads the picture file; the format comes from the file name's extension.
    // False (and the picture stays empty) when it cannot be read.
    bool LoadFile(const QString& path);
    // Loads a picture file already in memory (a cover picture embedded in a
    // music file): JPEG, PNG, GIF or BMP, told apart by their first bytes.
    bool LoadFileBytes(const QByteArray& bytes);
    // Takes `image` as the picture's pixels (pasted or made in memory).
    void SetImage(CRasterImage image);
    // Runs one effect on the pixels here and now (see TakeEffect for the
    // size); false when the picture has no pixels.
    bool RunEffect(PictureEffect effect);
    // Takes the result of a finished job made for this picture: the pixels
    // become the effect's, and a turn exchanges width and height unless the
    // picture is a background or its size is still unknown. Refused (false,
    // nothing changes) when the job did not complete or the picture's pixels
    // are no longer those the job started from.
    bool TakeEffect(PictureEffectJob& job);

    const CRasterImage& Image() const { return *m_image; }
    // The pixels and options for changing: unshared first; forgets the
    // encoded record and the kept file bytes.
    CRasterImage& EditImage();
    // The picture's options live in the image's information block.
    void SetUseAlphaChannel(bool on);
    void SetTransparentColourOption(bool on);
    void SetTransparentColour(quint32 colour); // 0x00BBGGRR
    void SetTransparency(int transparency);
    void SetKeepAspectRatio(int keep);
    int Transparency() const { return m_transparency; } // 0 opaque ... 255 invisible
    int KeepAspectRatio() const { return m_keepAspectRatio; }
    bool KeepsAspectRatio() const override { return m_keepAspectRatio != 0; }

    // Forgets the display copy, so the next paint resamples (shared pixels
    // share it).
    void ResetDisplayCache();

    // Gives a picture of unknown size (-1) its natural size: one image pixel
    // per pixel of `units` at zoom 1.0, the height negative. Done when a
    // picture is placed or read; drawing never changes the picture.
    void ResolveNaturalSize(const UnitConversion& units = UnitConversion{});

    // Makes the display copy a screen Draw in `context` will use, so that
    // the resampling runs before any device context exists (it runs far
    // slower while one is alive, with its mapped font).
    void PrepareDisplayCopy(const RenderContext& context);

    void Draw(CDeviceContext& dc, int dx, int dy) override;
    bool HitTest(int x, int y, float zoom) const override;
    // Draws the picture into a 24-bit buffer (BGR rows top-down, Format_BGR888)
    // at its position in pixels of `units` at `zoom`, offset by (dx, dy) pixels.
    bool DrawToBitmap(QImage& buffer, int dx, int dy, float zoom, const UnitConversion& units);

    static const ArchiveClass& StaticClass();
    const ArchiveClass& Class() const override { return StaticClass(); }
    void Serialize(Archive& ar) override;

    // The JPEG file the pixels were decoded from, while they still are what
    // it holds; empty otherwise. A PDF can carry these bytes as they are.
    QByteArrayView JpegFileBytes() const;

    // The kind of bytes the record's image data holds: "dib", "jpeg" or "png",
    // and how many; from the encoded record (encoding it when needed).
    bool DataBlockKind(QString* kind, qint64* bytes);

    // The record as last written (everything after the base part); empty
    // once anything it holds has changed.
    const QByteArray& EncodedRecord() const { return m_encodedRecord; }
    // Makes the next write encode the record afresh.
    void ForgetEncodedRecord() { m_encodedRecord.clear(); }

    // Set while the picture is a face's background (by the face).
    int IsBackground() const { return m_isBackground; }
    void SetIsBackground(int background) { m_isBackground = background; }

private:
    int m_isBackground = 0;
    friend class PictureEffectJob;
    friend struct PictureTestAccess; // tests: stand-in records

    void Load(Archive& ar);
    bool LoadBytes(const QByteArray& bytes, int format);
    QByteArray EncodeRecord(QString* error);
    // Encodes the record unless it is kept already; false with `error` set.
    bool EnsureEncodedRecord(QString* error);
    // The image's options for changing: unshared pixels, the file bytes kept.
    ImageInfo& EditOptions();
    // Whether the kept file bytes are what the record's data block would hold.
    bool SourceBytesFit() const;

    void ForgetSource() { m_source = {}; }

    int m_transparency = 0;    // 0 opaque ... 255 invisible
    int m_keepAspectRatio = 1; // resizing keeps the picture's proportions
    QByteArray m_encodedRecord;
    std::shared_ptr<CRasterImage> m_image;
    // Expires with the picture: jobs running on its pixels hold it weakly.
    std::shared_ptr<const void> m_alive = std::make_shared<char>();
    // The JPEG or PNG bytes the pixels were decoded from: a whole file, or the
    // data block inside a record (shared with it, not copied).
    struct SourceBytes {
        QByteArray holder;
        qsizetype offset = 0;
        qsizetype length = 0;
        int format = -1;
    } m_source;
};
