#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream(stderr) << "Aufruf: velunto-tool BEFEHL ...\n";
    return 1;
}
