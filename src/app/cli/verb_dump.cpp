// lumvane dump FILE: a project or layout file as JSON on stdout. The JSON is
// what scripts rely on; README.md documents it and it must stay stable.

#include "verbs.h"

#include "document/project_file.h"
#include "imaging/raster_image.h"
#include "objects/cir_text.h"
#include "objects/image.h"
#include "objects/shape.h"
#include "objects/text.h"
#include "platform/archive_file.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

namespace {

QJsonObject FontJson(const LOGFONTA& f) {
    return QJsonObject{
        {QStringLiteral("height"), f.lfHeight},
        {QStringLiteral("width"), f.lfWidth},
        {QStringLiteral("escapement"), f.lfEscapement},
        {QStringLiteral("orientation"), f.lfOrientation},
        {QStringLiteral("weight"), f.lfWeight},
        {QStringLiteral("italic"), f.lfItalic},
        {QStringLiteral("underline"), f.lfUnderline},
        {QStringLiteral("strike_out"), f.lfStrikeOut},
        {QStringLiteral("char_set"), f.lfCharSet},
        {QStringLiteral("out_precision"), f.lfOutPrecision},
        {QStringLiteral("clip_precision"), f.lfClipPrecision},
        {QStringLiteral("quality"), f.lfQuality},
        {QStringLiteral("pitch_and_family"), f.lfPitchAndFamily},
        {QStringLiteral("face_name"), f.FaceName()},
    };
}

QJsonObject PictureJson(CImage& picture) {
    const CRasterImage& image = picture.Image();
    const ImageInfo& info = image.Info();
    QJsonObject j{
        {QStringLiteral("width"), image.Width()},
        {QStringLiteral("height"), image.Height()},
        {QStringLiteral("bit_count"), image.BitCount()},
        {QStringLiteral("format_id"), info.formatId},
        {QStringLiteral("has_alpha"), image.HasAlpha()},
        {QStringLiteral("use_alpha_channel"), info.useAlphaChannel != 0},
        {QStringLiteral("transparent_colour_option"), info.transparentColour != 0},
        {QStringLiteral("background_colour"), qint64(ColourRefOf(info.backgroundColor))},
        {QStringLiteral("jpeg_quality"), info.jpegQuality},
        {QStringLiteral("dpi_x"), info.xDpi},
        {QStringLiteral("dpi_y"), info.yDpi},
    };
    QString kind;
    qint64 bytes = 0;
    if (picture.DataBlockKind(&kind, &bytes)) {
        j.insert(QStringLiteral("data_kind"), kind);
        j.insert(QStringLiteral("data_bytes"), bytes);
    }
    return j;
}

QJsonObject ObjectJson(const CBaseObject& o) {
    QJsonObject j{
        {QStringLiteral("class"), QString::fromLatin1(o.Class().name)},
        {QStringLiteral("x"), o.m_x},
        {QStringLiteral("y"), o.m_y},
        {QStringLiteral("width"), o.m_width},
        {QStringLiteral("height"), o.m_height},
        {QStringLiteral("selected"), o.m_selected},
        {QStringLiteral("locked"), o.m_locked},
        {QStringLiteral("from_layout"), o.m_fromLayout},
    };
    if (const auto* s = dynamic_cast<const CShape*>(&o)) {
        j.insert(QStringLiteral("fill_colour"), qint64(s->m_fillColour));
        j.insert(QStringLiteral("line_colour"), qint64(s->m_lineColour));
        j.insert(QStringLiteral("kind"), s->m_kind);
        j.insert(QStringLiteral("line_width"), s->m_lineWidth);
        j.insert(QStringLiteral("radius_x"), s->m_radiusX);
        j.insert(QStringLiteral("radius_y"), s->m_radiusY);
    } else if (const auto* t = dynamic_cast<const CText*>(&o)) {
        j.insert(QStringLiteral("text_colour"), qint64(t->m_textColour));
        j.insert(QStringLiteral("text"), t->m_text);
        j.insert(QStringLiteral("rotation"), t->m_rotation);
        j.insert(QStringLiteral("alignment"), t->m_alignment);
        j.insert(QStringLiteral("font"), FontJson(t->m_font));
    } else if (const auto* c = dynamic_cast<const CCirText*>(&o)) {
        j.insert(QStringLiteral("text"), c->m_text);
        j.insert(QStringLiteral("circular"), c->m_circular);
        j.insert(QStringLiteral("inverse"), c->m_inverse);
        j.insert(QStringLiteral("text_colour"), qint64(c->m_textColour));
        j.insert(QStringLiteral("centre_x"), c->m_centreX);
        j.insert(QStringLiteral("centre_y"), c->m_centreY);
        j.insert(QStringLiteral("radius"), c->m_radius);
        j.insert(QStringLiteral("angle"), c->m_angle);
        j.insert(QStringLiteral("font"), FontJson(c->m_font));
    } else if (const auto* p = dynamic_cast<const CImage*>(&o)) {
        j.insert(QStringLiteral("transparency"), p->Transparency());
        j.insert(QStringLiteral("keep_aspect_ratio"), p->KeepAspectRatio());
        // Reading the data block's kind may encode a picture read without its record.
        j.insert(QStringLiteral("image"), PictureJson(const_cast<CImage&>(*p)));
    }
    return j;
}

QJsonArray ObjectsJson(const ObjectList& objects) {
    QJsonArray array;
    for (const auto& object : objects)
        array.append(ObjectJson(*object));
    return array;
}

QJsonObject ProjectJson(const ProjectContent& p) {
    QJsonArray faces;
    for (int id = 0; id < kFaceCount; ++id) {
        const ProjectFace& face = p.faces[size_t(id)];
        faces.append(QJsonObject{
            {QStringLiteral("name"), FaceName(id)},
            {QStringLiteral("background_colour"), qint64(face.backgroundColour)},
            {QStringLiteral("background_picture"),
             face.background ? QJsonValue(ObjectJson(*face.background)) : QJsonValue()},
            {QStringLiteral("objects"), ObjectsJson(face.objects)},
        });
    }
    QJsonArray tracks;
    for (const TrackEntry& t : p.album.tracks) {
        tracks.append(QJsonObject{{QStringLiteral("artist"), t.artist},
                                  {QStringLiteral("title"), t.title},
                                  {QStringLiteral("play_time"), t.playTime}});
    }
    return QJsonObject{
        {QStringLiteral("version"), p.version},
        {QStringLiteral("faces"), faces},
        {QStringLiteral("tracks"), tracks},
        {QStringLiteral("album"), QJsonObject{{QStringLiteral("title"), p.album.title},
                                              {QStringLiteral("artist"), p.album.artist},
                                              {QStringLiteral("year"), p.album.year}}},
        {QStringLiteral("label_stocks"), QJsonObject{{QStringLiteral("disc"), p.stockPaths[0]},
                                                     {QStringLiteral("front"), p.stockPaths[1]},
                                                     {QStringLiteral("back"), p.stockPaths[2]}}},
    };
}

int RunDump(const QStringList& args) {
    if (args.size() != 1)
        return ReportFailure(QStringLiteral("usage: lumvane dump FILE"));
    const QString& path = args.front();
    QByteArray bytes;
    QString error;
    if (!ReadWholeFileBytes(path, &bytes, &error))
        return ReportFailure(error);

    // A project file first; failing that, a layout file (one object list).
    QJsonObject json;
    ProjectContent project;
    QString projectError;
    if (ReadProjectBytes(bytes, project, &projectError)) {
        json = ProjectJson(project);
    } else {
        ObjectList layout;
        QString layoutError;
        if (!ReadLayoutBytes(bytes, layout, &layoutError)) {
            const bool looksLikeLayout =
                QFileInfo(path).suffix().compare(QStringLiteral("lay"), Qt::CaseInsensitive) == 0;
            return ReportFailure(
                QStringLiteral("%1: %2").arg(path, looksLikeLayout ? layoutError : projectError));
        }
        json = QJsonObject{{QStringLiteral("objects"), ObjectsJson(layout)}};
    }
    const QByteArray text = QJsonDocument(json).toJson(QJsonDocument::Indented);
    std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
    return 0;
}

} // namespace

const Verb kDumpVerb = {QStringLiteral("dump"), QStringLiteral("dump FILE"),
                        QStringLiteral("print a project or layout file as JSON"), RunDump};
