#include "platform/cuisingleton.h"

namespace OrvaneGUIToolkit {

QRecursiveMutex &SingletonCreationMutex()
{
    static QRecursiveMutex mutex;
    return mutex;
}

} // namespace OrvaneGUIToolkit
