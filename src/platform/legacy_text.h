#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Text from files made on Windows: UTF-8 when the bytes are valid UTF-8,
// otherwise Windows-1252 (the code page those files were written in).
QString DecodeLegacyText(QByteArrayView bytes);

// Windows-1252 decoding of every byte, including the 0x80..0x9F block that
// differs from Latin-1.
QString DecodeWindows1252(QByteArrayView bytes);

// The Windows-1252 bytes of `text`, or nullopt when a character has no byte
// in that code page.
std::optional<QByteArray> EncodeWindows1252(QStringView text);
