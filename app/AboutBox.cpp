#include "app/AboutBox.h"

#include <cstdio>
#include <sstream>

#include <wx/msgdlg.h>

#include "app/MainWindow.h"
#include "app/MyFrame.h"
#include "program/WxText.h"

namespace {
const std::string kMonths = "JanFebMarAprMayJunJulAugSepOctNovDec";
const char* const kMakerAddress = "https://zentrola.example/";
}  // namespace

std::string VersionFromBuildDate(const char* buildDate) {
    std::istringstream in(buildDate ? buildDate : "");
    std::string month;
    int day = 0;
    int year = 0;
    in >> month >> day >> year;
    const size_t at = month.size() == 3 ? kMonths.find(month) : std::string::npos;
    const int monthNumber = (at == std::string::npos || at % 3 != 0) ? 0 : static_cast<int>(at / 3 + 1);
    char version[32];
    std::snprintf(version, sizeof version, "%d.%02d.%02d", year - 2000, monthNumber, day);
    return version;
}

std::string AboutMessage() {
    return "Zentrola\nVersion: " + VersionFromBuildDate(__DATE__) + "\n" + kMakerAddress;
}

void MyFrame::OnAbout(wxCommandEvent&) {
    wxMessageBox(ToWx(AboutMessage()), wxASCII_STR("Acerca de Zentrola"), wxOK | wxICON_INFORMATION,
                 MainWindow());
}
