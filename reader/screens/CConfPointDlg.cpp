#include "CConfPointDlg.h"

#include "CChapterViewDlg.h"
#include "ResourceIds.h"

CConfPointDlg::CConfPointDlg(int templateId, CChapterViewDlg& view)
    : CBookListsDlg(templateId, view), m_model(view.Model()) {
    BindHandlers<CConfPointDlg>({
        {Notify::SelChange, IDC_SELECT_TESTAMENT, &CConfPointDlg::OnTestamentChanged},
        {Notify::SelChange, IDC_SELECT_BOOK, &CConfPointDlg::OnBookChanged},
        {Notify::SelChange, IDC_SELECT_CHAPTER, &CConfPointDlg::OnChapterChanged},
        {Notify::Clicked, IDC_CONFPOINT_LOAD, &CConfPointDlg::OnLoad},
        {Notify::Clicked, IDC_CONFPOINT_SAVE, &CConfPointDlg::OnSave},
    });
}

bool CConfPointDlg::OnInitDialog() {
    CBookListsDlg::OnInitDialog();
    m_model.Init();
    ShowBookLists(m_model.m_lists);
    return true;
}

void CConfPointDlg::OnTestamentChanged() {
    m_model.OnTestamentChanged(PickedIndex(IDC_SELECT_TESTAMENT));
    ShowBookLists(m_model.m_lists);
}

void CConfPointDlg::OnBookChanged() {
    m_model.OnBookChanged(PickedIndex(IDC_SELECT_BOOK));
    ShowBookLists(m_model.m_lists);
}

void CConfPointDlg::OnChapterChanged() {
    m_model.OnChapterChanged(PickedIndex(IDC_SELECT_CHAPTER));
    ShowBookLists(m_model.m_lists);
}

void CConfPointDlg::OnLoad() {
    // A missing file is created from the lists and a damaged one ignored, silently: either
    // way the lists show the position OK would take.
    m_model.Load();
    ShowBookLists(m_model.m_lists);
}

void CConfPointDlg::OnSave() {
    switch (m_model.Save()) {
    case ConfPointSave::Saved:
        ShowMessage(kConfPointSavedMessage);
        break;
    case ConfPointSave::Failed:
        // Never "saved" when it wasn't: the old file is kept and the reader is told.
        ShowMessage(kConfPointSaveFailedMessage);
        break;
    case ConfPointSave::NothingSelected:
        break;
    }
}

void CConfPointDlg::OnOK() {
    m_model.OnOK();
    CBookListsDlg::OnOK();
}

void CConfPointDlg::OnCancel() {
    m_model.OnCancel();
    CBookListsDlg::OnCancel();
}
