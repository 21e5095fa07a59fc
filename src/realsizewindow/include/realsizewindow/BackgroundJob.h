#pragma once

// One piece of work off the GUI thread at a time, with a cancel flag the work
// reads. Results come back through post(), which runs a function on the GUI
// thread. Whatever the work throws is caught on its thread and reported by
// failed(), so that no exception ends the program. A job still running when
// its owner goes, or when the application is about to quit, is cancelled and
// waited for: what it started (the race's helper process and its folder) is
// gone by then.

#include <QObject>
#include <QString>

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
    // Cancels the work and waits until it has returned.
    void stop();
    bool running() const { return m_thread != nullptr; }
    // Runs `call` on this object's thread, after what is already queued there.
    void post(std::function<void()> call);

signals:
    // The work threw; `sentence` says so in the window's language, with the
    // exception's own text. Comes before finished().
    void failed(const QString& sentence);
    void finished();

private:
    // `reason` is the exception's text, empty when it had none.
    void fail(const QString& reason);

    QThread* m_thread = nullptr;
    std::atomic<bool> m_cancel{false};
};

} // namespace rsa
