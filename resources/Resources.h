#pragma once
// The pictures carried by the executable, looked up by resource name: the
// toolbar bitmaps "new", "open", "save", "help", "tocontroller" and the
// application icon "AAICON".
#include <wx/bitmap.h>
#include <wx/iconbndl.h>

// An invalid bitmap when no picture has that name.
wxBitmap LoadResourceBitmap(const char* name);

// The icon in all its sizes; empty when no icon has that name.
wxIconBundle LoadResourceIcon(const char* name);
