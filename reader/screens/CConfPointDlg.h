#pragma once

#include "CBookListsDlg.h"
#include "ConfPointModel.h"

// The manual-bookmark dialog of a chapter view: one stored position per Bible, loaded into the
// lists, saved from them, and handed to the view on OK. The Korean and the English one differ
// only in their template and in the view's profile (file, header, list texts).
class CConfPointDlg : public CBookListsDlg {
public:
    void OnOK() override;
    void OnCancel() override;

protected:
    CConfPointDlg(int templateId, CChapterViewDlg& view);

    bool OnInitDialog() override;

private:
    void OnTestamentChanged();
    void OnBookChanged();
    void OnChapterChanged();
    void OnLoad();
    void OnSave();

    CConfPointModel m_model; // hands the position to the view (its m_view)
};
