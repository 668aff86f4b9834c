#include "logfont.h"

#include "platform/archive.h"
#include "platform/legacy_text.h"

#include <algorithm>
#include <cstring>

QString LOGFONTA::FaceName() const {
    const auto end = std::find(lfFaceName.begin(), lfFaceName.end(), '\0');
    return DecodeLegacyText(QByteArrayView(lfFaceName.data(), end - lfFaceName.begin()));
}

void LOGFONTA::SetFaceName(const QString& name) {
    QByteArray bytes = name.toUtf8();
    if (bytes.size() > 31) {
        // Cut on a character boundary so the stored name stays valid UTF-8.
        qsizetype n = 31;
        while (n > 0 && (uchar(bytes[n]) & 0xC0) == 0x80)
            --n;
        bytes.truncate(n);
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
