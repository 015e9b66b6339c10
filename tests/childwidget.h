#pragma once

#include <QString>
#include <QWidget>

// The child of `parent` with that object name; a missing child ends the test
// run at once, since every later step would only crash on it.
template <typename T>
T *child(QWidget &parent, const char *name)
{
    T *found = parent.findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no child %s", name);
    return found;
}
