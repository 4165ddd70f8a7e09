// The Qt application, its window system started. Where Qt can start none (no
// display, or the platform QT_QPA_PLATFORM names cannot start), Qt itself
// would abort the process after advice that does not help ("Reinstalling the
// application may fix this problem"); the starter says instead, in one line
// on standard error, what is missing, and ends with status 1.
#pragma once

#include <QApplication>

#include <memory>

namespace velk::qt {

// What Qt says while it starts is held back and passed on as Qt would have
// printed it, once the window system has started.
std::unique_ptr<QApplication> StartApplication(int& argc, char** argv);

}  // namespace velk::qt
