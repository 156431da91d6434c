#pragma once

#include "Dialog.h"

// The home screen: picture, version line and eight buttons, each opening one screen.
class CLauncherDlg : public CDialog {
public:
    CLauncherDlg();

    bool HasKoreanText() const { return m_hasKoreanText; }
    bool HasEnglishText() const { return m_hasEnglishText; }
    bool HasDictionary() const { return m_hasDictionary; }

protected:
    bool OnInitDialog() override;

private:
    void CheckScreenSize();
    void FindDataFolder();
    bool CheckDataFile(const char* fileName, const char* missingFormat);
    void LoadChapterIndexes();

    void OnKoreanBible();
    void OnEnglishBible();
    void OnSearch();
    void OnHymnal();
    void OnReadingPlan();
    void OnVisitation();
    void OnReadings();
    void OnBookmarks();
    void OnRecentPlace();
    void OnHelp();
    void OnAbout();
    void OnQuit();
    // Shows `refusal` and restores the cursor when `available` is false.
    bool Require(bool available, const char* refusal);

    bool m_hasKoreanText = false;
    bool m_hasEnglishText = false;
    bool m_hasDictionary = false;
};
