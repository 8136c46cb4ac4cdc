// Renders the application icon from its SVG into the PNG sizes of the icon theme:
//   varno-symbolbilder <icon.svg> <output folder> <size>...
// writes <output folder>/<size>x<size>/varno-quiz.png for every size.

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QCoreApplication anwendung(argc, argv);
    const QStringList argumente = QCoreApplication::arguments();
    QTextStream fehler(stderr);
    if (argumente.size() < 4) {
        fehler << "Aufruf: varno-symbolbilder <symbol.svg> <Zielordner> <Größe>...\n";
        return 2;
    }
    QSvgRenderer svg(argumente[1]);
    if (!svg.isValid()) {
        fehler << "SVG nicht lesbar: " << argumente[1] << '\n';
        return 1;
    }
    const QString name = QFileInfo(argumente[1]).completeBaseName() + QStringLiteral(".png");
    for (const QString& text : argumente.mid(3)) {
        bool ok = false;
        const int groesse = text.toInt(&ok);
        if (!ok || groesse <= 0 || groesse > 4096) {
            fehler << "Ungültige Größe: " << text << '\n';
            return 2;
        }
        QImage bild(groesse, groesse, QImage::Format_ARGB32_Premultiplied);
        bild.fill(Qt::transparent);
        {
            QPainter maler(&bild);
            maler.setRenderHint(QPainter::Antialiasing);
            maler.setRenderHint(QPainter::SmoothPixmapTransform);
            svg.render(&maler);
        }
        const QString ordner = argumente[2] + QStringLiteral("/%1x%1").arg(groesse);
        if (!QDir().mkpath(ordner) || !bild.save(ordner + QLatin1Char('/') + name, "PNG")) {
            fehler << "Kann nicht schreiben: " << ordner << '/' << name << '\n';
            return 1;
        }
    }
    return 0;
}
