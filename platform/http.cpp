#include "http.h"

#include <QByteArray>
#include <QString>

#include <curl/curl.h>

#include <cstring>
#include <mutex>

namespace platform {

namespace {

struct Download
{
    char* buffer;
    std::size_t capacity;
    std::size_t received;
};

std::size_t keepFirstBlock(char* data, std::size_t size, std::size_t count, void* user)
{
    auto* download = static_cast<Download*>(user);
    const std::size_t bytes = size * count;
    const std::size_t room = download->capacity - download->received;
    const std::size_t kept = bytes < room ? bytes : room;
    std::memcpy(download->buffer + download->received, data, kept);
    download->received += kept;
    // Stop the transfer once the buffer is full: the rest is never read.
    return download->received == download->capacity ? 0 : bytes;
}

} // namespace


bool httpGetFirstBlock(const char16_t* address, char* buffer, std::size_t capacity, std::size_t* received,
                       const std::atomic<bool>* cancel)
{
    static std::once_flag initialised;
    std::call_once(initialised, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
    *received = 0;
    CURL* handle = curl_easy_init();
    CURLM* multi = curl_multi_init();
    if (handle == nullptr || multi == nullptr) {
        curl_easy_cleanup(handle);
        curl_multi_cleanup(multi);
        return false;
    }
    const QByteArray url = QString::fromUtf16(address).toUtf8();
    Download download{buffer, capacity, 0};
    curl_easy_setopt(handle, CURLOPT_URL, url.constData());
    curl_easy_setopt(handle, CURLOPT_USERAGENT, "update");
    curl_easy_setopt(handle, CURLOPT_PROXY, "");
    curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT, 60L);
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_TIME, 60L);
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, keepFirstBlock);
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, &download);
    curl_multi_add_handle(multi, handle);

    // The transfer runs in short waits, so that a cancel is seen at once rather than after the server's silence.
    CURLcode result = CURLE_ABORTED_BY_CALLBACK;
    int running = 1;
    while (running > 0) {
        if (cancel != nullptr && cancel->load())
            break;
        if (curl_multi_perform(multi, &running) != CURLM_OK)
            break;
        if (running > 0 && curl_multi_poll(multi, nullptr, 0, 100, nullptr) != CURLM_OK)
            break;
    }
    int left = 0;
    while (CURLMsg* message = curl_multi_info_read(multi, &left)) {
        if (message->msg == CURLMSG_DONE)
            result = message->data.result;
    }
    curl_multi_remove_handle(multi, handle);
    curl_easy_cleanup(handle);
    curl_multi_cleanup(multi);
    const bool full = result == CURLE_WRITE_ERROR && download.received == capacity;
    if (result != CURLE_OK && !full)
        return false;
    *received = download.received;
    return true;
}

} // namespace platform
