#pragma once

#include "firstframe.h"

#include <QCoreApplication>
#include <QWidget>

#include <unistd.h>

// Writes one byte to stdout when `window` has painted its first frame, then quits.
inline void reportFirstFrame(QWidget *window)
{
    auto *watcher = new App::FirstFrame(window);
    QObject::connect(watcher, &App::FirstFrame::painted, [] {
        const char ready = '!';
        if (::write(STDOUT_FILENO, &ready, 1) != 1)
            QCoreApplication::exit(1);
        QCoreApplication::quit();
    });
}
