#include "CMainFrame.h"

#include "ResourceIds.h"

bool CMainFrame::OnCreate() {
    return m_pane.Create(Widget(), ID_FIRST_PANE);
}
