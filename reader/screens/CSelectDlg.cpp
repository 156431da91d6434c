#include "CSelectDlg.h"

#include "CChapterViewDlg.h"
#include "ResourceIds.h"

CSelectDlg::CSelectDlg(int templateId, CChapterViewDlg& view)
    : CBookListsDlg(templateId, view), m_model(view.Model()) {
    BindHandlers<CSelectDlg>({
        {Notify::SelChange, IDC_SELECT_TESTAMENT, &CSelectDlg::OnTestamentChanged},
        {Notify::SelChange, IDC_SELECT_BOOK, &CSelectDlg::OnBookChanged},
        {Notify::SelChange, IDC_SELECT_CHAPTER, &CSelectDlg::OnChapterChanged},
    });
}

bool CSelectDlg::OnInitDialog() {
    CBookListsDlg::OnInitDialog();
    m_model.Init();
    ShowBookLists(m_model.m_lists);
    return true;
}

void CSelectDlg::OnTestamentChanged() {
    m_model.OnTestamentChanged(PickedIndex(IDC_SELECT_TESTAMENT));
    ShowBookLists(m_model.m_lists);
}

void CSelectDlg::OnBookChanged() {
    m_model.OnBookChanged(PickedIndex(IDC_SELECT_BOOK));
    ShowBookLists(m_model.m_lists);
}

void CSelectDlg::OnChapterChanged() {
    m_model.OnChapterChanged(PickedIndex(IDC_SELECT_CHAPTER));
    ShowBookLists(m_model.m_lists);
}

void CSelectDlg::OnOK() {
    m_model.OnOK();
    CBookListsDlg::OnOK();
}

void CSelectDlg::OnCancel() {
    m_model.OnCancel();
    CBookListsDlg::OnCancel();
}
