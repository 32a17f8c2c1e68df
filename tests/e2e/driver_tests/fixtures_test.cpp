// The component files that the prefix gets from tests/fixtures, with their
// version resources as Windows reads them.
#include "driver.h"

namespace e2e {
namespace {

struct Component {
    const char* file;
    DWORD fileMS, fileLS, productMS, productLS, os, type, subtype;
};

constexpr Component kComponents[] = {
    {"directx.cpl", 0x00040006, 0x000201B4, 0x00040006, 0x000100C8, VOS__WINDOWS32, VFT_DLL, 0},
    {"a3d.dll", 0x0001000C, 0x0000004E, 0x0001000C, 0, VOS_DOS_WINDOWS32, VFT_DLL, 0},
    {"a3dapi.dll", 0x0001000C, 0x00000050, 0x0001000C, 0, VOS_DOS_WINDOWS32, VFT_DLL, 0},
    {"asp4cpl.exe", 0x00020003, 0x0000000B, 0x00020003, 0, VOS__WINDOWS32, VFT_APP, 0},
    {"sbawe32.drv", 0x00040026, 0x0000000E, 0x00040026, 0, VOS_DOS_WINDOWS16, VFT_DRV, VFT2_DRV_SOUND},
    {"sbemul.dll", 0x00040026, 0x00000009, 0x00040026, 0, VOS_DOS_WINDOWS16, VFT_DLL, 0},
    {"sb16.vxd", 0x00040005, 0x0000044E, 0x00040005, 0, VOS_DOS_WINDOWS32, VFT_VXD, 0},
};

TEST(Fixtures, ComponentsCarryTheirVersionResources) {
    for (const auto& c : kComponents) {
        SCOPED_TRACE(c.file);
        const auto v = files::fixedVersion(files::join(files::systemDir(), c.file));
        ASSERT_TRUE(v) << "missing, or without a version resource";
        EXPECT_EQ(v->dwFileVersionMS, c.fileMS);
        EXPECT_EQ(v->dwFileVersionLS, c.fileLS);
        EXPECT_EQ(v->dwProductVersionMS, c.productMS);
        EXPECT_EQ(v->dwProductVersionLS, c.productLS);
        EXPECT_EQ(v->dwFileOS, c.os);
        EXPECT_EQ(v->dwFileType, c.type);
        EXPECT_EQ(v->dwFileSubtype, c.subtype);
    }
}

TEST(Fixtures, DataFileHasNoVersionResource) {
    const std::string path = files::join(files::systemDir(), "monster.bdi");
    EXPECT_TRUE(files::exists(path));
    EXPECT_EQ(files::fixedVersion(path), std::nullopt);
}

}  // namespace
}  // namespace e2e
