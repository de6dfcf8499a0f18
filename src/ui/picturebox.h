#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

namespace vc {

// A picture control: shows the image file it is given, scaled to fit and
// centred, keeping its proportions. An empty or unreadable path shows nothing.
class PictureBox : public QWidget
{
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent = nullptr);

    QString picture() const { return m_path; }
    void setPicture(const QString &path);
    bool hasImage() const { return !m_image.isNull(); }

    // Drawn round the picture; none by default.
    void setFrameColor(const QColor &color);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_path;
    QImage m_image;
    QColor m_frame;
};

} // namespace vc
