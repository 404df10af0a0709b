#pragma once
// Where the program keeps its files: the data folder with the dictionary list and the stored tests, and the
// settings files of the user and of the machine. Every path comes without a trailing separator; a path that
// cannot be had, or that does not fit the buffer, comes back as the empty text with false.

#include <QString>

namespace platform {

// The program's folder among the user's data; create makes it and its parents.
bool appDataFolder(char16_t* buffer, int capacity, bool create);
// The dictionary list, data.dat, in the data folder.
bool dictionaryListPath(char16_t* buffer, int capacity, bool create);
// The word history, history.sqlite, in the data folder.
bool historyPath(char16_t* buffer, int capacity, bool create);
// The stored test with the given stamp ("DD.MM.YYYY HH-MM-SS"), in the data folder.
bool storedTestPath(const QString& stamp, char16_t* buffer, int capacity, bool create);
// The per-user settings file, beside the data.
bool userSettingsPath(char16_t* buffer, int capacity, bool create);
// The user's own file of the machine-wide settings, in the user's configuration folder.
bool machineSettingsPath(char16_t* buffer, int capacity, bool create);
// The index-th of the machine's own settings files, most important first; false once index is past the last
// configuration folder ($XDG_CONFIG_DIRS, else /etc/xdg).
bool systemSettingsPath(int index, char16_t* buffer, int capacity);

} // namespace platform
