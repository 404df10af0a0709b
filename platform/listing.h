#pragma once
// Listing the entries of a folder.

namespace platform {

// The entries of one folder, in the order the file system gives them, "." and ".." included.
class FolderListing
{
public:
    explicit FolderListing(const char16_t* folder);
    ~FolderListing();
    FolderListing(const FolderListing&) = delete;
    FolderListing& operator=(const FolderListing&) = delete;

    // False when the folder could not be opened for listing.
    bool isOpen() const { return m_handle != nullptr; }
    // The next entry's name, cut to the capacity, its length in units, and whether it is a regular file or a link
    // to one (not a folder, pipe, socket or device); false when there is none left.
    bool next(char16_t* name, int capacity, int* length, bool* isFile);

private:
    void* m_handle = nullptr;
    char m_folder[4096];
};

} // namespace platform
