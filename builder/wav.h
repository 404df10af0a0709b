#pragma once
// WAV recordings as the builder reads, writes and cuts them: 16-bit mono PCM.

#include <QByteArray>
#include <QLatin1String>
#include <QString>

#include <vector>

namespace dictionarybuilder {

// The suffix of the recordings the builder makes.
const QLatin1String RECORDING_SUFFIX(".wav");

// The number of bytes of sound in a WAV file; -1 when the file is missing or not a WAV file.
qint64 wavSoundBytes(const QString& path);

// A recording's format chunk and its sound.
struct Recording
{
    QByteArray format;
    QByteArray sound;
    // 16-bit mono PCM, the one form the builder cuts.
    bool isMono16Bit() const;
    int sampleRate() const;
};
// Reads a whole WAV file with some sound; false when there is none or the file is not whole.
bool readRecording(const QString& path, Recording* recording);
// The bytes of a WAV file holding the sound in the format.
QByteArray wavFile(const QByteArray& format, const QByteArray& sound);

// The sound of a run cut at its pauses, one piece a word, each keeping the silence the engine leaves before and
// after a word spoken alone. Empty when the pieces do not come out one a word.
std::vector<QByteArray> cutAtPauses(const QByteArray& sound, int sampleRate, int words);

} // namespace dictionarybuilder
