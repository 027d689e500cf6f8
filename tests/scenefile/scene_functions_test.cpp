#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "model/EditState.h"
#include "scenefile/SceneReading.h"
#include "scenefile/SceneWriting.h"
#include "tests/scenefile/SceneFileTestSupport.h"

namespace {

// A profile that every kind writes, in one finished set.
Drawing Profile(ShapeKind kind) {
    Drawing drawing;
    drawing.kind = kind;
    const Point2 corners[] = {{10, 0}, {40, -10}, {30, -20}, {20, -30}, {10, -40}, {10, 0}};
    for (const Point2& corner : corners) {
        drawing.points[drawing.pointCount++] = corner;
    }
    drawing.setCount = 1;
    drawing.setEnds[1] = drawing.pointCount;
    return drawing;
}

// Reading and writing leave the program-wide kind alone: they return the kind they read or
// wrote, for every kind, by extension or by the filter chosen.
TEST(SceneFunctions, ReadAndWriteEachKindWithoutTheProgramWideKind) {
    TempDir dir;
    const int sentinel = 77;
    for (const SceneKind& row : SceneKinds) {
        const ShapeKind kind = static_cast<ShapeKind>(row.kind);
        shapeKind = sentinel;
        const std::string bare = dir.File(std::string("bare") + row.name);
        const SaveResult saved = WriteScene(Profile(Polygon), bare, KindChoice::Of(kind));
        ASSERT_TRUE(saved.ok) << row.name << ": " << saved.message;
        EXPECT_EQ(saved.name, bare + row.extension);
        EXPECT_EQ(saved.kind, kind);
        const SceneRead read = ReadScene(saved.name.c_str(), Drawing());
        ASSERT_TRUE(read.Ok()) << row.name;
        EXPECT_EQ(read.drawing.kind, kind);
        EXPECT_EQ(read.drawing.setCount, 1) << row.name;
        EXPECT_EQ(shapeKind, sentinel) << row.name;
    }
    shapeKind = Polygon;
}

// A refused save says why, with the system's error where a system call failed, and names what
// it would have written.
TEST(SceneFunctions, ARefusedSaveReturnsItsReasonAndTheNameItTook) {
    TempDir dir;
    const SaveResult missing = WriteScene(Profile(Prism), dir.File("none/x"), KindChoice());
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.name, dir.File("none/x.prm"));
    EXPECT_EQ(missing.kind, Prism);
    EXPECT_EQ(missing.message, "No such file or directory");
    EXPECT_EQ(missing.systemError, ENOENT);

    const SaveResult device = WriteScene(Profile(Prism), "/dev/null", KindChoice());
    EXPECT_FALSE(device.ok);
    EXPECT_EQ(device.message, "not a regular file");
    EXPECT_EQ(device.systemError, 0);
    EXPECT_EQ(device.name, "");
    EXPECT_FALSE(device.kind.has_value());

    Drawing lathe = Profile(Lathe);
    lathe.points[0].x = -30;
    const SaveResult broken = WriteScene(lathe, dir.File("bad"), KindChoice());
    EXPECT_FALSE(broken.ok);
    EXPECT_EQ(broken.name, dir.File("bad.lat"));
    EXPECT_EQ(broken.systemError, 0);
    EXPECT_NE(broken.message.find("radius x below 0"), std::string::npos) << broken.message;
}

}  // namespace
