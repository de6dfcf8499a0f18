#include "picturebox.h"

#include <QHash>
#include <QPainter>

namespace vc {

// The family pictures are loaded again on every hover; keep each decoded once.
static QImage cachedImage(const QString &path)
{
    static QHash<QString, QImage> cache;
    auto it = cache.constFind(path);
    if (it != cache.constEnd())
        return *it;
    QImage image(path);
    if (cache.size() > 64)
        cache.clear();
    cache.insert(path, image);
    return image;
}

PictureBox::PictureBox(QWidget *parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

void PictureBox::setPicture(const QString &path)
{
    if (path == m_path)
        return;
    m_path = path;
    m_image = path.isEmpty() ? QImage() : cachedImage(path);
    update();
}

void PictureBox::setFrameColor(const QColor &color)
{
    m_frame = color;
    update();
}

QSize PictureBox::sizeHint() const
{
    return QSize(90, 120);
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!m_image.isNull()) {
        QSize size = m_image.size().scaled(this->size(), Qt::KeepAspectRatio);
        QRect target(QPoint(0, 0), size);
        target.moveCenter(rect().center());
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, m_image);
    }
    if (m_frame.isValid()) {
        painter.setPen(m_frame);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

} // namespace vc
