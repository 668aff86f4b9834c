#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Puts JPEG files into a PDF in place of the placeholder images drawn for
// them (see DrawPictureOnPage): each placeholder's image object is written
// again as the file's own bytes with DCTDecode, in an update section appended
// to the PDF (new versions of those objects and a cross-reference section
// pointing back to the original one), so nothing before it moves. False with
// `error` set when the PDF is not one this step understands.
bool ReplaceJpegPlaceholders(QByteArray& pdf, const QList<QByteArray>& jpegFiles, QString* error);
