#pragma once

// The core speaks UTF-8 std::string; the windows speak QString. The conversion
// happens here and nowhere else.
#include "catalogue/StringNumbers.h"

#include <QFile>
#include <QString>
#include <QStringList>

#include <string>
#include <string_view>
#include <vector>

inline QString FromCore(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

inline std::string ToCore(const QString &text)
{
    return text.toStdString();
}

inline QStringList FromCore(const std::vector<std::string_view> &texts)
{
    QStringList list;
    for (std::string_view text : texts)
        list << FromCore(text);
    return list;
}

// A path for the core: the system's own bytes of the name (UTF-8 on Windows).
inline std::string ToCorePath(const QString &path)
{
#ifdef Q_OS_WIN
    return path.toStdString();
#else
    return QFile::encodeName(path).toStdString();
#endif
}

using mms::Str;

// String `number` of the language block, for a caption.
inline QString CatalogueText(int language, Str number)
{
    return FromCore(mms::CatalogueString(language, number));
}
