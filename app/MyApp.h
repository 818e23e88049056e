#pragma once
#include <wx/app.h>
#include <wx/arrstr.h>

class MyApp : public wxApp {
public:
    bool OnInit() override;
};

// The start-up file: the only argument after the program name; empty with
// none or with more than one. Taken unchanged, no options recognised.
wxString StartupFileName(const wxArrayString& arguments);
