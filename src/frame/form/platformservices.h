#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <deque>

namespace vc {

// Message boxes. The logic asks through this interface; the windows install a
// real one, the command line and the tests a scripted one.
class MessageService
{
public:
    enum class Icon { None, Critical, Question, Exclamation, Information };
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
    enum class Answer { Ok, Cancel, Yes, No };

    virtual ~MessageService() = default;
    virtual Answer show(const QString &text, Buttons buttons, Icon icon, const QString &title) = 0;
};

// The platform's open and save dialogs; an empty result means cancelled.
class FileDialogService
{
public:
    enum class Mode { Open, Save };
    virtual ~FileDialogService() = default;
    // filter is the Windows form: description and pattern pairs separated by '|'
    // ("Project (*.sti)|*.sti").
    virtual QString choose(Mode mode, const QString &title, const QString &defaultName,
                           const QString &filter, const QString &initialFolder,
                           const QString &defaultExtension) = 0;
};

class ClipboardService
{
public:
    virtual ~ClipboardService() = default;
    virtual void clear() = 0;
    // Rich text as RTF, with HTML and plain text beside it for programs that
    // read neither.
    virtual void setRichText(const QByteArray &rtf, const QString &html, const QString &plain) = 0;
    virtual void setText(const QString &text) = 0;
    virtual void setImage(const QImage &image) = 0;
    virtual QString text() const = 0;
};

// Answers from a script, in order, and records every message shown; once the
// script is used up it gives the default answer. Serves the command line
// (which answers No to every question) and the tests.
class ScriptedMessages : public MessageService
{
public:
    struct Shown {
        QString text;
        Buttons buttons;
        Icon icon;
        QString title;
    };

    Answer show(const QString &text, Buttons buttons, Icon icon, const QString &title) override;

    void script(Answer answer) { m_script.push_back(answer); }
    void setDefaultAnswer(Answer answer) { m_default = answer; }
    const std::deque<Shown> &shown() const { return m_shown; }
    QStringList texts() const;
    void clear() { m_shown.clear(); }

private:
    std::deque<Answer> m_script;
    std::deque<Shown> m_shown;
    Answer m_default = Answer::No;
};

class ScriptedFileDialogs : public FileDialogService
{
public:
    struct Asked {
        Mode mode;
        QString title, defaultName, filter, initialFolder, defaultExtension;
    };
    QString choose(Mode mode, const QString &title, const QString &defaultName,
                   const QString &filter, const QString &initialFolder,
                   const QString &defaultExtension) override;
    // Queue the path the user picks next; an empty path cancels.
    void script(const QString &path) { m_script.push_back(path); }
    const std::deque<Asked> &asked() const { return m_asked; }

private:
    std::deque<QString> m_script;
    std::deque<Asked> m_asked;
};

class MemoryClipboard : public ClipboardService
{
public:
    void clear() override;
    void setRichText(const QByteArray &rtf, const QString &html, const QString &plain) override;
    void setText(const QString &text) override;
    void setImage(const QImage &image) override;
    QString text() const override { return m_text; }

    QByteArray rtf() const { return m_rtf; }
    QString html() const { return m_html; }
    QImage image() const { return m_image; }

private:
    QByteArray m_rtf;
    QString m_html;
    QString m_text;
    QImage m_image;
};

// The services in force for the process. Until a window installs real ones,
// the scripted ones answer, so logic run without windows never blocks.
class Services
{
public:
    static MessageService &messages();
    static FileDialogService &fileDialogs();
    static ClipboardService &clipboard();
    // The caller keeps ownership; nullptr restores the scripted default.
    static void setMessages(MessageService *service);
    static void setFileDialogs(FileDialogService *service);
    static void setClipboard(ClipboardService *service);
};

} // namespace vc
