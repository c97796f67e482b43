// The roads into the exit screen that the input, main and chart windows take: closing
// the input window or the main window shows it; the chart run hides it again.
#pragma once

void ShowExitScreen();
void HideExitScreen();
