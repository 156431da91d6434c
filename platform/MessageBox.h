#pragma once

#include "MessageService.h"

#include <QPointer>
#include <QWidget>

#include <functional>

// A message box drawn as a layer of the device screen: caption strip, icon, text and the
// buttons of its style. `onAnswer` runs when a button is pressed.
class CMessageBox : public QWidget {
public:
    CMessageBox(const MessageRecord& message, std::function<void(int)> onAnswer);
    // The user presses the button that gives `answer`.
    void Press(int answer);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    MessageRecord m_message;
    std::function<void(int)> m_onAnswer;
    bool m_answered = false;
};

// The program's service: boxes and modal loops inside the device screen.
class CDeviceMessageService : public IMessageService {
public:
    int ShowMessage(const MessageRecord& message) override;
    void RunModal(CDialog& dialog) override;
};
