#include <QCoreApplication>

int testeEinstellungen(int argc, char** argv);
int testeBildeintrag(int argc, char** argv);
int testeEinstellungspanel(int argc, char** argv);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    int fehler = 0;
    fehler += testeEinstellungen(argc, argv);
    fehler += testeBildeintrag(argc, argv);
    fehler += testeEinstellungspanel(argc, argv);
    return fehler;
}
