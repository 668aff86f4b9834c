#include "pdf_jpeg_pass.h"

#include "imaging/jpeg_frame.h"
#include "objects/picture_page_drawing.h"

#include <QRegularExpression>

namespace {

QByteArray Number(qint64 v) {
    return QByteArray::number(v);
}

} // namespace

bool ReplaceJpegPlaceholders(QByteArray& pdf, const QList<QByteArray>& jpegFiles, QString* error) {
    auto fail = [error](const char* why) {
        *error =
            QStringLiteral("cannot put JPEG pictures into the PDF: %1").arg(QLatin1String(why));
        return false;
    };
    // The trailer of the PDF as written: its dictionary and where its
    // cross-reference section starts.
    const qsizetype startxref = pdf.lastIndexOf("startxref");
    const qsizetype trailer = pdf.lastIndexOf("trailer");
    if (startxref < 0 || trailer < 0 || trailer > startxref)
        return fail("no trailer");
    const qsizetype dictStart = pdf.indexOf("<<", trailer);
    const qsizetype dictEnd = pdf.lastIndexOf(">>", startxref);
    if (dictStart < 0 || dictEnd < dictStart)
        return fail("no trailer dictionary");
    bool ok = false;
    const qint64 previousXref =
        pdf.mid(startxref + 9, 24).trimmed().split('\n').value(0).trimmed().toLongLong(&ok);
    if (!ok)
        return fail("no cross-reference offset");
    // The update's trailer repeats the dictionary with its own /Prev.
    static const QRegularExpression kPrev(QStringLiteral("/Prev\\s+\\d+"));
    const QByteArray dictionary =
        QString::fromLatin1(pdf.mid(dictStart + 2, dictEnd - dictStart - 2))
            .remove(kPrev)
            .toLatin1();

    // Each placeholder image object: "N 0 obj" followed by an image dictionary
    // one pixel wide and kJpegPlaceholderHeight + index high.
    static const QRegularExpression kImage(QStringLiteral(
        "(\\d+) 0 obj\\s*<<\\s*/Type\\s*/XObject\\s*/Subtype\\s*/Image\\s*/Width\\s+1\\s*"
        "/Height\\s+(\\d+)"));
    const QString text = QString::fromLatin1(pdf);
    QList<QPair<int, int>> objects; // (object number, file index)
    for (auto it = kImage.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const int index = m.captured(2).toInt() - kJpegPlaceholderHeight;
        if (index >= 0 && index < jpegFiles.size())
            objects.append({m.captured(1).toInt(), index});
    }
    if (objects.size() != jpegFiles.size())
        return fail("a placeholder image is missing");

    QByteArray update = "\n";
    QList<QPair<int, qint64>> offsets;
    for (const auto& [object, index] : objects) {
        const QByteArray& file = jpegFiles[index];
        const std::optional<JpegFrame> frame = ReadJpegFrame(file);
        if (!frame || frame->width <= 0 || frame->height <= 0)
            return fail("a JPEG file has no frame header");
        offsets.append({object, pdf.size() + update.size()});
        update +=
            Number(object) + " 0 obj\n<<\n/Type /XObject\n/Subtype /Image\n/Width " +
            Number(frame->width) + "\n/Height " + Number(frame->height) +
            (frame->components == 1 ? "\n/ColorSpace /DeviceGray" : "\n/ColorSpace /DeviceRGB") +
            "\n/BitsPerComponent 8\n/Interpolate true\n/Filter /DCTDecode\n/Length " +
            Number(file.size()) + "\n>>\nstream\n";
        update += file;
        update += "\nendstream\nendobj\n";
    }
    const qint64 xref = pdf.size() + update.size();
    update += "xref\n";
    for (const auto& [object, offset] : offsets) {
        update += Number(object) + " 1\n";
        update += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    }
    update += "trailer\n<<" + dictionary.trimmed() + "\n/Prev " + Number(previousXref) +
              "\n>>\nstartxref\n" + Number(xref) + "\n%%EOF\n";
    pdf += update;
    return true;
}
