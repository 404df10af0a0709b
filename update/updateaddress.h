#pragma once
// The update service's base address as the program keeps it: every unit raised by its position, so that the
// address cannot be read straight out of the program. A build setting; tests build with a loopback address.

extern const char16_t* const UPDATE_BASE_SCRAMBLED;
extern const int UPDATE_BASE_UNITS;
extern const char* const DOWNLOAD_PAGE;
