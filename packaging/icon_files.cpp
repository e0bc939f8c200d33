// fundorix-icons: writes the program's icon for the desktop's icon theme.
// Called by the build as fundorix-icons FOLDER NAME.
#include "program_pictures.h"
#include "theme_icons.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fputs("usage: fundorix-icons FOLDER NAME\n", stderr);
        return 2;
    }
    if (!writeThemeIcons(programIconImage(), QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "fundorix-icons: cannot write the icons into '%s'\n", argv[1]);
        return 1;
    }
    return 0;
}
