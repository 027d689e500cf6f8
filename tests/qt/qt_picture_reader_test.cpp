#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <fstream>
#include <string>

#include "toolkit/platform/qt/QtPictureReader.h"

namespace {

std::string TempFile(const char* name, const std::string& bytes) {
    const std::string path = QDir::temp().filePath(name).toStdString();
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

// A PNG header claiming 40000 x 40000 pixels: refused from its size, nothing decoded.
const std::string HugePng(
    "\x89\x50\x4e\x47\x0d\x0a\x1a\x0a\x00\x00\x00\x0d\x49\x48\x44\x52\x00\x00\x9c\x40\x00\x00"
    "\x9c\x40\x08\x02\x00\x00\x00\xde\x6e\x99\x52\x00\x00\x00\x08\x49\x44\x41\x54\x78\x9c\x03"
    "\x00\x00\x00\x00\x01\x48\x06\x89\xd2\x00\x00\x00\x00\x49\x45\x4e\x44\xae\x42\x60\x82",
    65);

// Pictures of every kind the background takes, with their own opacity, and the files it
// refuses with a reason and the surface left alone.
TEST(QtPictureReader, ReadsPicturesAndRefusesWhatIsNoUsablePicture) {
    QImage image(3, 2, QImage::Format_ARGB32);
    image.fill(QColor(10, 20, 30, 255));
    image.setPixelColor(2, 1, QColor(200, 100, 50, 128));
    const std::string png = QDir::temp().filePath("vexlin-reader.png").toStdString();
    const std::string jpeg = QDir::temp().filePath("vexlin-reader.jpg").toStdString();
    const std::string bmp = QDir::temp().filePath("vexlin-reader.bmp").toStdString();
    ASSERT_TRUE(image.save(QString::fromStdString(png)));
    ASSERT_TRUE(image.save(QString::fromStdString(jpeg)));
    ASSERT_TRUE(image.save(QString::fromStdString(bmp)));
    const std::string svg =
        TempFile("vexlin-reader.svg",
                 "<svg xmlns='http://www.w3.org/2000/svg' width='20' height='10'>"
                 "<rect width='20' height='10' fill='#ff0000'/></svg>");
    const struct {
        std::string path;
        int width;
        int height;
        const char* why;
    } cases[] = {
        {png, 3, 2, ""},
        {jpeg, 3, 2, ""},
        {bmp, 3, 2, ""},
        {svg, 2048, 1024, ""},
        {"/nonexistent/picture.png", 0, 0, "missing"},
        {QDir::tempPath().toStdString(), 0, 0, "cannot be opened"},
        {TempFile("vexlin-reader-text.png", "just words\n"), 0, 0, "not a picture"},
        {TempFile("vexlin-reader-cut.png", HugePng.substr(0, 20)), 0, 0, "cannot be read"},
        {TempFile("vexlin-reader-huge.png", HugePng), 0, 0, "40000 x 40000"},
    };
    QtPictureReader reader;
    for (const auto& c : cases) {
        PixelSurface pixels(1, 1, 0xff123456u);
        std::string why;
        const bool read = reader.ReadPicture(c.path.c_str(), pixels, why);
        EXPECT_EQ(read, c.why[0] == '\0') << c.path << ": " << why;
        EXPECT_NE(why.find(c.why), std::string::npos) << c.path << ": " << why;
        EXPECT_EQ(pixels.Width(), read ? c.width : 1) << c.path;
        EXPECT_EQ(pixels.Height(), read ? c.height : 1) << c.path;
    }
    PixelSurface pixels;
    std::string why;
    ASSERT_TRUE(reader.ReadPicture(png.c_str(), pixels, why));
    EXPECT_EQ(pixels.Pixel(0, 0), 0xff0a141eu);
    EXPECT_EQ(pixels.Pixel(2, 1) >> 24, 128u);
    ASSERT_TRUE(reader.ReadPicture(svg.c_str(), pixels, why));
    EXPECT_EQ(pixels.Pixel(1000, 500), 0xffff0000u);
}

}  // namespace
