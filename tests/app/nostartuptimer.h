#pragma once

#include "app/csorvel.h"

#include <QTimer>

// The window runs its deferred start-up 2600 ms after it is built; a case
// still running then on a slow or busy machine would meet the start-up guide,
// a modal dialog, in the middle of whatever it does. Tests stop that timer
// and run the start-up themselves where they need it.
inline bool stopStartUpTimer(CSorvel *window)
{
    auto *timer = window->findChild<QTimer *>(QStringLiteral("startUpTimer"));
    if (!timer)
        return false;
    timer->stop();
    return true;
}
