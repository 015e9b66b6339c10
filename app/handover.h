#pragma once

#include <QString>

class LarkspanMainPage;

namespace SharedTools {
class QtSingleApplication;
}

// What a later start hands to the Larkspan that runs in the same session.
namespace apt::HandOver {

// Sent by a start without a plan: the running window comes to the front. A
// plan travels as its absolute path, which never equals this.
QString activation();
// The message that hands `plan` over: its absolute path.
QString planMessage(const QString &plan);

// While `window` lives, each message from a later start reaches it: an
// activation brings it to the front, a plan opens there.
void connectWindow(SharedTools::QtSingleApplication *app, LarkspanMainPage *window);

} // namespace apt::HandOver
