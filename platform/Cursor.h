#pragma once

// The busy cursor: a recorded state (tests read it) backed by the application's override
// cursor. Setting the same state twice is harmless.
void SetWaitCursor();
void SetArrowCursor();
bool IsWaitCursorShown();
