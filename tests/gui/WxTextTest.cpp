// Program text crossing into windows and back.
#include <gtest/gtest.h>

#include "program/WxText.h"

namespace {

TEST(WxTextTest, EveryByteRoundTrips) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte) all += static_cast<char>(byte);
    bool lossy = false;
    const wxString text = ToWx(all);
    EXPECT_EQ(text.length(), 256u);
    EXPECT_EQ(FromWx(text, &lossy), all);
    EXPECT_FALSE(lossy);
}

TEST(WxTextTest, WindowsCharactersMapToTheirBytes) {
    const struct {
        const char* utf8;
        const char* cp1252;
        bool lossy;
    } cases[] = {
        {"\xE2\x82\xAC", "\x80", false},         // euro sign
        {"Ba\xC3\xB1o", "Ba\xF1o", false},
        {"\xC3\x91", "\xD1", false},
        {"\xCE\xA9 1", "? 1", true},             // no room for Greek
        {"\xF0\x9F\x98\x80", "?", true},
    };
    for (const auto& c : cases) {
        bool lossy = false;
        EXPECT_EQ(FromWx(wxString::FromUTF8(c.utf8), &lossy), c.cp1252) << c.utf8;
        EXPECT_EQ(lossy, c.lossy) << c.utf8;
    }
}

}  // namespace
