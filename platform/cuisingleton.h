#pragma once

#include <QMutexLocker>
#include <QRecursiveMutex>

#include <atomic>
#include <memory>

namespace OrvaneGUIToolkit {

// The one mutex under which every single instance is created. It is recursive
// because a constructor may itself ask for another single instance.
QRecursiveMutex &SingletonCreationMutex();

// One instance of T, made on the first call of instance() and kept until the
// process exits. Creation is guarded by a process-wide mutex with a test
// before and after taking it, so two threads asking at once still get one
// instance.
//
// The constructor of T stays accessible so that tests can build private
// instances; the program itself only uses instance().
template <typename T>
class CUiSingleton
{
public:
    static T *instance()
    {
        T *existing = s_instance.load(std::memory_order_acquire);
        if (existing)
            return existing;

        const QMutexLocker locker(&SingletonCreationMutex());
        existing = s_instance.load(std::memory_order_relaxed);
        if (!existing) {
            existing = new T;
            s_instance.store(existing, std::memory_order_release);
            // Deleted at process exit, after main() has returned.
            static const std::unique_ptr<T> owner(existing);
        }
        return existing;
    }

protected:
    CUiSingleton() = default;
    ~CUiSingleton() = default;

private:
    static inline std::atomic<T *> s_instance{nullptr};
};

} // namespace OrvaneGUIToolkit
