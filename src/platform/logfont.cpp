#include "logfont.h"

#include "archive.h"
#include "legacy_text.h"

#include <algorithm>
#include <cstring>

QString LOGFONTA::FaceName() const {
    const auto end = std::find(lfFaceName.begin(), lfFaceName.end(), '\0');
    return DecodeLegacyText(QByteArrayView(lfFaceName.data(), end - lfFaceName.begin()));
}

void LOGFONTA::SetFaceName(const QString& name) {
    QByteArray bytes;
    if (const std::optional<QByteArray> cp1252 = EncodeWindows1252(name)) {
        bytes = cp1252->left(31);
    } else {
        // A name Windows-1252 cannot hold is kept as UTF-8, which reads back
        // intact (valid UTF-8 is taken as such); cut on a character boundary.
        bytes = name.toUtf8();
        if (bytes.size() > 31) {
            qsizetype n = 31;
            while (n > 0 && (uchar(bytes[n]) & 0xC0) == 0x80)
                --n;
            bytes.truncate(n);
        }
    }
    lfFaceName.fill('\0');
    std::memcpy(lfFaceName.data(), bytes.constData(), size_t(bytes.size()));
}

void LOGFONTA::Serialize(Archive& ar) {
    ar.Int(lfHeight);
    ar.Int(lfWidth);
    ar.Int(lfEscapement);
    ar.Int(lfOrientation);
    ar.Int(lfWeight);
    for (uint8_t* b : {&lfItalic, &lfUnderline, &lfStrikeOut, &lfCharSet, &lfOutPrecision,
                       &lfClipPrecision, &lfQuality, &lfPitchAndFamily}) {
        if (ar.IsStoring())
            ar.WriteByte(*b);
        else
            *b = ar.ReadByte();
    }
    if (ar.IsStoring()) {
        ar.WriteBytes(QByteArrayView(lfFaceName.data(), qsizetype(lfFaceName.size())));
    } else {
        const QByteArrayView name = ar.ReadBytes(qsizetype(lfFaceName.size()));
        std::memcpy(lfFaceName.data(), name.data(), lfFaceName.size());
    }
}
