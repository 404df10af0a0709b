#pragma once
// Integer options kept as key=value lines in settings.conf files: the per-user options beside the data, the
// machine-wide ones in the configuration folders, where a user's own choice overrides the machine's.

constexpr int SCOPE_MACHINE = 0;
constexpr int SCOPE_USER = 1;

// Longest key the files accept.
constexpr int MAX_KEY_LENGTH = 150;

// Status codes of setSettingInt.
constexpr int SETTING_WRITTEN = 0;
constexpr int SETTING_KEY_TOO_LONG = 1;
constexpr int SETTING_NO_MEMORY = 2;
constexpr int SETTING_CANNOT_WRITE = 3;

// The value of key in the file of the scope, or defaultValue when it is absent or not a decimal integer. The
// machine scope reads the user's configuration file first, then the machine's configuration folders in order.
int getSettingInt(const char* key, int defaultValue, int scope);
// Writes key=value into the file of the scope, keeping every other line in its place. Returns a status code. The
// machine scope writes to the user's configuration file, which only that user reads.
int setSettingInt(const char* key, int value, int scope);
// Fills a zeroed 260-byte buffer with the path of the file the scope writes to, creating its folders; leaves it
// empty for an unknown scope or when the folder cannot be had.
int getSettingsPath(char* path, int scope);
// True when the line's text before its first "=" is the key's text before its first "=".
bool keyMatches(const char* line, const char* keyWithEquals);
