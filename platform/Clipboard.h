#pragma once

class CEdit;

// The copy command on a screen's text box: focus it; copy its selection, or select the whole
// text when nothing is selected; report "선택한 영역이 클립보드로 복사되었습니다.". An empty
// box copies nothing and says nothing.
void CopySelectionToClipboard(CEdit& box);
