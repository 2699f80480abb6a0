// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the folder in which the program looks for its help pages, to test it through a symbolic link.

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QTextStream(stdout) << QCoreApplication::applicationDirPath() << '\n';
    return 0;
}
