#pragma once
// The main function of every test: offscreen, with test paths and a default
// message recorder, so that nothing ever waits for a person; the keyboard
// behaves as in the program (Enter on buttons, focus back after a window).

#include "MessageRecorder.h"
#include "TestEnvironment.h"
#include "platform/KeyboardFocus.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTest>

#define VARMIKO_TEST_MAIN(TestClass)                                                               \
    int main(int argc, char **argv)                                                                \
    {                                                                                              \
        setTestEnvironment();                                                                      \
        QStandardPaths::setTestModeEnabled(true);                                                  \
        QApplication app(argc, argv);                                                              \
        KeyboardFocus::install();                                                                  \
        MessageRecorder fallbackRecorder;                                                          \
        TestClass tc;                                                                              \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }
