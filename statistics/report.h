#pragma once
// The HTML report of a stored test: on screen with the program's own images, or self-contained for export.

#include <QString>

#include <atomic>
#include <cstdint>

// Which answers the report's table shows; any other code shows them all.
constexpr std::uint16_t FILTER_NONE = 0;
constexpr std::uint16_t FILTER_CORRECT = 1;
constexpr std::uint16_t FILTER_WRONG = 2;
constexpr std::uint16_t FILTER_ALL = 3;

// The marks an exported report carries inside itself: 16x26 RGBA PNG images in standard Base64.
extern const char CORRECT_MARK_BASE64[];
extern const char WRONG_MARK_BASE64[];

// Builds the report of the stored test with the given time stamp. False when there is nothing to deliver: the
// file cannot be opened, the document's buffer cannot be had, or stop was set during the build.
bool buildReport(const char16_t* statName, std::uint16_t filter, bool exportMode, const std::atomic<bool>& stop,
                 QString* html);
// Saves an exported report in UTF-8, whole or not at all: a failed export leaves an earlier file as it was. False
// when the file could not be written.
bool writeExport(const QString& path, const QString& html);
