#include "platform/playback.h"

#include <QFile>

namespace platform {

namespace {

// A value for the pipeline description, quoted twice: the description's own reading takes off the outer
// quotes and backslashes, and the property's reading of the inner quoted string turns \ooo into a byte.
// Every byte of the name that is not plain printable ASCII is written that way, so the description stays
// ASCII whatever the name, and no reading of it along the way can change a letter.
QString pipelineValue(const QByteArray& bytes)
{
    QString inner(QLatin1Char('"'));
    for (const char byte : bytes) {
        const auto c = static_cast<unsigned char>(byte);
        if (c >= 0x20 && c < 0x7f && c != '"' && c != '\\')
            inner += QLatin1Char(static_cast<char>(c));
        else
            inner += QStringLiteral("\\%1").arg(c, 3, 8, QLatin1Char('0'));
    }
    inner += QLatin1Char('"');

    QString outer(QLatin1Char('"'));
    for (const QChar c : inner) {
        if (c == QLatin1Char('"') || c == QLatin1Char('\\'))
            outer += QLatin1Char('\\');
        outer += c;
    }
    return outer + QLatin1Char('"');
}

} // namespace

QUrl pitchKeepingMedia(const QString& recording)
{
    // Qt's GStreamer player plays a plain file through playbin, which changes the pitch with the rate;
    // scaletempo stretches the sound in time instead.
    const QString pipeline = QStringLiteral("filesrc location=") + pipelineValue(QFile::encodeName(recording)) +
                             QStringLiteral(" ! decodebin ! audioconvert ! scaletempo ! audioconvert ! "
                                            "audioresample ! autoaudiosink");
    QUrl url;
    url.setScheme(QStringLiteral("gst-pipeline"));
    url.setPath(pipeline, QUrl::DecodedMode);
    return url;
}

} // namespace platform
