#include "qtservices.h"

#include "io/filehelpers.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QHeaderView>
#include <QMessageBox>
#include <QMimeData>
#include <QRegularExpression>
#include <QTreeView>

namespace vc::ui {

MessageService::Answer QtMessages::show(const QString &text, Buttons buttons, Icon icon,
                                        const QString &title)
{
    QMessageBox::Icon boxIcon = QMessageBox::NoIcon;
    switch (icon) {
    case Icon::Critical:
        boxIcon = QMessageBox::Critical;
        break;
    case Icon::Question:
        boxIcon = QMessageBox::Question;
        break;
    case Icon::Exclamation:
        boxIcon = QMessageBox::Warning;
        break;
    case Icon::Information:
        boxIcon = QMessageBox::Information;
        break;
    case Icon::None:
        break;
    }
    QMessageBox::StandardButtons standard = QMessageBox::Ok;
    switch (buttons) {
    case Buttons::Ok:
        standard = QMessageBox::Ok;
        break;
    case Buttons::OkCancel:
        standard = QMessageBox::Ok | QMessageBox::Cancel;
        break;
    case Buttons::YesNo:
        standard = QMessageBox::Yes | QMessageBox::No;
        break;
    case Buttons::YesNoCancel:
        standard = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        break;
    }
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QMessageBox box(boxIcon, title, shown, standard, QApplication::activeWindow());
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        // A box without Cancel closed by its close box counts as its default.
        if (buttons == Buttons::YesNo)
            return Answer::No;
        return buttons == Buttons::OkCancel ? Answer::Cancel : Answer::Ok;
    }
}

QStringList QtFileDialogs::qtFilters(const QString &windowsFilter)
{
    QStringList filters;
    const QStringList parts = windowsFilter.split(QLatin1Char('|'));
    static const QRegularExpression trailingPatterns(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts.at(i).trimmed();
        description.remove(trailingPatterns);
        QStringList patterns;
        for (QString pattern : parts.at(i + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            pattern = pattern.trimmed();
            if (pattern == QLatin1String("*.*"))
                pattern = QStringLiteral("*");
            for (const QString &variant : {pattern, pattern.toLower(), pattern.toUpper()}) {
                if (!variant.isEmpty() && !patterns.contains(variant))
                    patterns.append(variant);
            }
        }
        if (patterns.isEmpty())
            continue;
        if (description.isEmpty())
            description = parts.at(i + 1).trimmed();
        filters.append(description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                       QLatin1Char(')'));
    }
    return filters;
}

QString QtFileDialogs::choose(Mode mode, const QString &title, const QString &defaultName,
                              const QString &filter, const QString &initialFolder,
                              const QString &defaultExtension)
{
    QFileDialog dialog(QApplication::activeWindow(), title, nativePath(initialFolder));
    if (mode == Mode::Open) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    }
    const QStringList filters = qtFilters(filter);
    if (!filters.isEmpty())
        dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(defaultExtension);
    if (!defaultName.isEmpty())
        dialog.selectFile(defaultName);
    // Qt's own dialog: room for the names, and columns as wide as their headers
    // and dates need in every language.
    if (auto *details = dialog.findChild<QTreeView *>()) {
        details->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
        details->header()->setSectionResizeMode(0, QHeaderView::Stretch);
        details->header()->setMinimumSectionSize(60);
        dialog.resize(dialog.sizeHint().expandedTo(QSize(760, 440)));
    }
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.selectedFiles().value(0);
}

void QtClipboard::clear()
{
    QGuiApplication::clipboard()->clear();
}

void QtClipboard::setRichText(const QByteArray &rtf, const QString &html, const QString &plain)
{
    auto *data = new QMimeData;
    data->setData(QStringLiteral("text/rtf"), rtf);
    data->setData(QStringLiteral("application/rtf"), rtf);
    data->setData(QStringLiteral("text/richtext"), rtf);
    data->setHtml(html);
    data->setText(plain);
    QGuiApplication::clipboard()->setMimeData(data);
}

void QtClipboard::setText(const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
}

void QtClipboard::setImage(const QImage &image)
{
    QGuiApplication::clipboard()->setImage(image);
}

QString QtClipboard::text() const
{
    return QGuiApplication::clipboard()->text();
}

void installQtServices()
{
    static QtMessages messages;
    static QtFileDialogs fileDialogs;
    static QtClipboard clipboard;
    Services::setMessages(&messages);
    Services::setFileDialogs(&fileDialogs);
    Services::setClipboard(&clipboard);
}

} // namespace vc::ui
