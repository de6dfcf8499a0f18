#include "captionfit.h"

#include <QAbstractButton>
#include <QLabel>
#include <QTabBar>
#include <QTextDocument>

namespace vc::test {

namespace {

QString named(const QWidget *widget, const QString &text)
{
    return widget->objectName() + QStringLiteral(": ") + text;
}

bool labelFits(const QLabel *label)
{
    const QString text = label->text();
    if (text.isEmpty() || label->textFormat() == Qt::RichText || Qt::mightBeRichText(text))
        return true;
    const int margin = label->margin() * 2 + label->indent() * (label->indent() > 0 ? 1 : 0);
    const QRect room = label->contentsRect().adjusted(0, 0, -margin, -margin);
    if (label->wordWrap())
        return label->heightForWidth(label->width()) <= label->height() + 1;
    const QSize needed = label->fontMetrics().size(Qt::TextShowMnemonic, text);
    return needed.width() <= room.width() + 1 && label->fontMetrics().height() <= room.height() + 1;
}

} // namespace

QStringList clippedCaptions(QWidget *root)
{
    QStringList clipped;
    for (QWidget *widget : root->findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(root) || !widget->isVisible())
            continue;
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            if (!labelFits(label))
                clipped.append(named(label, label->text()));
        } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
            if (!button->text().isEmpty() && button->sizeHint().width() > button->width() + 1)
                clipped.append(named(button, button->text()));
        } else if (auto *tabs = qobject_cast<QTabBar *>(widget)) {
            for (int i = 0; i < tabs->count(); ++i) {
                if (tabs->tabRect(i).width() + 1 <
                    tabs->fontMetrics().size(Qt::TextShowMnemonic, tabs->tabText(i)).width())
                    clipped.append(named(tabs, tabs->tabText(i)));
            }
        }
    }
    return clipped;
}

} // namespace vc::test
