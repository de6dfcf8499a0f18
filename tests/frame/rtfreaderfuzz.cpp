// Fuzz target for the RTF reader. Built with clang and -DVC_FUZZ=ON it links
// libFuzzer (run it with the shared corpus folder as seed corpus); otherwise
// it replays every file and folder named on its command line, which the test
// suite does on the shared corpus.
#include "richtext/rtfreader.h"
#include "richtext/rtfwriter.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QGuiApplication>
#include <QTextDocument>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static int argc = 1;
    static char name[] = "rtfreaderfuzz";
    static char *argv[] = {name, nullptr};
    static QGuiApplication *app = [] {
        if (auto *running = qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
            return running;
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QGuiApplication(argc, argv);
    }();
    Q_UNUSED(app);
    QTextDocument doc;
    vc::RtfReader::read(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)), &doc);
    // whatever was read must also write and read again
    QTextDocument again;
    vc::RtfReader::read(vc::RtfWriter::write(&doc), &again);
    return 0;
}

#ifndef VC_LIBFUZZER
int main(int argc, char *argv[])
{
    // an application that ends with the replay, taking the font caches with it
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    int files = 0;
    for (int i = 1; i < argc; ++i) {
        QStringList paths;
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (QFileInfo(arg).isDir()) {
            QDirIterator it(arg, QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext())
                paths << it.next();
        } else {
            paths << arg;
        }
        for (const QString &path : paths) {
            QFile f(path);
            if (!f.open(QIODevice::ReadOnly))
                continue;
            const QByteArray bytes = f.readAll();
            // the whole file, and every prefix cut at a power-of-two length
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bytes.constData()),
                                   size_t(bytes.size()));
            for (qsizetype cut = 1; cut < bytes.size() && cut < (1 << 16); cut *= 2)
                LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bytes.constData()),
                                       size_t(cut));
            ++files;
        }
    }
    std::printf("rtfreaderfuzz: replayed %d files\n", files);
    return files > 0 ? 0 : 1;
}
#endif
