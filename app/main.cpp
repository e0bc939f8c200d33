// fundorix: the savings calculator's window.
#include "main_window.h"
#include "print_menu.h"
#include "qt_translations.h"
#include "report/preview/screen_fit.h"
#include "settings_file.h"

#include <QApplication>
#include <QFont>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Fundorix"));
    installQtTranslations(QLocale::system());
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.wendlich.Fundorix"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    const QString settingsPath = settingsFilePath(QApplication::applicationDirPath(), QApplication::arguments().mid(1));
    TAnlageRech window(settingsPath);
    // The report definitions of the printed plans, made once after the window.
    PrintMenu printMenu(window);
    QApplication::setWindowIcon(window.windowIcon());
    // The designed place, unless a small or scaled screen cannot hold it.
    keepOnScreenWhenShown(window);
    // Closing the window (after it has stored the chart colours) ends the program.
    window.show();
    return app.exec();
}
