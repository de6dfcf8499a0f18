#include "form/platformservices.h"

namespace vc {

MessageService::Answer ScriptedMessages::show(const QString &text, Buttons buttons, Icon icon,
                                              const QString &title)
{
    m_shown.push_back({text, buttons, icon, title});
    Answer answer = m_default;
    if (!m_script.empty()) {
        answer = m_script.front();
        m_script.pop_front();
    }
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    if (buttons == Buttons::OkCancel && answer != Answer::Cancel)
        return Answer::Ok;
    return answer;
}

QStringList ScriptedMessages::texts() const
{
    QStringList result;
    for (const Shown &shown : m_shown)
        result.append(shown.text);
    return result;
}

QString ScriptedFileDialogs::choose(Mode mode, const QString &title, const QString &defaultName,
                                    const QString &filter, const QString &initialFolder,
                                    const QString &defaultExtension)
{
    m_asked.push_back({mode, title, defaultName, filter, initialFolder, defaultExtension});
    if (m_script.empty())
        return QString();
    QString path = m_script.front();
    m_script.pop_front();
    return path;
}

void MemoryClipboard::clear()
{
    m_rtf.clear();
    m_html.clear();
    m_text.clear();
    m_image = QImage();
}

void MemoryClipboard::setRichText(const QByteArray &rtf, const QString &html, const QString &plain)
{
    clear();
    m_rtf = rtf;
    m_html = html;
    m_text = plain;
}

void MemoryClipboard::setText(const QString &text)
{
    clear();
    m_text = text;
}

void MemoryClipboard::setImage(const QImage &image)
{
    clear();
    m_image = image;
}

namespace {
ScriptedMessages &defaultMessages()
{
    static ScriptedMessages service;
    return service;
}
ScriptedFileDialogs &defaultFileDialogs()
{
    static ScriptedFileDialogs service;
    return service;
}
MemoryClipboard &defaultClipboard()
{
    static MemoryClipboard service;
    return service;
}
MessageService *g_messages = nullptr;
FileDialogService *g_fileDialogs = nullptr;
ClipboardService *g_clipboard = nullptr;
} // namespace

MessageService &Services::messages()
{
    return g_messages ? *g_messages : defaultMessages();
}

FileDialogService &Services::fileDialogs()
{
    return g_fileDialogs ? *g_fileDialogs : defaultFileDialogs();
}

ClipboardService &Services::clipboard()
{
    return g_clipboard ? *g_clipboard : defaultClipboard();
}

void Services::setMessages(MessageService *service)
{
    g_messages = service;
}

void Services::setFileDialogs(FileDialogService *service)
{
    g_fileDialogs = service;
}

void Services::setClipboard(ClipboardService *service)
{
    g_clipboard = service;
}

} // namespace vc
