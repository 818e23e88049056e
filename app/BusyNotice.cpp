#include "app/BusyNotice.h"

#include <wx/busyinfo.h>
#include <wx/evtloop.h>

#include "app/MainWindow.h"
#include "app/MyFrame.h"
#include "program/WxText.h"

hwxBusyInfo::hwxBusyInfo(const std::string& text)
    : info(std::make_unique<wxBusyInfo>(ToWx(text), MainWindow())) {
    // The notice would stay an empty box while the blocking work runs unless
    // it is painted now. Only drawing runs here: user input waits, so no
    // command can start inside another one.
    wxEventLoopGuarantor loop;
    wxEventLoopBase::GetActive()->YieldFor(wxEVT_CATEGORY_UI);
}

hwxBusyInfo::~hwxBusyInfo() = default;
