#pragma once

#include <QUrl>

#include <functional>

namespace aptui {

// Opens `url` with the desktop's handler (a file with the program that the
// desktop gives its type, a folder with the file manager); false when
// nothing opened it.
bool openDesktopUrl(const QUrl &url);

// Test seam: every later openDesktopUrl() asks `opener` instead of the
// desktop, so that a test sees what would be opened and can play a desktop
// that opens nothing. An empty function gives the desktop back.
void setDesktopUrlOpenerForTesting(std::function<bool(const QUrl &)> opener);

} // namespace aptui
