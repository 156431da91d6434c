#include "ScreenTest.h"

#include "TestBibleFiles.h"

#include "DeviceScreen.h"
#include "Fonts.h"
#include "ScriptureStore.h"
#include "WinApp.h"

#include <QApplication>

CTestMessages::CTestMessages()
    : CScriptedMessages(
          [](const std::string& problem) { QTest::qFail(problem.c_str(), __FILE__, __LINE__); }) {}

CTestDataFolder::CTestDataFolder() {
    ResetScriptureStore();
    ResetQuitForTesting();
    SetModuleFileNameForTesting(Path() + "qrvlumen");
    // As the launcher sets it; screens tested on their own read their files from here too.
    SetDataFolder(Path());
}

CTestDataFolder::~CTestDataFolder() {
    SetModuleFileNameForTesting("");
}

void CTestDataFolder::WriteSmallBibles() const {
    WriteTestBibles(*this, ThreeVerseBibles());
}

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

int RunScreenTest(int argc, char** argv, QObject& test) {
    QApplication app(argc, argv);
    PrepareApplication();
    CDeviceScreen screen;
    screen.show();
    // Focus notifications need an active window, as on the device.
    QApplication::setActiveWindow(&screen);
    if (!QTest::qWaitForWindowActive(&screen)) {
        qWarning("the device screen did not become active");
    }
    return QTest::qExec(&test, argc, argv);
}
