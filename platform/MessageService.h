#pragma once

#include "WinTypes.h"

#include <string>
#include <string_view>

class CDialog;

// The program's title, the caption of its ordinary message boxes.
inline constexpr const char* kAppTitle = "QrvLumen";

struct MessageRecord {
    std::string caption;
    std::string text;
    unsigned style = MB_OK; // buttons | icon
    bool operator==(const MessageRecord&) const = default;
};

// The one way screens show message boxes, ask yes/no questions and run child dialogs. The
// program uses boxes inside the device screen; tests install a scripted service.
class IMessageService {
public:
    virtual ~IMessageService() = default;
    // Shows a box and returns the answer (IDOK, IDYES or IDNO).
    virtual int ShowMessage(const MessageRecord& message) = 0;
    // Runs `dialog` modally: Create, the modal loop, DestroyWindow.
    virtual void RunModal(CDialog& dialog) = 0;
};

IMessageService& MessageService();
// Installs a service; nullptr puts the program's own back. Returns the previous one.
IMessageService* SetMessageService(IMessageService* service);

// A box with an OK button and the program's title as caption unless one is given.
int ShowMessage(std::string_view text, std::string_view caption = kAppTitle,
                unsigned style = MB_OK);
// A Yes/No question; any answer but No counts as yes.
bool AskYesNo(std::string_view text, std::string_view caption = kAppTitle,
              unsigned icon = MB_ICONQUESTION);
