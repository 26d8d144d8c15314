#include "MmsSettings.h"

#include "MmsCatalogue.h"

// MMSSETUP.dat: 16 lines of 60 bytes.
//
//  line  offset  content
//   0       0    header line
//   1..6   60    text lines: URL, APN, gateway, port, account, password
//   7..10 420    text lines: mobile 1..4
//  11..14 660    text lines: e-mail 1..4
//  15     900    final line: signature and the sum of bytes 0..899
namespace {

QString NotInCatalogue(const QString &country, const QString &operatorName)
{
    return QStringLiteral("\"%1\" of \"%2\" is not in the operator catalogue").arg(operatorName, country);
}

std::optional<QList<NamedText>> ConnectionTexts(const MmsSettings &s, QString *error)
{
    if (s.Mode == ConnectionMode::Manual) {
        return QList<NamedText>{{QStringLiteral("URL"), s.Url},         {QStringLiteral("APN"), s.Apn},
                                {QStringLiteral("gateway"), s.Gateway}, {QStringLiteral("port"), s.Port},
                                {QStringLiteral("account"), s.Account}, {QStringLiteral("password"), s.Password}};
    }
    const uint8_t op = MmsCatalogue().FindOperatorKey(MakeOperatorKey(s.Country, s.Operator));
    if (op == kCatalogueMiss) {
        if (error)
            *error = NotInCatalogue(s.Country, s.Operator);
        return std::nullopt;
    }
    const MmsOperatorParams &p = MmsCatalogue().ParamsOf(op);
    return QList<NamedText>{{QStringLiteral("URL"), QString::fromLatin1(p.url)},
                            {QStringLiteral("APN"), QString::fromLatin1(p.apn)},
                            {QStringLiteral("gateway"), QString::fromLatin1(p.gateway)},
                            {QStringLiteral("port"), QString::fromLatin1(p.port)},
                            {QStringLiteral("account"), QString::fromLatin1(p.account)},
                            {QStringLiteral("password"), QString::fromLatin1(p.password)}};
}

} // namespace

std::optional<QByteArray> ComposeMmsSetupFile(const MmsSettings &settings, QString *error)
{
    std::optional<QList<NamedText>> texts = ConnectionTexts(settings, error);
    if (!texts)
        return std::nullopt;
    for (int i = 0; i < 4; ++i)
        texts->append({QStringLiteral("mobile %1").arg(i + 1), settings.Mobile[i]});
    for (int i = 0; i < 4; ++i)
        texts->append({QStringLiteral("e-mail %1").arg(i + 1), settings.Email[i]});
    const std::optional<QList<QByteArray>> lines = EncodeTexts(*texts, error);
    if (!lines)
        return std::nullopt;
    return ComposeSettingsFile([&](SettingsFileWriter &writer) {
        WriteHeaderLine(writer, settings.Header);
        for (const QByteArray &line : *lines)
            writer.WriteTextLine(line);
        writer.WriteFinalLine();
    });
}

bool WriteMmsSetupFile(const QString &path, const MmsSettings &settings, QString *error)
{
    const std::optional<QByteArray> file = ComposeMmsSetupFile(settings, error);
    return file && WriteSettingsFile(path, *file, error);
}
