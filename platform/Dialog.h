#pragma once

#include "Button.h"
#include "ComboBox.h"
#include "CommandBar.h"
#include "DialogTemplate.h"
#include "Edit.h"
#include "ListCtrl.h"
#include "MessageService.h"
#include "ScrollBar.h"
#include "Static.h"
#include "WinTypes.h"
#include "Wnd.h"

#include <QColor>
#include <QPoint>

#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <optional>
#include <vector>

class QEventLoop;
class QPainter;
class CDialogClient;

// A screen or pop-up built from a dialog template and shown as a modal layer of the device
// screen. Screens derive from it, bind their handlers in one table and override the hooks.
class CDialog : public CWnd {
public:
    explicit CDialog(int templateId, CWnd* parent = nullptr);
    ~CDialog() override;

    // Runs the dialog modally through the message service: build, initialise, run until
    // EndDialog, destroy. Returns the result given to EndDialog.
    int DoModal();
    void EndDialog(int result);

    // Builds the widgets and runs OnInitDialog without a modal loop (the message service and
    // snapshots use it); DestroyWindow ends such a dialog.
    bool Create();
    void DestroyWindow();

    bool IsOpen() const { return m_open; }
    bool IsEnded() const { return m_ended; }
    int Result() const { return m_result; }
    int TemplateId() const { return m_templateId; }
    const DialogTemplate& Template() const { return *m_template; }
    CWnd* ParentWnd() const { return m_parent; }
    std::string Caption() const;

    // Controls by template id. A lookup of an id the template lacks, or of the wrong kind,
    // throws std::logic_error naming the dialog and the id.
    bool HasItem(int id) const;
    CWnd& GetDlgItem(int id) const;
    CEdit& EditItem(int id) const;
    CComboBox& ComboItem(int id) const;
    CListCtrl& ListItem(int id) const;
    CButton& ButtonItem(int id) const;
    CStatic& StaticItem(int id) const;
    CScrollBar& ScrollBarItem(int id) const;

    // The painted client area (below the command bar on full screens).
    QWidget* ClientWidget() const;
    CCommandBar& CommandBar() { return m_commandBar; }

    // Input as the user gives it; tests and snapshots drive screens through these too.
    void SendCommand(int commandId);    // toolbar button or menu item
    void Dispatch(int id, Notify code); // a control's notification
    bool KeyDown(int virtualKey);       // key hook; true when the screen swallowed the key
    void PenUp(QPoint clientPoint);     // pen lifted in the client area
    void VScroll(int code, int pos, CScrollBar& bar);
    void Paint(QPainter& dc);

    // Ends the dialog once the current handler (or initialisation) has returned.
    void PostCloseMessage();
    // Performs a posted close now; true when it closed the dialog.
    bool ProcessPostedClose();
    // Runs the nested event loop until EndDialog (after Create).
    void RunModalLoop();

    virtual void OnOK();
    virtual void OnCancel();

protected:
    // Framework initialisation has run (widgets exist). Return false when the screen has put
    // the focus itself; true lets the framework focus the first tab stop.
    virtual bool OnInitDialog();
    virtual void OnDestroy() {}
    virtual void OnPaint(QPainter& /*dc*/) {}
    // Sees every key-down before it is dispatched to the focused control. Return true to stop it.
    virtual bool PreTranslateKeyDown(int /*virtualKey*/) { return false; }
    virtual void OnVScroll(int /*code*/, int /*pos*/, CScrollBar& /*bar*/) {}
    virtual void OnLButtonUp(QPoint /*clientPoint*/) {}
    // Background for the dialog or a static control; nullopt keeps the default colours.
    virtual std::optional<QColor> OnCtlColor(CtlColor /*what*/) { return std::nullopt; }

    // One short table of handlers: {Notify::Clicked, IDC_X, &CMyDlg::OnX}, …
    template <class D> struct Handler {
        Notify code;
        int id;
        void (D::*method)();
    };
    template <class D> void BindHandlers(std::initializer_list<Handler<D>> table) {
        for (const Handler<D>& h : table) {
            D* self = static_cast<D*>(this);
            auto method = h.method;
            m_handlers[{h.id, h.code}] = [self, method] { (self->*method)(); };
        }
    }

    CCommandBar m_commandBar;

private:
    friend class CCommandBar;
    template <class T> T& TypedItem(int id, const char* kind) const;
    void BuildControls();
    void RegisterControl(int id, std::unique_ptr<CWnd> control);
    void OnRadioClicked(int id);

    int m_templateId;
    const DialogTemplate* m_template;
    CWnd* m_parent;
    CDialogClient* m_client = nullptr;
    std::map<int, std::unique_ptr<CWnd>> m_controls;
    std::vector<std::unique_ptr<CWnd>> m_statics;
    std::map<std::pair<int, Notify>, std::function<void()>> m_handlers;
    QEventLoop* m_loop = nullptr;
    bool m_open = false;
    bool m_ended = false;
    bool m_closePosted = false;
    int m_result = 0;
};
