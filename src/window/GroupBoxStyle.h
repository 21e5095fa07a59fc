#pragma once

// The style of the window's two frames. Fusion, Qt's default style, draws a
// frame from a small image whose faint, even middle it stretches over the whole
// frame: a scaled-image blend of every pixel inside the frame, the largest
// single cost of painting the window. Where Fusion is the style, this draws the same middle
// as one plain fill of the image's own colour, and the rest as Fusion does, so
// the pixels come out the same.

#include <QColor>
#include <QProxyStyle>

namespace rsa {

class GroupBoxStyle : public QProxyStyle {
public:
    // The style the frames should use; nullptr where the application style is
    // not Fusion (or Fusion's frame image cannot be read), as nothing is known
    // to be the same there.
    static GroupBoxStyle* forApplicationStyle(QObject* owner);

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;

private:
    explicit GroupBoxStyle(QColor middle);

    QColor m_middle;
};

} // namespace rsa
