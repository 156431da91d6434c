#pragma once

#include "Wnd.h"

#include <QSize>

#include <string>
#include <string_view>

// The application object: InitInstance sets things up, Run runs the program.
class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();

    virtual bool InitInstance() = 0;
    // Runs the message loop unless the quit message was already posted; the exit code.
    virtual int Run();

    // Names the settings key; nothing is stored there, it is only recorded.
    void SetRegistryKey(std::string_view key) { m_registryKey = key; }
    const std::string& RegistryKey() const { return m_registryKey; }

    CWnd* m_pMainWnd = nullptr;

private:
    std::string m_registryKey;
};

// A frame window: the program's empty host window, a bottom layer of the device screen.
class CFrameWnd : public CWnd {
public:
    ~CFrameWnd() override;
    // Creates the frame from its resource id; styles are recorded only.
    bool LoadFrame(int resourceId, unsigned style);
    int ResourceId() const { return m_resourceId; }

protected:
    // Called once the frame's widget exists (children are made here).
    virtual bool OnCreate() { return true; }

private:
    int m_resourceId = 0;
};

inline constexpr unsigned FWS_ADDTOTITLE = 0x8000;

// Posts the quit message: every modal run ends, nothing new opens, and Run returns `code`.
void PostQuitMessage(int code);
bool QuitPosted();
int QuitCode();
void ResetQuitForTesting();

// Full path of the running executable; tests point it into a folder of their own.
std::string GetModuleFileName();
void SetModuleFileNameForTesting(std::string path);

// Horizontal and vertical resolution of the device screen in pixels.
QSize DeviceScreenSize();
