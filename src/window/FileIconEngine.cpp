#include "window/FileIconEngine.h"

#include <QPainter>

#include <algorithm>
#include <utility>

namespace rsa {

FileIconEngine::FileIconEngine(std::map<int, QString> files) : m_files(std::move(files)) {}

int FileIconEngine::drawnSizeFor(const QSize& size) const {
    const auto covering = m_files.lower_bound(std::min(size.width(), size.height()));
    return covering != m_files.end() ? covering->first : m_files.rbegin()->first;
}

QSize FileIconEngine::actualSize(const QSize& size, QIcon::Mode, QIcon::State) {
    if (m_files.empty() || size.isEmpty()) {
        return {};
    }
    // Never larger than asked, as QIcon promises.
    const QSize drawn(drawnSizeFor(size), drawnSizeFor(size));
    return drawn.width() <= size.width() && drawn.height() <= size.height()
               ? drawn
               : drawn.scaled(size, Qt::KeepAspectRatio);
}

QPixmap FileIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    const QSize shown = actualSize(size, mode, state);
    if (shown.isEmpty()) {
        return {};
    }
    const int drawn = drawnSizeFor(size);
    auto loaded = m_loaded.find(drawn);
    if (loaded == m_loaded.end()) {
        loaded = m_loaded.emplace(drawn, QPixmap(m_files.at(drawn))).first;
    }
    const QPixmap& image = loaded->second;
    return image.size() == shown
               ? image
               : image.scaled(shown, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

void FileIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                           QIcon::State state) {
    const qreal ratio = painter->device()->devicePixelRatio();
    QPixmap image = pixmap(rect.size() * ratio, mode, state);
    image.setDevicePixelRatio(ratio);
    const QSize shown = image.deviceIndependentSize().toSize();
    painter->drawPixmap(QRect(rect.center() - QPoint(shown.width() / 2, shown.height() / 2), shown),
                        image);
}

QList<QSize> FileIconEngine::availableSizes(QIcon::Mode, QIcon::State) {
    QList<QSize> sizes;
    for (const auto& file : m_files) {
        sizes.append(QSize(file.first, file.first));
    }
    return sizes;
}

QIconEngine* FileIconEngine::clone() const {
    return new FileIconEngine(*this);
}

} // namespace rsa
