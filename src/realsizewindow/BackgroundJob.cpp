#include "realsizewindow/BackgroundJob.h"

#include "realsizewindow/RealSizeFormat.h"
#include "texts/RealSizeTexts.h"

#include <QCoreApplication>
#include <QThread>

#include <exception>

namespace rsa {

BackgroundJob::BackgroundJob(QObject* parent) : QObject(parent) {
    // Jobs end with the event loop, whoever owns their window and whenever it
    // is deleted: nothing of the race may outlive the program.
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this,
            &BackgroundJob::stop);
}

BackgroundJob::~BackgroundJob() {
    stop();
    delete m_thread;
}

void BackgroundJob::start(std::function<void(const std::atomic<bool>& cancel)> work) {
    m_cancel = false;
    m_thread = QThread::create([this, work = std::move(work)] {
        try {
            work(m_cancel);
        } catch (const std::exception& error) {
            fail(QString::fromStdString(error.what()));
        } catch (...) {
            fail(QString());
        }
    });
    connect(m_thread, &QThread::finished, this, [this] {
        m_thread->deleteLater();
        m_thread = nullptr;
        emit finished();
    });
    m_thread->start();
}

void BackgroundJob::fail(const QString& reason) {
    // Worded on this object's thread, where the window's language is read.
    post([this, reason] {
        emit failed(realsizeformat::fill(
            texts::realsize::failed,
            {reason.isEmpty() ? realsizeformat::text(texts::realsize::unexpectedFailure)
                              : reason}));
    });
}

void BackgroundJob::stop() {
    if (m_thread) {
        m_cancel = true;
        m_thread->wait();
    }
}

void BackgroundJob::post(std::function<void()> call) {
    QMetaObject::invokeMethod(this, std::move(call), Qt::QueuedConnection);
}

} // namespace rsa
