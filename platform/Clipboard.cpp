#include "Clipboard.h"

#include "Edit.h"
#include "MessageService.h"

void CopySelectionToClipboard(CEdit& box) {
    box.SetFocus();
    int start = 0;
    int end = 0;
    box.GetSel(start, end);
    if (start == end) {
        box.SetSel(0, -1);
        box.ScrollCaret();
        box.GetSel(start, end);
        if (start == end) {
            return;
        }
    }
    box.Copy();
    ShowMessage("선택한 영역이 클립보드로 복사되었습니다.");
}
