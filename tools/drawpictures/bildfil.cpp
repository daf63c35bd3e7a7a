#include "bildfil.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>

#include <cstdio>

bool zeichneWennAlt(const QString &datei, const std::function<QImage()> &zeichne)
{
    const QFileInfo f(datei);
    if (f.exists() && f.lastModified() >= QFileInfo(QCoreApplication::applicationFilePath()).lastModified())
        return true;
    if (zeichne().save(datei, "BMP"))
        return true;
    std::fprintf(stderr, "drawpictures: cannot write %s\n", qPrintable(datei));
    return false;
}
