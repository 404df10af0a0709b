#include "wav.h"

#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace dictionarybuilder {

namespace {

// Silence at least this long lies between two words, never inside a plain word or phrase.
constexpr int SHORTEST_PAUSE_MS = 500;
// Samples this close to zero are silence.
constexpr int SILENCE = 8;

QByteArray littleEndian(int value)
{
    QByteArray bytes(4, 0);
    qToLittleEndian<quint32>(quint32(value), bytes.data());
    return bytes;
}

// Finds the sound of a WAV file and leaves the file there; format gets the body of its format chunk. Returns the
// number of bytes of sound, -1 when the file is not a whole WAV file.
qint64 findSound(QFile& file, QByteArray* format)
{
    const QByteArray header = file.read(12);
    if (header.size() < 12 || !header.startsWith("RIFF") || header.mid(8, 4) != "WAVE")
        return -1;
    bool hasFormat = false;
    for (;;) {
        const QByteArray chunk = file.read(8);
        if (chunk.size() < 8)
            return -1;
        const qint64 size = qFromLittleEndian<quint32>(chunk.constData() + 4);
        const qint64 start = file.pos();
        const QByteArray id = chunk.left(4);
        // A recording cut short still has the size its header promised.
        if (id == "data")
            return hasFormat && size <= file.size() - start ? size : -1;
        if (id == "fmt ") {
            hasFormat = true;
            if (format != nullptr)
                *format = file.read(std::min<qint64>(size, 64));
        }
        if (!file.seek(start + size + (size & 1)))
            return -1;
    }
}

qint16 sampleAt(const QByteArray& sound, int index)
{
    return qFromLittleEndian<qint16>(sound.constData() + 2 * index);
}

} // namespace

qint64 wavSoundBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? findSound(file, nullptr) : -1;
}

bool Recording::isMono16Bit() const
{
    return format.size() >= 16 && qFromLittleEndian<quint16>(format.constData()) == 1 &&
           qFromLittleEndian<quint16>(format.constData() + 2) == 1 &&
           qFromLittleEndian<quint16>(format.constData() + 14) == 16;
}

int Recording::sampleRate() const
{
    return format.size() >= 8 ? int(qFromLittleEndian<quint32>(format.constData() + 4)) : 0;
}

bool readRecording(const QString& path, Recording* recording)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const qint64 size = findSound(file, &recording->format);
    recording->sound = file.read(std::max<qint64>(size, 0));
    return size > 0 && recording->sound.size() == size;
}

QByteArray wavFile(const QByteArray& format, const QByteArray& sound)
{
    // RIFF counts "WAVE", then each chunk with its 8-byte head.
    return "RIFF" + littleEndian(4 + 8 + format.size() + 8 + sound.size()) + "WAVEfmt " + littleEndian(format.size()) +
           format + "data" + littleEndian(sound.size()) + sound;
}

std::vector<QByteArray> cutAtPauses(const QByteArray& sound, int sampleRate, int words)
{
    const int count = sound.size() / 2;
    const int shortestPause = sampleRate * SHORTEST_PAUSE_MS / 1000;
    std::vector<std::pair<int, int>> spoken; // first and past-the-last loud sample
    for (int i = 0; i < count; ++i) {
        if (std::abs(sampleAt(sound, i)) <= SILENCE)
            continue;
        if (spoken.empty() || i - spoken.back().second >= shortestPause)
            spoken.emplace_back(i, i);
        spoken.back().second = i + 1;
    }
    std::vector<QByteArray> pieces;
    if (int(spoken.size()) != words)
        return pieces;
    const int before = spoken.front().first;
    const int after = count - spoken.back().second;
    for (std::size_t i = 0; i < spoken.size(); ++i) {
        const int from = i == 0 ? 0 : std::max(spoken[i].first - before, (spoken[i - 1].second + spoken[i].first) / 2);
        const int to = i + 1 == spoken.size()
                           ? count
                           : std::min(spoken[i].second + after, (spoken[i].second + spoken[i + 1].first) / 2);
        pieces.push_back(sound.mid(2 * from, 2 * (to - from)));
    }
    return pieces;
}

} // namespace dictionarybuilder
