#pragma once

// The window's tests draw as the window does, without OpenGL: the offscreen
// platform offers no GL context to make (it looks for an X display for one),
// so a web view's Qt Quick scene on the default OpenGL renderer aborts the
// test as soon as the view is first painted - which, on a busy machine,
// happens inside a test case. Before the QApplication:
//   - Qt Quick's software renderer for the web views, as main.cpp chooses it;
//   - the web engine without its GPU process (and, as root, without the
//     sandbox it refuses to run with), unless the caller gave switches.

#include "app/webengineswitches.h"

#include <QByteArray>

#include <unistd.h>

inline void useSoftwareRendering()
{
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", geteuid() == 0 ? "--no-sandbox --disable-gpu" : "--disable-gpu");
    WebEngineSwitches::useSoftwareViewRenderer();
}
