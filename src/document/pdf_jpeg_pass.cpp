#include "pdf_jpeg_pass.h"

bool ReplaceJpegPlaceholders(QByteArray&, const QList<QByteArray>&, QString* error) {
    *error = QStringLiteral("JPEG pass-through is not available");
    return false;
}
