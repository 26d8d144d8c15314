#include "ui/SharedValues.h"

#include <QDir>

QString InitialSaveFolder()
{
#ifdef Q_OS_WIN
    return QStringLiteral("C:\\");
#else
    return QDir::toNativeSeparators(QDir::homePath());
#endif
}

QString SaveFilePath(const QString &folder, const QString &fileName)
{
    const QChar separator = QDir::separator();
    return folder.endsWith(separator) ? folder + fileName : folder + separator + fileName;
}
