#include "ScreenTest.h"

#include "DeviceScreen.h"
#include "Fonts.h"
#include "ScriptureStore.h"
#include "TextUtil.h"
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
    // Every chapter gets three verses, so chapter stepping and layout have real text to show.
    std::string korean;
    std::string english;
    std::string koreanIndex;
    std::string englishIndex;
    for (int book = 1; book <= kBookCount; ++book) {
        for (int chapter = 1; chapter <= g_chapterCounts[book - 1]; ++chapter) {
            koreanIndex += std::to_string(korean.size()) + "\n";
            englishIndex += std::to_string(english.size()) + "\n";
            for (int verse = 1; verse <= 3; ++verse) {
                korean += StrFormat("%d:%d:%d %s %d장 %d절 말씀\n", book, chapter, verse,
                                    std::string(KoreanBookName(book)).c_str(), chapter, verse);
                english += StrFormat("%d:%d:%d Word of %s %d:%d\n", book, chapter, verse,
                                     std::string(EnglishBookName(book)).c_str(), chapter, verse);
            }
        }
    }
    Write("kbible.dat", korean);
    Write("ebible.dat", english);
    Write("kbible.inx", koreanIndex);
    Write("ebible.inx", englishIndex);
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
