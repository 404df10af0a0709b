#pragma once
// Playing a recording at another speed.

#include <QString>
#include <QUrl>

namespace platform {

// The media to give a player so that a playback rate other than 1 changes the speed of the recording and
// keeps its pitch: the voice stays the speaker's, only slower. Any name a file may have is taken.
QUrl pitchKeepingMedia(const QString& recording);

} // namespace platform
