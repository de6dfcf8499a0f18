#pragma once

#include <QColor>
#include <QWidget>

namespace vc {

// A filled mark of the family feature grid: a rounded bar in its fill colour.
class ShapeMark : public QWidget
{
    Q_OBJECT
public:
    explicit ShapeMark(QWidget *parent = nullptr, int width = 18, int height = 12);

    QColor fillColor() const { return m_fill; }
    void setFillColor(const QColor &color);

    QSize sizeHint() const override { return m_size; }
    QSize minimumSizeHint() const override { return m_size; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_fill{0, 128, 128};
    QSize m_size;
};

} // namespace vc
