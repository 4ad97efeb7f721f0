// The link table and the checks that keep anything but a fixed address away
// from the operating system.

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "host/Links.h"

namespace {

TEST(Links, EachAboutButtonHasItsOwnSecureAddress) {
    Link link = Link::GetSupport;
    ASSERT_TRUE(LinkForParam(3, &link));
    EXPECT_EQ(link, Link::ProductPage);
    ASSERT_TRUE(LinkForParam(4, &link));
    EXPECT_EQ(link, Link::MorePlugins);
    ASSERT_TRUE(LinkForParam(5, &link));
    EXPECT_EQ(link, Link::GetSupport);

    EXPECT_STREQ(LinkAddress(Link::ProductPage), "https://korvana.example/halvane3");
    EXPECT_STREQ(LinkAddress(Link::MorePlugins), "https://korvana.example/free-plugins");
    EXPECT_STREQ(LinkAddress(Link::GetSupport), "https://korvana.example/support");
    for (Link l : {Link::ProductPage, Link::MorePlugins, Link::GetSupport}) {
        EXPECT_TRUE(IsKnownLinkAddress(LinkAddress(l)));
        EXPECT_TRUE(IsShellSafeLinkAddress(LinkAddress(l)));
    }
}

TEST(Links, OtherParametersAreNoLinks) {
    for (int index : {0, 1, 2, 6, 33, 56, 57, -1}) {
        Link link = Link::MorePlugins;
        EXPECT_FALSE(LinkForParam(index, &link)) << index;
        EXPECT_EQ(link, Link::MorePlugins) << "untouched for " << index;
    }
}

TEST(Links, ShellSafetyRejectsAnythingAShellWouldInterpret) {
    EXPECT_TRUE(IsShellSafeLinkAddress("https://a.example/x-y_z~1"));
    for (const char* bad :
         {"", "https://", "http://korvana.example/halvane3", "https://a.example/;rm -rf ~",
          "https://a.example/$(id)", "https://a.example/`id`", "https://a.example/a&b",
          "https://a.example/a|b", "https://a.example/a b", "https://a.example/a'b",
          "https://a.example/a\"b", "https://a.example/a\nb", "https://a.example/a?q=1",
          " https://a.example/", "file:///etc/passwd"}) {
        EXPECT_FALSE(IsShellSafeLinkAddress(bad)) << bad;
    }
    EXPECT_FALSE(IsShellSafeLinkAddress(nullptr));
}

TEST(Links, OpenCommandIsBuiltOnlyForTheFixedAddresses) {
    EXPECT_EQ(OpenCommandFor(LinkAddress(Link::MorePlugins)),
              "open https://korvana.example/free-plugins");
    // A safe-looking address that is not in the table is still refused, as is
    // a table address with something appended.
    EXPECT_EQ(OpenCommandFor("https://korvana.example/other"), "");
    EXPECT_EQ(OpenCommandFor("https://korvana.example/support;id"), "");
    EXPECT_EQ(OpenCommandFor(nullptr), "");
    EXPECT_FALSE(IsKnownLinkAddress("https://korvana.example/support/"));
}

TEST(Links, SystemOpenerRefusesUnknownAddressesWithoutStartingAnything) {
    EXPECT_NE(OpenLinkWithSystem("https://korvana.example/other"), 0);
    EXPECT_NE(OpenLinkWithSystem("https://korvana.example/halvane3 --help"), 0);
    EXPECT_NE(OpenLinkWithSystem(nullptr), 0);
}

std::string g_opened;
int RecordingOpener(const char* address) {
    g_opened = address;
    return 7;
}

TEST(Links, OpenLinkGoesThroughTheReplaceableOpener) {
    const LinkOpener before = ReplaceLinkOpenerForTesting(&RecordingOpener);
    EXPECT_EQ(OpenLink(Link::GetSupport), 7);
    EXPECT_EQ(g_opened, "https://korvana.example/support");
    EXPECT_EQ(ReplaceLinkOpenerForTesting(before), &RecordingOpener);
}

}  // namespace
