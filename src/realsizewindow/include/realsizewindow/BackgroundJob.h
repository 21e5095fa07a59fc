#pragma once

// One piece of work off the GUI thread at a time, with a cancel flag the work
// reads. Results come back through post(), which runs a function on the GUI
// thread; a job still running when its owner goes is cancelled and waited for.

#include <QObject>

#include <atomic>
#include <functional>

class QThread;

namespace rsa {

class BackgroundJob : public QObject {
    Q_OBJECT

public:
    explicit BackgroundJob(QObject* parent = nullptr);
    ~BackgroundJob() override;

    // Runs `work` on a thread of its own; emits finished() on this object's
    // thread when it returns. Must not be called while running().
    void start(std::function<void(const std::atomic<bool>& cancel)> work);
    void cancel() { m_cancel = true; }
    bool running() const { return m_thread != nullptr; }
    // Runs `call` on this object's thread, after what is already queued there.
    void post(std::function<void()> call);

signals:
    void finished();

private:
    QThread* m_thread = nullptr;
    std::atomic<bool> m_cancel{false};
};

} // namespace rsa
