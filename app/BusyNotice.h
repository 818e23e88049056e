#pragma once
// The notice shown while the controller works: a small window over the main
// window holding the text, on screen exactly as long as the object lives.
#include <memory>
#include <string>

class wxBusyInfo;

class hwxBusyInfo {
public:
    // The text is Windows-1252.
    explicit hwxBusyInfo(const std::string& text);
    virtual ~hwxBusyInfo();
    hwxBusyInfo(const hwxBusyInfo&) = delete;
    hwxBusyInfo& operator=(const hwxBusyInfo&) = delete;

private:
    std::unique_ptr<wxBusyInfo> info;
};
