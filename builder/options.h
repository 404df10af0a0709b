#pragma once
// How a dictionary is spoken: the voice, the speed, where the recordings go.

#include <QString>

namespace dictionarybuilder {

struct Options
{
    QString voice = QStringLiteral("en");
    int speed = 175; // words per minute
    QString outputFolder = QStringLiteral(".");
    bool force = false; // replace the WAV recordings already there
    int jobs = 1;       // engines speaking at once
};

// Lowest and highest speed the engine speaks at.
constexpr int MIN_SPEED = 80;
constexpr int MAX_SPEED = 450;

} // namespace dictionarybuilder
