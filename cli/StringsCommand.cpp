#include "CliSupport.h"
#include "Commands.h"
#include "StringCatalogue.h"

#include <QJsonDocument>
#include <QJsonObject>

int RunStringsCommand(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Prints one block of the user-interface texts, for translators and reviewers."));
    parser.addOption({QStringLiteral("language"), QStringLiteral("Language index 0..10 (default 0, English)."),
                      QStringLiteral("N")});
    const QCommandLineOption json(QStringLiteral("json"),
                                  QStringLiteral("Print a JSON object from string number to text."));
    parser.addOption(json);
    ParseOrThrow(parser, arguments);
    const int language =
        NumberValue(parser, QStringLiteral("language"), 0, StringCatalogue::kLanguageCount - 1, 0);

    QJsonObject block;
    QString lines;
    for (int number = 1; number < StringCatalogue::kIdsPerLanguage; ++number) {
        const QString text = CatalogueString(language, number);
        if (text.isEmpty())
            continue;
        block.insert(QString::number(number), text);
        lines += QStringLiteral("%1\t%2\n").arg(number).arg(text);
    }
    PrintOut(parser.isSet(json) ? QString::fromUtf8(QJsonDocument(block).toJson()) : lines);
    return kExitOk;
}
