#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream(stderr) << "usage: veltranncalc-cli calc PROJECT.sti|--new [options]\n";
    return 2;
}
