// One QApplication for the whole test program, made before the first test and destroyed after
// the last, on the offscreen platform CTest sets up.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>
#include <memory>

namespace {

class QtApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        if (!QApplication::instance()) {
            setenv("QT_QPA_PLATFORM", "offscreen", 0);
            _application = std::make_unique<QApplication>(_argc, _argv);
            QApplication::setQuitOnLastWindowClosed(false);
        }
    }
    void TearDown() override { _application.reset(); }

private:
    int _argc = 1;
    char _name[10] = "test_qt";
    char* _argv[2] = {_name, nullptr};
    std::unique_ptr<QApplication> _application;
};

::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

}  // namespace
