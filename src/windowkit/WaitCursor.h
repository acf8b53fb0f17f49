// The wait cursor over every window of the program while a long piece of work
// (reading or writing a large workbook) runs on the window thread, so that the
// still windows read as busy rather than hung. Scoped: a message box that
// follows the work is shown after the guard ends, with the usual cursor.
#pragma once

#include <QGuiApplication>

class WaitCursor {
  public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};
