#include "aptui/desktopurl.h"

#include <QDesktopServices>

namespace aptui {

namespace {

std::function<bool(const QUrl &)> &testOpener()
{
    static std::function<bool(const QUrl &)> opener;
    return opener;
}

} // namespace

bool openDesktopUrl(const QUrl &url)
{
    if (testOpener())
        return testOpener()(url);
    return QDesktopServices::openUrl(url);
}

void setDesktopUrlOpenerForTesting(std::function<bool(const QUrl &)> opener)
{
    testOpener() = std::move(opener);
}

} // namespace aptui
