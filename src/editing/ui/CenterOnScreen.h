#pragma once
// Places a top-level window in the middle of the screen it is on (the
// primary screen before it has been shown), whatever its parent.

class QWidget;

void CenterOnScreen(QWidget *window);
