// Placeholder until the exit screen lands; its module then defines these and deletes this file.
#include "shell/ExitScreenRoad.h"
void ShowExitScreen() {}
void HideExitScreen() {}
