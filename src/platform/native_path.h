#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// File names as the system's bytes. Linux file names are bytes, not text: a
// name written on another system may not be valid UTF-8. Such names still
// travel through the program as a QString: every byte that is not part of
// valid UTF-8 is kept as the lone surrogate U+DC80 + (byte - 0x80), which no
// valid text contains, so the original bytes come back exactly.

// The command-line argument or file name `bytes` as a QString, losslessly.
QString PathFromNative(QByteArrayView bytes);

// The bytes to hand to open(2) for `path`: UTF-8, with kept bytes restored.
QByteArray NativePath(const QString& path);

// `path` for messages: kept bytes shown as \xNN, other control characters
// as \xNN too, so a name can neither hide nor break a one-line message.
QString DisplayPath(const QString& path);
