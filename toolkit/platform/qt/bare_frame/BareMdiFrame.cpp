// The yardstick for the editor's start-up: the least a Qt program can be that shows what the
// editor shows at start, a multiple-document frame with one 300 x 300 child window whose client
// area is an image blitted in its paint event. It is placed as the editor's frame is (three
// quarters of the screen, in its middle) and its child has a caption, as every child window
// has one; it has no menus, bars or dialogs.
#include <QApplication>
#include <QImage>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QScreen>

namespace {

constexpr int ChildSide = 300;

class ImageWidget : public QWidget {
public:
    ImageWidget() : _image(ChildSide, ChildSide, QImage::Format_RGB32) {
        _image.fill(Qt::white);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    QSize sizeHint() const override { return _image.size(); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.drawImage(QPoint(0, 0), _image);
    }

private:
    QImage _image;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QMainWindow frame;
    frame.setWindowTitle("Bare frame");
    auto* area = new QMdiArea;
    frame.setCentralWidget(area);
    QMdiSubWindow* child = area->addSubWindow(new ImageWidget);
    child->setWindowTitle("Untitled");
    child->adjustSize();
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        QRect normal(QPoint(), available.size() * 3 / 4);
        normal.moveCenter(available.center());
        frame.setGeometry(normal);
    }
    frame.show();
    return QApplication::exec();
}
