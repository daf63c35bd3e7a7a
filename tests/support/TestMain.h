#pragma once
// The main function of every test: offscreen, with test paths and a default
// message recorder, so that nothing ever waits for a person; the keyboard
// behaves as in the program (Enter on buttons, focus back after a window).

#include "MessageRecorder.h"
#include "platform/KeyboardFocus.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTest>

#define VARMIKO_TEST_MAIN(TestClass)                                                               \
    int main(int argc, char **argv)                                                                \
    {                                                                                              \
        qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") \
                                                                         : qgetenv("QT_QPA_PLATFORM")); \
        QStandardPaths::setTestModeEnabled(true);                                                  \
        QApplication app(argc, argv);                                                              \
        KeyboardFocus::install();                                                                  \
        MessageRecorder fallbackRecorder;                                                          \
        TestClass tc;                                                                              \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }
