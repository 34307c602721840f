#include <gtest/gtest.h>

#include <QApplication>

// Every test program runs inside a QApplication on the offscreen platform, so
// that fonts, pictures and widgets behave as in the program.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen"
                                                                       : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
