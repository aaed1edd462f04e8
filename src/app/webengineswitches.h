#pragma once

// How the window's web engine starts: the Chromium switches it adds to the
// user's, and the renderer its views paint with. Both are set before the
// QApplication exists.
//
// Every page the views show is our own local content with JavaScript off,
// so one renderer process serves all of them; each view would otherwise
// start its own, of some 70 MiB. With the sandbox off, that renderer is
// started directly: the two zygote processes that would fork it hold about
// 90 MiB between them for nothing else. The views draw the engine's frames
// with Qt Quick's software renderer, which shows the same pixels as OpenGL
// without loading a GL driver (a software rasteriser on most machines that
// run us, some 60 MiB) into the window's process.

#include <QByteArray>
#include <QByteArrayList>

#include <vector>

namespace WebEngineSwitches {

// The switches to add to those given: none that the given ones already set
// (the user's choice stands).
QByteArrayList added(const QByteArrayList &given, bool sandboxDisabled);

// The engine takes its switches from QTWEBENGINE_CHROMIUM_FLAGS when that is
// set and from the program's arguments otherwise, so the window's switches go
// where it will read them: appended to the variable, or returned to be
// appended to the arguments (whose storage must outlive the application).
QByteArrayList prepare(const std::vector<char *> &args);

// Qt Quick's software renderer for the views, unless the user chose a
// renderer (QT_QUICK_BACKEND).
void useSoftwareViewRenderer();

// Both, as the window starts: prepare()'s switches appended to args (their
// bytes kept in storage, which must outlive the application), the software
// renderer chosen, and args ended by the null pointer Qt expects. Returns
// the argument count to give the application.
int apply(std::vector<char *> &args, QByteArrayList &storage);

} // namespace WebEngineSwitches
