#include "CAboutDlg.h"

#include "ResourceIds.h"

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUT) {}
