#include "ScriptedMessages.h"

#include "Dialog.h"

CScriptedMessages::CScriptedMessages(FailureHandler onFailure) : m_onFailure(std::move(onFailure)) {
    m_previous = SetMessageService(this);
}

CScriptedMessages::~CScriptedMessages() {
    SetMessageService(m_previous);
    if (!m_answers.empty()) {
        m_onFailure(std::to_string(m_answers.size()) + " queued answer(s) were never asked for");
    }
    if (!m_scripts.empty()) {
        m_onFailure(std::to_string(m_scripts.size()) + " queued dialog script(s) were never used");
    }
}

void CScriptedMessages::QueueAnswer(int answer) {
    m_answers.push_back(answer);
}

void CScriptedMessages::QueueAnswers(int count, int answer) {
    for (int i = 0; i < count; ++i) {
        m_answers.push_back(answer);
    }
}

void CScriptedMessages::QueueDialog(DialogScript script) {
    m_scripts.push_back(std::move(script));
}

std::vector<std::string> CScriptedMessages::Texts() const {
    std::vector<std::string> texts;
    for (const MessageRecord& m : m_messages) {
        texts.push_back(m.text);
    }
    return texts;
}

void CScriptedMessages::Clear() {
    m_answers.clear();
    m_scripts.clear();
    m_messages.clear();
    m_dialogsRun.clear();
}

int CScriptedMessages::ShowMessage(const MessageRecord& message) {
    m_messages.push_back(message);
    const bool yesNo = (message.style & kMessageButtonsMask) == MB_YESNO;
    if (m_answers.empty()) {
        m_onFailure("unexpected message box [" + message.caption + "] " + message.text);
        return yesNo ? IDNO : IDOK;
    }
    const int answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

void CScriptedMessages::RunModal(CDialog& dialog) {
    m_dialogsRun.push_back(dialog.TemplateId());
    if (!dialog.Create()) {
        m_onFailure("dialog " + std::to_string(dialog.TemplateId()) + " could not be created");
        return;
    }
    dialog.ProcessPostedClose();
    if (!dialog.IsEnded()) {
        if (m_scripts.empty()) {
            m_onFailure("unexpected dialog [" + dialog.Caption() +
                        "] opened with nothing queued for it");
        } else {
            DialogScript script = std::move(m_scripts.front());
            m_scripts.pop_front();
            script(dialog);
            dialog.ProcessPostedClose();
            if (!dialog.IsEnded()) {
                m_onFailure("dialog [" + dialog.Caption() + "] was left open by its script");
            }
        }
    }
    if (!dialog.IsEnded()) {
        dialog.EndDialog(IDCANCEL);
    }
    dialog.DestroyWindow();
}
