// The style every window is drawn in.
#pragma once

namespace platform {

// Makes the application's style the one the platform chose, except that, where
// that style is Qt's own, the pictures of the overflow buttons of menu bars and
// toolbars come from Qt's compiled-in PNG files read as PNG. Qt's own style adds
// those files to an icon by name, which makes Qt load every image-format plugin
// it has to ask whether one of them reads the file, and every menu bar asks for
// that picture when it is built: the input window's menu bar would wait for the
// GIF, ICO and JPEG readers at start-up. Called once at start-up and by the tests.
void InstallStyle();

// Whether the style the application's style builds on is Qt's own Fusion or
// Windows style, whose pictures and toolbars the program's windows know.
bool QtOwnStyle();

}  // namespace platform
