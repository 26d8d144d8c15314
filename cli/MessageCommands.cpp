// mms and email: the two files made of text lines share their header options, the
// operator choice and the checks on texts.
#include "CliSupport.h"
#include "Commands.h"
#include "EmailCatalogue.h"
#include "EmailSettings.h"
#include "MmsCatalogue.h"
#include "MmsSettings.h"

#include <QRegularExpression>

namespace {

const QString kMode = QStringLiteral("mode");
const QString kCountry = QStringLiteral("country");
const QString kOperator = QStringLiteral("operator");
const QString kNumberPerDay = QStringLiteral("number-per-day");
const QString kDailyReport = QStringLiteral("daily-report");
const QString kReportHour = QStringLiteral("report-hour");

void AddHeaderOptions(QCommandLineParser &parser)
{
    parser.addOption({kMode, QStringLiteral("auto (connection settings from the catalogue, default) or manual."),
                      QStringLiteral("MODE")});
    parser.addOption({QStringLiteral("status"), QStringLiteral("What to send: off|800x600|vga|sms (default 800x600)."),
                      QStringLiteral("STATUS")});
    parser.addOption({kNumberPerDay, QStringLiteral("Daily limit, one or two digits; 0 is unlimited (default)."),
                      QStringLiteral("N")});
    parser.addOption({kDailyReport, QStringLiteral("on|off (default off)."), QStringLiteral("SWITCH")});
    parser.addOption({kReportHour, QStringLiteral("Hour of the daily report, 0..23."), QStringLiteral("HOUR")});
    parser.addOption({kCountry, QStringLiteral("Country as the catalogue names it (default China)."),
                      QStringLiteral("NAME")});
    parser.addOption({kOperator, QStringLiteral("Operator of that country (default: its first)."),
                      QStringLiteral("NAME")});
}

void AddTextOptions(QCommandLineParser &parser, const QStringList &options)
{
    for (const QString &option : options)
        parser.addOption({option, QStringLiteral("Text of at most %1 characters.").arg(kMaxTextLength),
                          QStringLiteral("TEXT")});
}

QStringList Numbered(const QString &prefix)
{
    return {prefix + u'1', prefix + u'2', prefix + u'3', prefix + u'4'};
}

ConnectionMode ModeOption(const QCommandLineParser &parser)
{
    return ChoiceValue(parser, kMode, {QStringLiteral("auto"), QStringLiteral("manual")}, 0) == 0
        ? ConnectionMode::Auto
        : ConnectionMode::Manual;
}

SendingHeader HeaderFrom(const QCommandLineParser &parser)
{
    SendingHeader header;
    header.Status = uint8_t(ChoiceValue(
        parser, QStringLiteral("status"),
        {QStringLiteral("off"), QStringLiteral("800x600"), QStringLiteral("vga"), QStringLiteral("sms")}, 1));
    if (parser.isSet(kNumberPerDay)) {
        header.NumberPerDay = parser.value(kNumberPerDay);
        static const QRegularExpression digits(QStringLiteral("^[0-9]{1,2}$"));
        if (!digits.match(header.NumberPerDay).hasMatch())
            throw UsageError(QStringLiteral("--%1 must be one or two digits (0..99), not \"%2\"")
                                 .arg(kNumberPerDay, header.NumberPerDay));
    }
    const bool reportOn = SwitchValue(parser, kDailyReport, false);
    if (!reportOn && parser.isSet(kReportHour))
        throw UsageError(QStringLiteral("--%1 needs --%2 on").arg(kReportHour, kDailyReport));
    header.DailyReportOnOff = reportOn ? 0 : 1;
    header.DailyReportHour = uint8_t(NumberValue(parser, kReportHour, 0, 23, 0));
    return header;
}

// A text option's value, refused when the camera would not read it as given.
QString TextOption(const QCommandLineParser &parser, const QString &option)
{
    const QString text = parser.value(option);
    if (text.size() > kMaxTextLength)
        throw UsageError(QStringLiteral("--%1 is %2 characters long; the camera keeps only %3")
                             .arg(option).arg(text.size()).arg(kMaxTextLength));
    const QString reason = UnwritableTextReason({QStringLiteral("--") + option, text});
    if (!reason.isEmpty())
        throw UsageError(reason);
    return text;
}

// Manual-mode texts are refused in Auto mode, where the catalogue supplies them.
void RefuseInAutoMode(const QCommandLineParser &parser, ConnectionMode mode, const QStringList &options)
{
    for (const QString &option : options) {
        if (mode == ConnectionMode::Auto && parser.isSet(option))
            throw UsageError(QStringLiteral("--%1 is taken from the catalogue in auto mode; use --mode manual "
                                            "to give it")
                                 .arg(option));
    }
}

struct OperatorChoice {
    QString country;
    QString name;
};

// What the mms and email commands share: the header and the operator.
struct MessageOptions {
    ConnectionMode mode = ConnectionMode::Auto;
    SendingHeader header;
    OperatorChoice choice;
};

template <typename Params>
OperatorChoice OperatorFrom(const QCommandLineParser &parser, ConnectionMode mode,
                            const OperatorCatalogue<Params> &catalogue)
{
    if (mode == ConnectionMode::Manual) {
        if (parser.isSet(kCountry) || parser.isSet(kOperator))
            throw UsageError(QStringLiteral("--country and --operator choose catalogue settings; they have no "
                                            "effect in manual mode"));
        return {};
    }
    const QString country = parser.isSet(kCountry) ? parser.value(kCountry) : catalogue.CountryName(0);
    const uint8_t index = catalogue.FindCountry(country);
    if (index == kCatalogueMiss)
        throw UsageError(QStringLiteral("--country \"%1\" is not in the catalogue; choose one of: %2")
                             .arg(country, catalogue.CountryNames().join(QStringLiteral(", "))));
    const QStringList operators = catalogue.OperatorNames(index);
    const QString name = parser.isSet(kOperator) ? parser.value(kOperator) : operators.first();
    if (!operators.contains(name))
        throw UsageError(QStringLiteral("--operator \"%1\" is not an operator of %2; choose one of: %3")
                             .arg(name, country, operators.join(QStringLiteral(", "))));
    return {country, name};
}

void RefusePositionals(const QCommandLineParser &parser, const QString &command)
{
    if (!parser.positionalArguments().isEmpty())
        throw UsageError(QStringLiteral("%1 takes no file names; use --out DIR").arg(command));
}

// Parses the arguments of mms or email once their own text options are added.
template <typename Params>
MessageOptions ParseMessageOptions(QCommandLineParser &parser, const QStringList &arguments, const QString &command,
                                   const QStringList &manualOnly, const OperatorCatalogue<Params> &catalogue)
{
    parser.addOption(OutOption());
    ParseOrThrow(parser, arguments);
    RefusePositionals(parser, command);
    MessageOptions options;
    options.mode = ModeOption(parser);
    options.header = HeaderFrom(parser);
    RefuseInAutoMode(parser, options.mode, manualOnly);
    options.choice = OperatorFrom(parser, options.mode, catalogue);
    return options;
}

// Composing can still refuse what the options let through; that is a usage error too.
int EmitComposed(const QCommandLineParser &parser, const char *fileName, const std::optional<QByteArray> &composed,
                 const QString &error)
{
    if (!composed)
        throw UsageError(error);
    return EmitSettingsFile(OutputTargetFor(parser, QString::fromLatin1(fileName)), *composed);
}

} // namespace

int RunMmsCommand(const QStringList &arguments)
{
    const QStringList connection = {QStringLiteral("url"),  QStringLiteral("apn"),     QStringLiteral("gateway"),
                                    QStringLiteral("port"), QStringLiteral("account"), QStringLiteral("password")};
    const QStringList mobiles = Numbered(QStringLiteral("mobile"));
    const QStringList emails = Numbered(QStringLiteral("email"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes MMSSETUP.dat. Values are case-insensitive, names of countries and operators excepted; "
        "defaults are those of the MMS dialog. --url .. --password are for manual mode."));
    AddHeaderOptions(parser);
    AddTextOptions(parser, connection + mobiles + emails);
    const MessageOptions options =
        ParseMessageOptions(parser, arguments, QStringLiteral("mms"), connection, MmsCatalogue());

    MmsSettings s;
    s.Mode = options.mode;
    s.Header = options.header;
    s.Country = options.choice.country;
    s.Operator = options.choice.name;
    QString *const connectionFields[] = {&s.Url, &s.Apn, &s.Gateway, &s.Port, &s.Account, &s.Password};
    for (int i = 0; i < connection.size(); ++i)
        *connectionFields[i] = TextOption(parser, connection[i]);
    for (int i = 0; i < 4; ++i) {
        s.Mobile[i] = TextOption(parser, mobiles[i]);
        s.Email[i] = TextOption(parser, emails[i]);
    }
    QString error;
    const std::optional<QByteArray> composed = ComposeMmsSetupFile(s, &error);
    return EmitComposed(parser, kMmsSetupFileName, composed, error);
}

int RunEmailCommand(const QStringList &arguments)
{
    const QStringList gprs = {QStringLiteral("apn"), QStringLiteral("account"), QStringLiteral("password")};
    const QString server = QStringLiteral("smtp-server");
    const QString port = QStringLiteral("smtp-port");
    const QString sender = QStringLiteral("sender");
    const QString senderPassword = QStringLiteral("sender-password");
    const QStringList emails = Numbered(QStringLiteral("email"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes SMTPSETUP.dat. Values are case-insensitive, names of countries and operators excepted; "
        "defaults are those of the e-mail dialog. --apn, --account and --password are for manual mode. "
        "In auto mode an operator with a known outgoing mail server fills --smtp-server and --smtp-port "
        "unless they are given."));
    AddHeaderOptions(parser);
    AddTextOptions(parser, gprs + QStringList{server, port, sender, senderPassword} + emails);
    const MessageOptions options =
        ParseMessageOptions(parser, arguments, QStringLiteral("email"), gprs, EmailCatalogue());

    EmailSettings s;
    s.Mode = options.mode;
    s.Header = options.header;
    s.Country = options.choice.country;
    s.Operator = options.choice.name;
    s.Apn = TextOption(parser, gprs[0]);
    s.Account = TextOption(parser, gprs[1]);
    s.Password = TextOption(parser, gprs[2]);
    if (s.Mode == ConnectionMode::Auto) {
        if (const std::optional<SmtpPreset> preset = FindSmtpPreset(MakeOperatorKey(s.Country, s.Operator))) {
            s.SmtpServer = QString::fromLatin1(preset->server);
            s.SmtpPort = QString::fromLatin1(preset->port);
        }
    }
    if (parser.isSet(server))
        s.SmtpServer = TextOption(parser, server);
    if (parser.isSet(port))
        s.SmtpPort = TextOption(parser, port);
    s.SenderEmail = TextOption(parser, sender);
    s.SenderPassword = TextOption(parser, senderPassword);
    for (int i = 0; i < 4; ++i)
        s.Email[i] = TextOption(parser, emails[i]);
    QString error;
    const std::optional<QByteArray> composed = ComposeEmailSetupFile(s, &error);
    return EmitComposed(parser, kEmailSetupFileName, composed, error);
}
