#include "dictionaries.h"

#include "platform/appfolders.h"
#include "platform/files.h"
#include "text/records.h"

#include <QDir>
#include <QFileInfo>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

namespace {

const char16_t SEPARATOR_TEXT[] = {platform::SEPARATOR, 0};

// The sample Default of another copy of the program, the source tree's or an installed one: a folder named
// Default beside help/main.html. One user may start both; the list shows only the Default of the one running.
bool isOtherSampleDefault(const char16_t* path)
{
    const std::size_t length = wcsnlen16(path, PATH_UNITS);
    const std::u16string_view name = u"/Default";
    if (length < name.size() || std::u16string_view(path + length - name.size(), name.size()) != name)
        return false;
    char16_t help[PATH_UNITS] = {};
    wcslcpy(help, path, length - name.size() + 1);
    return wcslcat(help, u"/help/main.html", PATH_UNITS) < PATH_UNITS && platform::pathExists(help);
}

} // namespace

bool fileExists(const char16_t* path)
{
    return platform::pathExists(path);
}

void defaultDictionaryPath(char16_t* buffer, int capacity)
{
    platform::programDataFolder(buffer, capacity);
    wcslcat(buffer, SEPARATOR_TEXT, static_cast<std::size_t>(capacity));
    wcslcat(buffer, u"Default", static_cast<std::size_t>(capacity));
}

void readDictionaries(std::vector<__dictionary>& list)
{
    char16_t path[PATH_UNITS] = {};
    platform::dictionaryListPath(path, PATH_UNITS, false);
    std::FILE* file = platform::openForReading(path);

    char16_t defaultPath[PATH_UNITS] = {};
    defaultDictionaryPath(defaultPath, PATH_UNITS);

    bool defaultFound = false;
    if (file != nullptr) {
        std::uint32_t version = 1;
        std::uint32_t count = 0;
        if (readUInt32(file, &version))
            readUInt32(file, &count);
        // The count is trusted only as far as whole records are there: a short file ends the list.
        for (std::uint32_t i = 0; i < count; ++i) {
            unsigned char record[DICTIONARY_RECORD_BYTES];
            if (std::fread(record, 1, sizeof record, file) != sizeof record)
                break;
            __dictionary entry;
            textUnitsAt(record, entry.path);
            entry.selected = record[520] != 0 ? 1 : 0;
            if (wcsequal16(entry.path, defaultPath))
                defaultFound = true;
            else if (isOtherSampleDefault(entry.path))
                continue;
            list.push_back(entry);
        }
        std::fclose(file);
    }
    if (!defaultFound) {
        __dictionary entry;
        std::memset(&entry, 0, sizeof entry);
        wcslcpy(entry.path, defaultPath, PATH_UNITS);
        entry.selected = 1;
        list.push_back(entry);
    }
}

void writeDictionaries(const std::vector<__dictionary>& list)
{
    char16_t path[PATH_UNITS] = {};
    if (!platform::dictionaryListPath(path, PATH_UNITS, true))
        return;

    std::string bytes;
    bytes.reserve(8 + DICTIONARY_RECORD_BYTES * list.size());
    appendUInt32(bytes, 1);
    appendUInt32(bytes, static_cast<std::uint32_t>(list.size()));
    for (const __dictionary& entry : list) {
        appendTextUnits(bytes, entry.path);
        bytes.push_back(static_cast<char>(entry.selected != 0 ? 1 : 0));
        bytes.push_back(0);
    }
    platform::replaceFile(path, bytes.data(), bytes.size());
}

QString dictionaryName(const char16_t* path)
{
    QString folder = QString::fromUtf16(path);
    while (folder.size() > 1 && folder.endsWith(QChar(platform::SEPARATOR)))
        folder.chop(1);
    const int last = folder.lastIndexOf(QChar(platform::SEPARATOR));
    return last < 0 || folder.size() == 1 ? folder : folder.mid(last + 1);
}

std::size_t addDictionaryFolder(std::vector<__dictionary>& list, const QString& folder, bool* added)
{
    // A folder already listed is found however its path is written.
    const auto whole = [](const QString& path) { return QDir::cleanPath(QFileInfo(path).absoluteFilePath()); };
    const QString wanted = whole(folder);
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (whole(QString::fromUtf16(list[i].path)) == wanted) {
            *added = false;
            return i;
        }
    }
    __dictionary record;
    std::memset(&record, 0, sizeof record);
    wcslcpy(record.path, reinterpret_cast<const char16_t*>(folder.utf16()), PATH_UNITS);
    // A folder the user has just picked or made is meant to be used: it starts ticked.
    record.selected = 1;
    list.push_back(record);
    *added = true;
    return list.size() - 1;
}
