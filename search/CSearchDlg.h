#pragma once

#include "Dialog.h"
#include "SearchModel.h"

// The scripture search: verse lookup by reference and keyword search over the Korean or the
// English Bible. The boxes are mirrored into the model; the screen shows what it answers.
class CSearchDlg : public CDialog {
public:
    CSearchDlg();

protected:
    bool OnInitDialog() override;
    void OnDestroy() override;

private:
    void FillLanguageBox();
    void FillLimitBox();
    void FillScopeBox();
    void CreateHitColumns();

    void OnLanguageChange();
    void OnLimitChange();
    void OnScopeChange();
    void OnBookChange();
    void OnChapterChange();
    void OnLookup();
    void OnFind();
    void OnHitsTap();
    void OnCopy();
    void OnParallel();
    void OnInputFocus();
    void OnInputFocusLost();

    void LookupVerses();
    void SearchKeyword();
    void OpenSelectedHits();
    void ShowParallelText();

    void ShowHitList();
    void ShowTextBox();
    void FillHitList();
    // Shows `message` with its caption (the program's title when it has none) and icon.
    void Report(const SearchMessage& message);
    // Item data of a box's selection, -1 when nothing is selected.
    int SelectedData(int boxId) const;

    CSearchModel m_model;
};
