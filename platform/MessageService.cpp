#include "MessageService.h"

#include "Dialog.h"
#include "MessageBox.h"
#include "WinApp.h"

namespace {
IMessageService* g_service = nullptr;

CDeviceMessageService& DeviceService() {
    static CDeviceMessageService service;
    return service;
}
} // namespace

IMessageService& MessageService() {
    return g_service != nullptr ? *g_service : DeviceService();
}

IMessageService* SetMessageService(IMessageService* service) {
    IMessageService* previous = g_service;
    g_service = service;
    return previous;
}

int ShowMessage(std::string_view text, std::string_view caption, unsigned style) {
    return MessageService().ShowMessage({std::string(caption), std::string(text), style});
}

bool AskYesNo(std::string_view text, std::string_view caption, unsigned icon) {
    return ShowMessage(text, caption, MB_YESNO | (icon & kMessageIconMask)) != IDNO;
}

void CDeviceMessageService::RunModal(CDialog& dialog) {
    if (QuitPosted()) {
        return; // the program is ending: nothing new opens
    }
    if (dialog.Create()) {
        dialog.RunModalLoop();
    }
    dialog.DestroyWindow();
}
