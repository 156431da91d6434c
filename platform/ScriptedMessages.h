#pragma once

#include "MessageService.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

// The message service of tests. Records every message box (caption, text, buttons and icon)
// and answers from a queue; runs child dialogs without a modal loop, handing each to the next
// queued script right after its initialisation. A message or dialog nothing was queued for
// fails the test with its text instead of waiting forever, and so does a dialog the script
// left open. Installs itself while it lives.
class CScriptedMessages : public IMessageService {
public:
    using FailureHandler = std::function<void(const std::string&)>;
    using DialogScript = std::function<void(CDialog&)>;

    explicit CScriptedMessages(FailureHandler onFailure);
    ~CScriptedMessages() override;

    // The answer to the next message box (IDOK, IDYES or IDNO).
    void QueueAnswer(int answer);
    void QueueAnswers(int count, int answer);
    // What to do with the next dialog that opens (must end it, e.g. by pressing OK).
    void QueueDialog(DialogScript script);

    const std::vector<MessageRecord>& Messages() const { return m_messages; }
    std::vector<std::string> Texts() const;
    // Templates of the dialogs run, in order.
    const std::vector<int>& DialogsRun() const { return m_dialogsRun; }
    std::size_t PendingAnswers() const { return m_answers.size(); }
    void Clear();

    int ShowMessage(const MessageRecord& message) override;
    void RunModal(CDialog& dialog) override;

private:
    FailureHandler m_onFailure;
    IMessageService* m_previous = nullptr;
    std::deque<int> m_answers;
    std::deque<DialogScript> m_scripts;
    std::vector<MessageRecord> m_messages;
    std::vector<int> m_dialogsRun;
};
