#pragma once

#include <QPointer>
#include <QSize>
#include <QWidget>

#include <vector>

class CDialog;
class CInputPanel;
class QLabel;

// The handheld's screen: one top-level window of 240 × 320 pixels (on Qt's linuxfb platform,
// the framebuffer). A 26-pixel title bar shows the caption of the topmost layer; every screen,
// pop-up and message box is a modal layer inside it, and only the topmost takes input.
class CDeviceScreen : public QWidget {
public:
    // `size` is the screen the program believes it runs on; tests pass other sizes.
    explicit CDeviceScreen(QSize size = QSize(240, 320));
    ~CDeviceScreen() override;

    static CDeviceScreen* Current();

    // Horizontal and vertical resolution of the screen (the framebuffer's on linuxfb).
    QSize ScreenSize() const;

    // Layers, bottom to top. A dialog layer is placed by its template (full screens under the
    // title bar, pop-ups centred below it); a message box is centred.
    void PushDialogLayer(CDialog& dialog);
    void PushMessageLayer(QWidget* box, const QString& caption);
    void RemoveLayer(QWidget* layer);
    CDialog* TopDialog() const;
    QWidget* TopLayer() const;
    bool IsLiveDialog(const CDialog* dialog) const;
    std::vector<CDialog*> OpenDialogs() const;
    // Ends every open dialog and message box, topmost first (quit).
    void EndAllLayers();

    QString Title() const;
    void RefreshTitle();
    CInputPanel& InputPanel() const { return *m_panel; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    struct Layer {
        QPointer<QWidget> widget;
        CDialog* dialog = nullptr;
        QString caption;
    };
    void Restack();
    void OnFocusChanged(QWidget* old, QWidget* now);

    QSize m_size;
    CDeviceScreen* m_previous; // a screen made while another lives (tests) hands back to it
    QLabel* m_title = nullptr;
    QWidget* m_blocker = nullptr;
    CInputPanel* m_panel = nullptr;
    std::vector<Layer> m_layers;
};
