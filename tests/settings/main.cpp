#include <QCoreApplication>

#include <algorithm>
#include <iterator>

int testeEinstellungen(int argc, char** argv);
int testeBildeintrag(int argc, char** argv);
int testeEinstellungspanel(int argc, char** argv);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    // Each run returns its count of failures; a sum could wrap to 0 as an
    // exit status (taken modulo 256), so any failure is reported as 1.
    const int fehler[] = {testeEinstellungen(argc, argv), testeBildeintrag(argc, argv),
                          testeEinstellungspanel(argc, argv)};
    return std::any_of(std::begin(fehler), std::end(fehler), [](int f) { return f != 0; }) ? 1 : 0;
}
