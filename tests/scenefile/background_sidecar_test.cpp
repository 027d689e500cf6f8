#include <gtest/gtest.h>

#include <string>

#include "SceneFileTestSupport.h"
#include "scenefile/BackgroundSidecar.h"

namespace {

// Written beside the drawing and read back, a sidecar gives the same picture, wherever the
// picture lies, and the same placement, to the last bit; its text names the picture relative to
// the drawing's folder, and each number in the shortest text that reads back.
TEST(BackgroundSidecar, ReadsBackWhatItWrote) {
    TempDir folder;
    const std::string drawing = folder.File("vase.prm");
    const struct {
        std::string picture;
        const char* written;
        BackgroundPlacement placement;
    } cases[] = {
        {folder.File("sketch.png"), "picture=sketch.png\n", {}},
        {folder.File("photos/a b.jpg"), "picture=photos/a b.jpg\n", {1, 0.1, -3, 2.5, 3, true}},
        {folder.Path() + "/../logo.svg", "picture=../logo.svg\n", {0, 1e6, 1e-7, -1e6, 2, false}},
        {"/usr/share/pixmaps/x=y.gif",
         "picture=/usr/share/pixmaps/x=y.gif\nopacity=0.4\nwidth=1.3333333333333333\n",
         {0.4, 4.0 / 3, 1.0 / 3, 0, 1, false}},
    };
    for (const auto& c : cases) {
        BackgroundSidecar written{c.picture, c.placement, {}};
        std::string why;
        ASSERT_TRUE(written.Write(drawing, why)) << why;
        EXPECT_NE(FileText(drawing + ".vexlin-bg").find(c.written), std::string::npos);
        BackgroundSidecar read;
        ASSERT_EQ(read.Read(drawing, why), BackgroundSidecar::SidecarRead) << why;
        EXPECT_EQ(read.picture, std::filesystem::path(c.picture).lexically_normal().string());
        EXPECT_TRUE(read.placement == c.placement) << c.picture;
    }
    EXPECT_TRUE(BackgroundSidecar::Remove(drawing));
    BackgroundSidecar gone;
    std::string why;
    EXPECT_EQ(gone.Read(drawing, why), BackgroundSidecar::NoSidecar);
    EXPECT_TRUE(BackgroundSidecar::Remove(drawing));
}

// A line not understood, or a value out of its range, keeps the default; a sidecar that names
// no picture is damaged.
TEST(BackgroundSidecar, KeepsDefaultsForWhatItCannotUse) {
    const BackgroundPlacement defaults;
    const struct {
        const char* text;
        bool read;
        BackgroundPlacement placement;
    } cases[] = {
        {"picture=p.png\r\nopacity=0.5\r\nturns=2\r\n", true, {0.5, 4, 0, 0, 2, false}},
        {"picture=p.png\nopacity=1.5\nwidth=0\nturns=4\nmirror=yes\ncentre=1\n", true, defaults},
        {"picture=p.png\nwidth=nan\ncentre=1,inf\nturns=1.5\nopacity=\nnonsense\n", true, defaults},
        {"picture=p.png\nwidth=-2\ncentre=2e6,0\nturns=-1\n# opacity=0.9\n", true, defaults},
        {"opacity=0.5\n", false, defaults},
        {"picture=\n", false, defaults},
        {"", false, defaults},
    };
    for (const auto& c : cases) {
        BackgroundSidecar sidecar;
        std::string why;
        EXPECT_EQ(sidecar.Parse(c.text, "/d/vase.pol", why), c.read) << c.text;
        EXPECT_TRUE(sidecar.placement == c.placement) << c.text;
        EXPECT_EQ(why.empty(), c.read) << c.text;
    }
}

}  // namespace

namespace {

// Guides are kept one a line after the picture's lines; a sidecar of guides alone is whole, one
// without guides is written as before guides, and each direction keeps at most its capacity.
TEST(BackgroundSidecar, KeepsGuidesWithOrWithoutAPicture) {
    std::string many;
    for (int k = 0; k <= GuideLines::MostPerDirection; ++k) {
        many += "hguide=" + std::to_string(k) + "\n";
    }
    const struct {
        std::string text;
        bool read;
        bool picture;
        size_t horizontal;
        size_t vertical;
    } cases[] = {
        {"hguide=1.5\nvguide=-2\nhguide=0\n", true, false, 2, 1},
        {"picture=p.png\nvguide=1e-3\n", true, true, 0, 1},
        {"hguide=nan\nvguide=x\nhguide=1e999\n", false, false, 0, 0},
        {many, true, false, GuideLines::MostPerDirection, 0},
    };
    TempDir folder;
    const std::string drawing = folder.File("vase.prm");
    for (const auto& c : cases) {
        BackgroundSidecar sidecar;
        std::string why;
        ASSERT_EQ(sidecar.Parse(c.text, drawing, why), c.read) << c.text;
        EXPECT_EQ(sidecar.picture.empty(), !c.picture);
        EXPECT_EQ(sidecar.guides.horizontal.size(), c.horizontal);
        EXPECT_EQ(sidecar.guides.vertical.size(), c.vertical);
        if (!c.read) {
            continue;
        }
        ASSERT_TRUE(sidecar.Write(drawing, why)) << why;
        BackgroundSidecar read;
        ASSERT_EQ(read.Read(drawing, why), BackgroundSidecar::SidecarRead) << why;
        EXPECT_TRUE(read == sidecar) << c.text;
    }
    const BackgroundSidecar plain{folder.File("p.png"), {}, {}};
    EXPECT_EQ(plain.Text(drawing).find("guide"), std::string::npos);
}

}  // namespace
