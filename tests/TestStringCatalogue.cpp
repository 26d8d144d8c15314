// The user-interface texts: every block complete in its range, empty outside it, the
// fixed rows exactly as the windows and the camera's users know them.
#include "catalogue/StringCatalogue.h"
#include "catalogue/StringNumbers.h"

#include <QTest>

namespace {

// A catalogue text as the windows show it.
QString Text(int language, int number)
{
    const std::string_view text = mms::CatalogueString(language, number);
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

constexpr int kLanguages = mms::StringCatalogue::kLanguageCount;
// English and German carry the e-mail dialog's and the result dialog's texts too.
int LastNumberOf(int language)
{
    return language <= 1 ? 112 : 94;
}

// Language names and technical terms read the same in every block.
const QList<int> kSameInAllBlocks = {2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 23, 24,
                                     25, 33, 56, 57, 59, 63, 64, 65, 68, 73, 74, 89};

// Each named number with its English text: a name that drifts from its number (or a
// number renumbered in the strings file) shows here.
struct NamedString {
    mms::Str number;
    const char *english;
};
using mms::Str;
constexpr NamedString kNamedStrings[] = {
    {Str::SelectLanguage, "Select Language"},
    {Str::English, "English"},
    {Str::Deutsch, "Deutsch"},
    {Str::Mode, "Mode"},
    {Str::Camera, "Camera"},
    {Str::Video, "Video"},
    {Str::CameraPlusVideo, "Camera+Video"},
    {Str::PhotoSize, "Photo Size"},
    {Str::Photo12MP, "12MP"},
    {Str::Photo8MP, "8MP"},
    {Str::Photo5MP, "5MP"},
    {Str::VideoSize, "Video Size"},
    {Str::Video1080P, "1080P"},
    {Str::Video720P, "720P"},
    {Str::ImageBurst, "Image Burst"},
    {Str::Burst1Photo, "1 Photo"},
    {Str::Burst2Photo, "2 Photo"},
    {Str::Burst3Photo, "3 Photo"},
    {Str::Burst4Photo, "4 Photo"},
    {Str::Burst5Photo, "5 Photo"},
    {Str::VideoLength, "Video Length"},
    {Str::Length10s, "10s"},
    {Str::Length30s, "30s"},
    {Str::Length60s, "60s"},
    {Str::Interval, "Interval"},
    {Str::Off, "Off"},
    {Str::On, "On"},
    {Str::Hour, "Hour"},
    {Str::Min, "Min"},
    {Str::Sec, "Sec"},
    {Str::Beep, "Beep"},
    {Str::SenseLevel, "Sense Level"},
    {Str::Low, "Low"},
    {Str::Medium, "Medium"},
    {Str::High, "High"},
    {Str::SetClock, "Set Clock"},
    {Str::Timer, "Timer"},
    {Str::Start, "Start"},
    {Str::End, "End"},
    {Str::TimeLapse, "Time Lapse"},
    {Str::TV, "TV"},
    {Str::NTSC, "NTSC"},
    {Str::PAL, "PAL"},
    {Str::TimeStamp, "Time Stamp"},
    {Str::CyclingSave, "Cycling Save"},
    {Str::SerialNo, "Serial NO"},
    {Str::MmsSetup, "MMS Setup"},
    {Str::MmsStatus, "MMS Status"},
    {Str::StatusVga, "VGA"},
    {Str::StatusSms, "SMS"},
    {Str::MmsNumberPerDay, "MMS Number/Day"},
    {Str::DailyReport, "Daily Report"},
    {Str::Mobile, "Mobile"},
    {Str::Email, "Email"},
    {Str::Country, "Country"},
    {Str::Operator, "Operator"},
    {Str::Url, "URL"},
    {Str::Apn, "APN"},
    {Str::Gateway, "Gateway"},
    {Str::Port, "Port"},
    {Str::Account, "Account"},
    {Str::Password, "Password"},
    {Str::CameraModel, "Camera Model"},
    {Str::CameraSetup, "Camera Setup"},
    {Str::SmtpSetup, "Smtp Setup"},
    {Str::GetTheLatestUpdates, "Click here to get the latest updates"},
    {Str::Select, "Select"},
    {Str::Default, "Default"},
    {Str::Generate, "Generate"},
    {Str::Exit, "Exit"},
    {Str::GetTime, "Get Time"},
    {Str::Mms, "MMS"},
    {Str::MmsMode, "MMS Mode"},
    {Str::Auto, "Auto"},
    {Str::Manual, "Manual"},
    {Str::NoteZeroUnlimited, "Note: 0 = Unlimited"},
    {Str::Recipients, "Recipients"},
    {Str::EmailFailed, "Email configuration file has been failed."},
    {Str::EmailGenerated, "Email configuration file has been generated."},
    {Str::CameraFailed, "System configuration file has been failed."},
    {Str::CameraGenerated, "System configuration file has been generated."},
    {Str::MmsFailed, "MMS configuration file has been failed."},
    {Str::MmsGenerated, "MMS configuration file has been generated."},
    {Str::EmailNumberPerDay, "Email Number/Day"},
    {Str::SmtpMode, "SMTP Mode"},
    {Str::GprsStatus, "GPRS Status"},
    {Str::Gprs, "GPRS"},
    {Str::Sender, "Sender"},
    {Str::SmtpServer, "Smtp Server"},
    {Str::Ok, "ok"},
    {Str::Cancel, "Cancel"},
    {Str::Other, "Other"},
    {Str::SenderEmail, "Sender Email"},
    {Str::Status800x600, "800x600"},
};

} // namespace

class TestStringCatalogue : public QObject {
    Q_OBJECT
private slots:
    void fixedRows_data();
    void fixedRows();
    void namedNumbers_data();
    void namedNumbers();
    void emptyOutsideTheBlocks_data();
    void emptyOutsideTheBlocks();
    void everyBlockIsComplete();
    void sameInAllBlocks();
    void translatedBlocksDifferFromEnglish();
};

void TestStringCatalogue::fixedRows_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("text");
    QTest::newRow("en 1") << 0 << 1 << "Select Language";
    QTest::newRow("en 60") << 0 << 60 << "Serial NO";
    QTest::newRow("en 82") << 0 << 82 << "Smtp Setup";
    QTest::newRow("en 86") << 0 << 86 << "Generate";
    QTest::newRow("en 96") << 0 << 96 << "Email configuration file has been failed.";
    QTest::newRow("en 99") << 0 << 99 << "System configuration file has been generated.";
    QTest::newRow("en 108") << 0 << 108 << "ok";
    QTest::newRow("en 112") << 0 << 112 << "800x600";
    QTest::newRow("de 1") << 1 << 1 << "Sprache waehlen";
    QTest::newRow("de 61") << 1 << 61 << "MMS Einstellungen";
    QTest::newRow("de 80") << 1 << 80 << "Kamera Einstellungen";
    QTest::newRow("de 82") << 1 << 82 << "GPRS Einstellungen";
    QTest::newRow("de 84") << 1 << 84 << "Speicher waehlen";
    QTest::newRow("de 86") << 1 << 86 << "Datei erstellen";
    QTest::newRow("de 87") << 1 << 87 << "Schliessen";
    QTest::newRow("de 97") << 1 << 97 << "Email Konfigurationsdatei wurde erfolgreich gespeichert.";
    QTest::newRow("de 99") << 1 << 99 << "Kamera-Einstellungen erfolgreich gespeichert.";
    QTest::newRow("de 101") << 1 << 101 << "MMS Konfigurationsdatei wurde erfolgreich gespeichert.";
    QTest::newRow("de 108") << 1 << 108 << "Ok";
    QTest::newRow("de 109") << 1 << 109 << "Abbrechen";
    QTest::newRow("ru 1, two blanks") << 2 << 1 << QString::fromUtf8("Выберите  язык");
    QTest::newRow("ru 80") << 2 << 80 << QString::fromUtf8("Настройка камеры");
    QTest::newRow("sk 2") << 3 << 2 << "English";
    QTest::newRow("es 80") << 4 << 80 << QString::fromUtf8("Configuración de la cámara");
    QTest::newRow("fr 1") << 9 << 1 << QString::fromUtf8("sélectionner la langue");
    QTest::newRow("fr 86") << 9 << 86 << QString::fromUtf8("générer");
    // Wordings corrected by native readers: the captions a camera owner expects in each language.
    QTest::newRow("es 54") << 4 << 54 << QString::fromUtf8("Time-lapse");
    QTest::newRow("ru 42") << 2 << 42 << QString::fromUtf8("Звуковой сигнал");
    QTest::newRow("it 42") << 5 << 42 << QString::fromUtf8("Segnale acustico");
    QTest::newRow("ru 88") << 2 << 88 << QString::fromUtf8("Время с ПК");
    QTest::newRow("sk 88") << 3 << 88 << QString::fromUtf8("Načítať čas");
    QTest::newRow("it 88") << 5 << 88 << QString::fromUtf8("Ora dal PC");
    QTest::newRow("it 47") << 5 << 47 << QString::fromUtf8("Data e ora");
    QTest::newRow("it 91") << 5 << 91 << QString::fromUtf8("Automatica");
    QTest::newRow("sk 17") << 3 << 17 << QString::fromUtf8("Veľkosť snímky");
    QTest::newRow("hu 66") << 7 << 66 << QString::fromUtf8("MMS-ek száma/nap");
    QTest::newRow("hu 77") << 7 << 77 << QString::fromUtf8("Felhasználónév");
    QTest::newRow("hu 53") << 7 << 53 << QString::fromUtf8("Befejezés");
    QTest::newRow("no 47") << 8 << 47 << QString::fromUtf8("Still klokken");
    QTest::newRow("sv 47") << 10 << 47 << QString::fromUtf8("Ställ klockan");
    QTest::newRow("no 51") << 8 << 51 << QString::fromUtf8("Timer");
    QTest::newRow("fr 84") << 9 << 84 << QString::fromUtf8("sélectionner");
    QTest::newRow("fi 16") << 6 << 16 << QString::fromUtf8("Kuva+video");
    QTest::newRow("hu 16") << 7 << 16 << QString::fromUtf8("Fotó+videó");
    QTest::newRow("de 94") << 1 << 94 << QString::fromUtf8("Mobilnr. oder Email");
}

void TestStringCatalogue::fixedRows()
{
    QFETCH(int, language);
    QFETCH(int, number);
    QFETCH(QString, text);
    QCOMPARE(Text(language, number), text);
}

void TestStringCatalogue::namedNumbers_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("english");
    for (const NamedString &named : kNamedStrings)
        QTest::addRow("%d", int(named.number)) << int(named.number) << QString::fromUtf8(named.english);
}

void TestStringCatalogue::namedNumbers()
{
    QFETCH(int, number);
    QFETCH(QString, english);
    QCOMPARE(Text(0, number), english);
}

void TestStringCatalogue::emptyOutsideTheBlocks_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("number");
    QTest::newRow("number 0") << 0 << 0;
    QTest::newRow("number 113") << 0 << 113;
    QTest::newRow("number 499") << 1 << 499;
    QTest::newRow("number 500 is not the next block") << 0 << 500;
    QTest::newRow("negative number") << 0 << -1;
    QTest::newRow("negative language") << -1 << 1;
    QTest::newRow("language 11") << 11 << 1;
    QTest::newRow("russian 95") << 2 << 95;
    QTest::newRow("swedish 112") << 10 << 112;
}

void TestStringCatalogue::emptyOutsideTheBlocks()
{
    QFETCH(int, language);
    QFETCH(int, number);
    QVERIFY(Text(language, number).isEmpty());
}

void TestStringCatalogue::everyBlockIsComplete()
{
    for (int language = 0; language < kLanguages; ++language) {
        for (int number = 0; number < mms::StringCatalogue::kIdsPerLanguage; ++number) {
            const bool inRange = number >= 1 && number <= LastNumberOf(language);
            QVERIFY2(Text(language, number).isEmpty() != inRange,
                     qPrintable(QStringLiteral("language %1, string %2").arg(language).arg(number)));
        }
    }
}

void TestStringCatalogue::sameInAllBlocks()
{
    for (int language = 1; language < kLanguages; ++language) {
        for (int number : kSameInAllBlocks)
            QCOMPARE(Text(language, number), Text(0, number));
    }
}

void TestStringCatalogue::translatedBlocksDifferFromEnglish()
{
    // Words that stay as they are in a given language: units, abbreviations and loan words.
    const QStringList sharedWords = {"12MP",        "8MP",    "5MP",   "1080P",    "30s",     "60s",     "TV",
                                     "Video",       "Min",    "Sec",   "Port",     "Gateway", "Start",   "Auto",
                                     "Interval",    "Manual", "Timer", "Password", "GPRS",    "800x600", "Email",
                                     "Smtp Server", "ok",     "Mode",  "Mobile",   "1 Photo"};
    for (int language = 1; language < kLanguages; ++language) {
        int differing = 0;
        int ordinary = 0;
        for (int number = 1; number <= LastNumberOf(language); ++number) {
            const QString english = Text(0, number);
            if (kSameInAllBlocks.contains(number) || sharedWords.contains(english))
                continue;
            ++ordinary;
            if (Text(language, number).compare(english, Qt::CaseInsensitive) != 0)
                ++differing;
            else
                qWarning("language %d keeps string %d in English: %s", language, number, qPrintable(english));
        }
        QCOMPARE(differing, ordinary);
    }
}

QTEST_APPLESS_MAIN(TestStringCatalogue)
#include "TestStringCatalogue.moc"
