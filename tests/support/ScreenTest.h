#pragma once

#include "ScriptedMessages.h"
#include "TempDir.h"

#include <QString>
#include <QtTest/QtTest>

#include <string>
#include <string_view>
#include <vector>

// Message service of a screen test: a message or dialog nothing was queued for fails the
// running test with its text (it never waits for a click).
class CTestMessages : public CScriptedMessages {
public:
    CTestMessages();
};

// A data folder of the test's own, made the program's folder (the executable is said to live
// there, and g_dataFolder names it) with the other scripture tables reset, as at program start.
class CTestDataFolder : public CTempDir {
public:
    CTestDataFolder();
    ~CTestDataFolder();
    // A small Korean and English Bible (with indexes) for screens that read one.
    void WriteSmallBibles() const;
};

QString Q(std::string_view text);

// main() of a screen test: QApplication on the platform ctest chose (offscreen), the Hangul
// fonts, and the 240 × 320 device screen.
int RunScreenTest(int argc, char** argv, QObject& test);

#define QRV_SCREEN_TEST_MAIN(TestClass)                                                            \
    int main(int argc, char** argv) {                                                              \
        TestClass test;                                                                            \
        return RunScreenTest(argc, argv, test);                                                    \
    }
