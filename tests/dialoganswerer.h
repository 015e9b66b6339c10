#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <functional>

// Answers the next modal dialog from the event loop, the way a person would,
// so that a test never waits on an exec() nobody ends. The answer runs once,
// on the first modal widget that appears within five seconds.
inline void answerNextDialog(std::function<void(QDialog *)> answer)
{
    auto *poll = new QTimer(qApp);
    auto elapsed = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, elapsed, answer = std::move(answer)] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        *elapsed += 20;
        if (!dialog && *elapsed < 5000)
            return;
        poll->stop();
        poll->deleteLater();
        if (dialog)
            answer(dialog);
    });
    poll->start(20);
}
