// Picture addresses: what the address box takes as a web address, a local file, or refuses.
#include "core/address.h"

#include <gtest/gtest.h>

#include "core/messages.h"

namespace velquist {
namespace {

TEST(ClassifyAddress, WebLocalOrRefusedWithTheReason) {
    using enum AddressKind;
    struct Row {
        const char* address;
        AddressKind kind;
        const char* pathOrReason;  // the local path, or the reason of a refusal; "" for the web
    };
    const Row rows[] = {
        {"https://img.example/a.jpg", Web, ""},
        {"HTTP://IMG.EXAMPLE/A.JPG", Web, ""},
        {"  http://img.example/a b.jpg \r\n", Web, ""},
        {"https://", Refused, core_messages::kAddressUnsupported},
        {"see http here", Refused, core_messages::kAddressUnsupported},
        {"img.example/a.jpg", Refused, core_messages::kAddressUnsupported},
        {"ftp://img.example/a.jpg", Refused, core_messages::kAddressUnsupported},
        {"data:image/png;base64,AAAA", Refused, core_messages::kAddressUnsupported},
        {" \t", Refused, core_messages::kAddressEmpty},
        // Paths, as typed on either system.
        {"/home/me/图片/banner.png", LocalFile, "/home/me/图片/banner.png"},
        {" /tmp/a b.png ", LocalFile, "/tmp/a b.png"},
        {"C:\\Users\\me\\banner.jpg", LocalFile, "C:\\Users\\me\\banner.jpg"},
        {"d:/design/banner.jpg", LocalFile, "d:/design/banner.jpg"},
        {"\\\\nas\\share\\banner.jpg", LocalFile, "\\\\nas\\share\\banner.jpg"},
        {"C:banner.jpg", Refused, core_messages::kAddressUnsupported},
        {"banner.png", Refused, core_messages::kAddressUnsupported},
        {"./banner.png", Refused, core_messages::kAddressUnsupported},
        {"~/banner.png", Refused, core_messages::kAddressUnsupported},
        // file: addresses as browsers and file managers write them.
        {"file:///home/me/my%20banner%E5%9B%BE.png", LocalFile, "/home/me/my banner图.png"},
        {"FILE://localhost/tmp/a.png", LocalFile, "/tmp/a.png"},
        {"file:/tmp/a.png", LocalFile, "/tmp/a.png"},
        {"file:///tmp/100%.png", LocalFile, "/tmp/100%.png"},
        {"file:///C:/Users/me/a%20b.jpg", LocalFile, "C:/Users/me/a b.jpg"},
        {"file:///c|/old/form.jpg", LocalFile, "c:/old/form.jpg"},
        {"file://nas/share/a.jpg", LocalFile, "//nas/share/a.jpg"},
        {"file://nas", Refused, core_messages::kFileAddressBad},
        {"file:a.png", Refused, core_messages::kFileAddressBad},
        {"file:///tmp/a%00.png", Refused, core_messages::kFileAddressBad},
    };
    for (const Row& row : rows) {
        const ClassifiedAddress got = classifyAddress(row.address);
        EXPECT_EQ(got.kind, row.kind) << row.address;
        EXPECT_EQ(row.kind == LocalFile ? got.path
                  : row.kind == Refused ? got.reason
                                        : "",
                  row.pathOrReason)
            << row.address;
    }
}

TEST(ClassifyAddress, CommandLineRelativePathsStartInTheCurrentFolder) {
    EXPECT_EQ(commandLineAddress("banner.png", "/home/me"), "/home/me/banner.png");
    EXPECT_EQ(commandLineAddress("pics/a.png", "C:\\work\\"), "C:\\work\\pics/a.png");
    EXPECT_EQ(commandLineAddress("/tmp/a.png", "/home/me"), "/tmp/a.png");
    EXPECT_EQ(commandLineAddress("https://a/b.png", "/home/me"), "https://a/b.png");
    // A scheme is no relative path: it stays, to be refused with its reason.
    EXPECT_EQ(commandLineAddress("ftp://a/b.png", "/home/me"), "ftp://a/b.png");
    EXPECT_EQ(commandLineAddress("", "/home/me"), "");
}

}  // namespace
}  // namespace velquist
