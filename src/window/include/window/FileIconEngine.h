#pragma once

// An icon drawn in several sizes, one image file per size, that reads a file
// only when a size it serves is first asked for. QIcon::addFile decodes every
// file at once, at start-up, for sizes the desktop may never show. A window
// icon is shown in the normal mode only, so every mode gets the same image.

#include <QIconEngine>
#include <QPixmap>
#include <QString>

#include <map>

namespace rsa {

class FileIconEngine : public QIconEngine {
public:
    // `files` maps each drawn size (as wide as high) to its image file.
    explicit FileIconEngine(std::map<int, QString> files);

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override;

private:
    // The drawn size that serves a request: the smallest that covers it (so a
    // small size keeps its own simpler drawing), else the largest.
    int drawnSizeFor(const QSize& size) const;

    std::map<int, QString> m_files;
    std::map<int, QPixmap> m_loaded;
};

} // namespace rsa
