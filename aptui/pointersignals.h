#pragma once

#include <QEvent>

namespace aptui {

// The four pointer signals of a clickable widget, by member.
template <typename Receiver>
struct PointerSignals
{
    void (Receiver::*clicked)();
    void (Receiver::*doubleClicked)();
    void (Receiver::*enter)();
    void (Receiver::*leave)();
};

// Emits the one of `members` that `event` stands for, if any.
template <typename Receiver>
void emitPointerSignal(Receiver *receiver, const QEvent *event, const PointerSignals<Receiver> &members)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        (receiver->*members.clicked)();
        break;
    case QEvent::MouseButtonDblClick:
        (receiver->*members.doubleClicked)();
        break;
    case QEvent::Enter:
        (receiver->*members.enter)();
        break;
    case QEvent::Leave:
        (receiver->*members.leave)();
        break;
    default:
        break;
    }
}

} // namespace aptui
