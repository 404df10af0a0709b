#pragma once
// Handing documents, web addresses and folders to the desktop.

#include <functional>

namespace platform {

// Hands a document (a path, relative ones taken from the working directory) or a web address to the desktop's
// default handler and returns at once; whether the handler manages to open it is not known.
void openDocument(const char16_t* target);
// Opens the folder in the desktop's file manager and returns at once; a failure goes unnoticed.
void openFolder(const char16_t* path);

// Who opens documents and folders; tests put their own in so that nothing is started. An empty one puts the
// desktop's back.
using Opener = std::function<void(const char16_t*)>;
void setDocumentOpener(Opener opener);
void setFolderOpener(Opener opener);

} // namespace platform
