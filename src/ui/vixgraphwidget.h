#pragma once

#include <QWidget>

namespace vc {

class VixGraphEU;

// Shows a chart control at its one size and repaints it when it changes.
class VixGraphWidget : public QWidget
{
    Q_OBJECT
public:
    explicit VixGraphWidget(VixGraphEU &graph, QWidget *parent = nullptr);
    VixGraphEU &graph() { return m_graph; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    VixGraphEU &m_graph;
};

} // namespace vc
