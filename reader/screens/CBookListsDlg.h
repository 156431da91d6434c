#pragma once

#include "BookLists.h"
#include "Dialog.h"

class CChapterViewDlg;

// What the selectors and the manual-bookmark dialogs share: a light grey band across the screen
// under the title bar, holding the testament, book and chapter lists of the view that opened it.
class CBookListsDlg : public CDialog {
protected:
    CBookListsDlg(int templateId, CChapterViewDlg& view);

    bool OnInitDialog() override;
    void OnPaint(QPainter& dc) override;
    std::optional<QColor> OnCtlColor(CtlColor what) override;

    // Shows the three lists as the model holds them.
    void ShowBookLists(const CBookLists& lists);
    // The item the user picked in one of the lists (-1: none).
    int PickedIndex(int listId) const;

private:
    void PlaceBand();
};
