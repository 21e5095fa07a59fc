#include "realsizewindow/BackgroundJob.h"

#include <QThread>

namespace rsa {

BackgroundJob::BackgroundJob(QObject* parent) : QObject(parent) {}

BackgroundJob::~BackgroundJob() {
    if (m_thread) {
        m_cancel = true;
        m_thread->wait();
        delete m_thread;
    }
}

void BackgroundJob::start(std::function<void(const std::atomic<bool>& cancel)> work) {
    m_cancel = false;
    m_thread = QThread::create([this, work = std::move(work)] { work(m_cancel); });
    connect(m_thread, &QThread::finished, this, [this] {
        m_thread->deleteLater();
        m_thread = nullptr;
        emit finished();
    });
    m_thread->start();
}

void BackgroundJob::post(std::function<void()> call) {
    QMetaObject::invokeMethod(this, std::move(call), Qt::QueuedConnection);
}

} // namespace rsa
