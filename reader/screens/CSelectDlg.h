#pragma once

#include "CBookListsDlg.h"
#include "SelectModel.h"

// The book and chapter selector of a chapter view; the Korean and the English one differ only
// in their template and in the view's profile.
class CSelectDlg : public CBookListsDlg {
public:
    void OnOK() override;
    void OnCancel() override;

protected:
    CSelectDlg(int templateId, CChapterViewDlg& view);

    bool OnInitDialog() override;

private:
    void OnTestamentChanged();
    void OnBookChanged();
    void OnChapterChanged();

    CSelectModel m_model; // hands the choice to the view (its m_view)
};
