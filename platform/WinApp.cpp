#include "WinApp.h"

#include "DeviceScreen.h"

#include <QCoreApplication>

#include <unistd.h>

namespace {
bool g_quitPosted = false;
bool g_inMainLoop = false;
int g_quitCode = 0;
std::string g_moduleOverride;
} // namespace

CWinApp::CWinApp() = default;
CWinApp::~CWinApp() = default;

int CWinApp::Run() {
    if (g_quitPosted) {
        return g_quitCode;
    }
    g_inMainLoop = true;
    const int code = QCoreApplication::exec();
    g_inMainLoop = false;
    return code;
}

CFrameWnd::~CFrameWnd() {
    if (m_widget) {
        delete m_widget.data();
    }
}

bool CFrameWnd::LoadFrame(int resourceId, unsigned /*style*/) {
    CDeviceScreen* screen = CDeviceScreen::Current();
    if (screen == nullptr) {
        return false;
    }
    m_resourceId = resourceId;
    auto* frame = new QWidget(screen);
    frame->setGeometry(0, 26, screen->width(), screen->height() - 26);
    frame->lower();
    Attach(frame, resourceId, nullptr, "QrvLumen");
    frame->show();
    return OnCreate();
}

void PostQuitMessage(int code) {
    g_quitPosted = true;
    g_quitCode = code;
    if (CDeviceScreen* screen = CDeviceScreen::Current()) {
        screen->EndAllLayers();
    }
    // Modal runs end through their own loops; the application's loop only when it runs (a
    // quit raised there would also refuse every later nested loop).
    if (g_inMainLoop) {
        QCoreApplication::exit(code);
    }
}

bool QuitPosted() {
    return g_quitPosted;
}
int QuitCode() {
    return g_quitCode;
}

void ResetQuitForTesting() {
    g_quitPosted = false;
    g_quitCode = 0;
}

std::string GetModuleFileName() {
    if (!g_moduleOverride.empty()) {
        return g_moduleOverride;
    }
    char path[4096];
    const ssize_t n = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (n > 0) {
        return std::string(path, static_cast<std::size_t>(n));
    }
    return QCoreApplication::applicationFilePath().toStdString();
}

void SetModuleFileNameForTesting(std::string path) {
    g_moduleOverride = std::move(path);
}

QSize DeviceScreenSize() {
    CDeviceScreen* screen = CDeviceScreen::Current();
    return screen != nullptr ? screen->ScreenSize() : QSize();
}
