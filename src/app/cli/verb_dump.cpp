// lumvane dump FILE: a project or layout file as JSON on stdout. The JSON is
// what scripts rely on; README.md documents it and it must stay stable.

#include "verbs.h"

#include "document/project_file.h"
#include "imaging/raster_image.h"
#include "metafile/metafile.h"
#include "objects/cir_text.h"
#include "objects/image.h"
#include "objects/shape.h"
#include "objects/text.h"
#include "objects/vector_image.h"
#include "platform/archive_file.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cerrno>
#include <cstdio>
#include <cstring>

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
    } else if (const auto* v = dynamic_cast<const CVectorImage*>(&o)) {
        j.insert(QStringLiteral("keep_aspect_ratio"), v->m_keepAspectRatio);
        j.insert(QStringLiteral("placeable_header"), v->Placeable().Hex());
        j.insert(QStringLiteral("metafile_size"), qint64(v->Metafile().size()));
        const EmfHeader h = ParseEmfHeader(v->Metafile());
        j.insert(QStringLiteral("records"), qint64(h.records));
        const auto rect = [](const EmfRect& r) {
            return QJsonObject{{QStringLiteral("left"), r.left},
                               {QStringLiteral("top"), r.top},
                               {QStringLiteral("right"), r.right},
                               {QStringLiteral("bottom"), r.bottom}};
        };
        j.insert(QStringLiteral("bounds"), rect(h.bounds));
        j.insert(QStringLiteral("frame"), rect(h.frame));
    }
    return j;
}

// The JSON goes out as it is made, piece by piece, instead of as one document
// in memory: a project with millions of tracks costs no more than its own
// data. The bytes are exactly those QJsonDocument::toJson(Indented) gives for
// the whole document (keys in alphabetical order, four spaces per level):
// each small object is Qt's own output, indented to its depth.
class JsonOut {
public:
    explicit JsonOut(FILE* stream) : m_stream(stream) {}

    void Raw(QByteArrayView text) { std::fwrite(text.data(), 1, size_t(text.size()), m_stream); }
    void Indent(int level) {
        static const QByteArray kSpaces(4 * 16, ' ');
        for (int left = 4 * level; left > 0; left -= kSpaces.size())
            Raw(QByteArrayView(kSpaces).first(qMin<qsizetype>(left, kSpaces.size())));
    }
    // `"key": ` at `level`.
    void Key(int level, QLatin1StringView key) {
        Indent(level);
        Raw("\"");
        Raw(QByteArrayView(key.data(), key.size()));
        Raw("\": ");
    }
    // A value whose first line continues the current one, at depth `level`.
    void Value(int level, const QJsonValue& value) {
        if (value.isObject()) {
            Reindented(level, QJsonDocument(value.toObject()).toJson(QJsonDocument::Indented));
        } else {
            const QByteArray wrapped =
                QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
            Raw(QByteArrayView(wrapped).sliced(1, wrapped.size() - 2)); // without [ and ]
        }
    }
    // A string, written directly when it needs no escaping (the usual case).
    void String(const QString& text) {
        for (const QChar ch : text) {
            const char16_t u = ch.unicode();
            if (u < 0x20 || u == u'"' || u == u'\\' || u == 0x7F || QChar::isSurrogate(u)) {
                Value(0, text);
                return;
            }
        }
        Raw("\"");
        Raw(text.toUtf8());
        Raw("\"");
    }
    // Separator after an element of a list or object.
    void End(bool last) { Raw(last ? "\n" : ",\n"); }

private:
    // Qt's text of a top-level object, its lines after the first moved `level` deep.
    void Reindented(int level, QByteArrayView text) {
        if (text.endsWith('\n'))
            text.chop(1);
        qsizetype start = 0;
        while (true) {
            const qsizetype newline = text.indexOf('\n', start);
            if (start > 0)
                Indent(level);
            if (newline < 0) {
                Raw(text.sliced(start));
                return;
            }
            Raw(text.sliced(start, newline + 1 - start));
            start = newline + 1;
        }
    }

    FILE* m_stream;
};

// `[` elements `]` at `level`, each element written by `each(index, level + 1)`.
template <typename Each> void WriteList(JsonOut& out, int level, size_t count, Each each) {
    out.Raw("[\n");
    for (size_t i = 0; i < count; ++i) {
        out.Indent(level + 1);
        each(i, level + 1);
        out.End(i + 1 == count);
    }
    out.Indent(level);
    out.Raw("]");
}

void WriteObjects(JsonOut& out, int level, const ObjectList& objects) {
    WriteList(out, level, objects.size(),
              [&](size_t i, int at) { out.Value(at, ObjectJson(*objects[i])); });
}

void WriteTrack(JsonOut& out, int level, const TrackEntry& track) {
    out.Raw("{\n");
    out.Key(level + 1, QLatin1StringView("artist"));
    out.String(track.artist);
    out.End(false);
    out.Key(level + 1, QLatin1StringView("play_time"));
    out.String(track.playTime);
    out.End(false);
    out.Key(level + 1, QLatin1StringView("title"));
    out.String(track.title);
    out.End(true);
    out.Indent(level);
    out.Raw("}");
}

void WriteProjectJson(JsonOut& out, const ProjectContent& p) {
    out.Raw("{\n");
    out.Key(1, QLatin1StringView("album"));
    out.Value(1, QJsonObject{{QStringLiteral("title"), p.album.title},
                             {QStringLiteral("artist"), p.album.artist},
                             {QStringLiteral("year"), p.album.year}});
    out.End(false);
    out.Key(1, QLatin1StringView("faces"));
    WriteList(out, 1, kFaceCount, [&](size_t id, int level) {
        const ProjectFace& face = p.faces[id];
        out.Raw("{\n");
        out.Key(level + 1, QLatin1StringView("background_colour"));
        out.Value(level + 1, qint64(face.backgroundColour));
        out.End(false);
        out.Key(level + 1, QLatin1StringView("background_picture"));
        out.Value(level + 1,
                  face.background ? QJsonValue(ObjectJson(*face.background)) : QJsonValue());
        out.End(false);
        out.Key(level + 1, QLatin1StringView("name"));
        out.Value(level + 1, FaceName(int(id)));
        out.End(false);
        out.Key(level + 1, QLatin1StringView("objects"));
        WriteObjects(out, level + 1, face.objects);
        out.End(true);
        out.Indent(level);
        out.Raw("}");
    });
    out.End(false);
    out.Key(1, QLatin1StringView("label_stocks"));
    out.Value(1, QJsonObject{{QStringLiteral("disc"), p.stockPaths[0]},
                             {QStringLiteral("front"), p.stockPaths[1]},
                             {QStringLiteral("back"), p.stockPaths[2]}});
    out.End(false);
    out.Key(1, QLatin1StringView("tracks"));
    WriteList(out, 1, p.album.tracks.size(),
              [&](size_t i, int level) { WriteTrack(out, level, p.album.tracks[i]); });
    out.End(false);
    out.Key(1, QLatin1StringView("version"));
    out.Value(1, p.version);
    out.End(true);
    out.Raw("}\n");
}

void WriteLayoutJson(JsonOut& out, const ObjectList& layout) {
    out.Raw("{\n");
    out.Key(1, QLatin1StringView("objects"));
    WriteObjects(out, 1, layout);
    out.End(true);
    out.Raw("}\n");
}

// Standard output may be a file on a full disk: say so instead of exiting 0.
int FinishOutput() {
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        return ReportFailure(QStringLiteral("standard output: cannot write: %1")
                                 .arg(QString::fromLocal8Bit(std::strerror(errno))));
    return 0;
}

int RunDump(const QStringList& args) {
    const QString usage = QStringLiteral("usage: lumvane dump FILE");
    QCommandLineParser parser;
    if (!ParseVerbArguments(parser, args, usage))
        return 1;
    if (parser.positionalArguments().size() != 1)
        return ReportFailure(usage);
    const QString path = parser.positionalArguments().front();
    QByteArray bytes;
    QString error;
    if (!ReadWholeFileBytes(path, &bytes, &error))
        return ReportFailure(error);

    // A project file first; failing that, a layout file (one object list).
    JsonOut out(stdout);
    ProjectContent project;
    QString projectError;
    if (ReadProjectBytes(bytes, project, &projectError)) {
        WriteProjectJson(out, project);
        return FinishOutput();
    }
    ObjectList layout;
    QString layoutError;
    if (!ReadLayoutBytes(bytes, layout, &layoutError)) {
        const bool looksLikeLayout =
            QFileInfo(path).suffix().compare(QStringLiteral("lay"), Qt::CaseInsensitive) == 0;
        return ReportFailure(
            QStringLiteral("%1: %2").arg(path, looksLikeLayout ? layoutError : projectError));
    }
    WriteLayoutJson(out, layout);
    return FinishOutput();
}

} // namespace

const Verb kDumpVerb = {QStringLiteral("dump"), QStringLiteral("dump FILE"),
                        QStringLiteral("print a project or layout file as JSON"), RunDump};
