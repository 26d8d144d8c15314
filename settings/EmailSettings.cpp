#include "EmailSettings.h"

#include "EmailCatalogue.h"

// SMTPSETUP.dat: 14 lines of 60 bytes.
//
//  line  offset  content
//   0       0    header line
//   1..3   60    text lines: APN, account, password
//   4..5  240    text lines: SMTP server, port
//   6     360    sender name line
//   7..8  420    text lines: sender address, sender password
//   9..12 540    text lines: e-mail 1..4
//  13     780    final line: signature and the sum of bytes 0..779
namespace {

std::optional<QList<NamedText>> GprsTexts(const EmailSettings &s, QString *error)
{
    if (s.Mode == ConnectionMode::Manual) {
        return QList<NamedText>{{QStringLiteral("APN"), s.Apn},
                                {QStringLiteral("account"), s.Account},
                                {QStringLiteral("password"), s.Password}};
    }
    const uint8_t op = EmailCatalogue().FindOperatorKey(MakeOperatorKey(s.Country, s.Operator));
    if (op == kCatalogueMiss) {
        if (error)
            *error = QStringLiteral("\"%1\" of \"%2\" is not in the operator catalogue").arg(s.Operator, s.Country);
        return std::nullopt;
    }
    const EmailOperatorParams &p = EmailCatalogue().ParamsOf(op);
    return QList<NamedText>{{QStringLiteral("APN"), QString::fromLatin1(p.apn)},
                            {QStringLiteral("account"), QString::fromLatin1(p.account)},
                            {QStringLiteral("password"), QString::fromLatin1(p.password)}};
}

} // namespace

QByteArray ComposeSenderNameLine(QByteArrayView senderEmail)
{
    const qsizetype at = senderEmail.indexOf('@');
    QByteArray line = ComposeTextLine(at < 0 ? senderEmail : senderEmail.first(at));
    line[kTextLineLengthByte] = char(senderEmail.size() % 256);
    return line;
}

std::optional<QByteArray> ComposeEmailSetupFile(const EmailSettings &settings, QString *error)
{
    std::optional<QList<NamedText>> texts = GprsTexts(settings, error);
    if (!texts)
        return std::nullopt;
    texts->append({{QStringLiteral("SMTP server"), settings.SmtpServer},
                   {QStringLiteral("SMTP port"), settings.SmtpPort},
                   {QStringLiteral("sender e-mail"), settings.SenderEmail},
                   {QStringLiteral("sender password"), settings.SenderPassword}});
    for (int i = 0; i < 4; ++i)
        texts->append({QStringLiteral("e-mail %1").arg(i + 1), settings.Email[i]});
    const std::optional<QList<QByteArray>> lines = EncodeTexts(*texts, error);
    if (!lines)
        return std::nullopt;
    constexpr int kSenderEmail = 5; // position among the texts above
    return ComposeSettingsFile([&](SettingsFileWriter &writer) {
        WriteHeaderLine(writer, settings.Header);
        for (int i = 0; i < lines->size(); ++i) {
            if (i == kSenderEmail)
                writer.WriteBlock(ComposeSenderNameLine(lines->at(i)));
            writer.WriteTextLine(lines->at(i));
        }
        writer.WriteFinalLine();
    });
}

bool WriteEmailSetupFile(const QString &path, const EmailSettings &settings, QString *error)
{
    const std::optional<QByteArray> file = ComposeEmailSetupFile(settings, error);
    return file && WriteSettingsFile(path, *file, error);
}
