#include "resources/Resources.h"

#include <cstring>

#include <wx/icon.h>

#include "resources/aaicon16.xpm"
#include "resources/aaicon32.xpm"
#include "resources/help.xpm"
#include "resources/new.xpm"
#include "resources/open.xpm"
#include "resources/save.xpm"
#include "resources/tocontroller.xpm"

namespace {

struct NamedPicture {
    const char* name;
    const char* const* xpm;
};

const NamedPicture kBitmaps[] = {
    {"new", new_xpm},
    {"open", open_xpm},
    {"save", save_xpm},
    {"help", help_xpm},
    {"tocontroller", tocontroller_xpm},
};

}  // namespace

wxBitmap LoadResourceBitmap(const char* name) {
    for (const NamedPicture& picture : kBitmaps) {
        if (std::strcmp(picture.name, name) == 0) return wxBitmap(picture.xpm);
    }
    return wxBitmap();
}

wxIconBundle LoadResourceIcon(const char* name) {
    wxIconBundle icons;
    if (std::strcmp(name, "AAICON") == 0) {
        icons.AddIcon(wxIcon(aaicon32_xpm));
        icons.AddIcon(wxIcon(aaicon16_xpm));
    }
    return icons;
}
