#pragma once
// Asking the maker's update service whether a newer version exists, at most once a day unless asked.

#include <QString>

#include <atomic>
#include <cstddef>
#include <ctime>

// Results of checkForUpdate.
constexpr int UPDATE_NONE = 1;
constexpr int UPDATE_AVAILABLE = 2;
constexpr int UPDATE_UNAVAILABLE = 3;

// The version the service is told about, the one the About window shows as "Version 1.1.0".
constexpr unsigned PROGRAM_VERSION = 101000;
// Room for the request address, its terminating NUL included.
constexpr int ADDRESS_UNITS = 1025;
// Only this much of the reply is ever read.
constexpr std::size_t REPLY_BYTES = 1024;

// Runs the check on the calling thread; force asks the service even when the automatic check is off or was done
// today.
int checkForUpdate(bool force);

// The parts of the check, for running the request on another thread. Whether a request is due (reads settings):
bool updateCheckDue(bool force);
// The request itself, touching no settings: fills reply and returns true, or false when the service cannot be
// reached or cancel turned true.
bool fetchUpdateReply(char* reply, std::size_t capacity, std::size_t* received, const std::atomic<bool>* cancel);
// Records today as the day of the last check and reads the reply: UPDATE_AVAILABLE or UPDATE_NONE.
int takeUpdateReply(const char* reply, std::size_t received);

// Days since the start of the proleptic Gregorian calendar, 1 January of year 1 being day 1.
int dayNumber(const std::tm& local);

// Writes into out the raw text of the JSON token after the first string token equal to key, or defaultValue.
// Returns 1 when data is missing, empty or not a JSON object, else 0. Never writes more than outSize bytes.
int jsonGetValue(const char* data, std::size_t length, const char* key, char* out, std::size_t outSize,
                 const char* defaultValue);

// The full request address: the service's base address, the product number and the version.
void buildUpdateAddress(char16_t* buffer);

// The maker's download page.
QString downloadPage();

// Replaces the built-in base address, for tests that run a service of their own; empty restores it.
void setUpdateBaseAddressForTesting(const QString& plain);
