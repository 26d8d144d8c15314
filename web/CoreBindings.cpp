// The page's window on the settings core: records travel as JavaScript objects with
// the core's member names, file contents as Uint8Array.

#include "advice/Advice.h"
#include "catalogue/EmailCatalogue.h"
#include "catalogue/MmsCatalogue.h"
#include "catalogue/StringCatalogue.h"
#include "settings/CameraSettings.h"
#include "settings/CameraText.h"
#include "settings/EmailSettings.h"
#include "settings/MmsSettings.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <optional>
#include <string>
#include <vector>

using emscripten::val;

namespace {

constexpr int kEnglish = 0;

// A string the chosen language block lacks is shown in English.
std::string PageString(int language, int number)
{
    const std::string_view text = mms::CatalogueString(language, number);
    return std::string(text.empty() ? mms::CatalogueString(kEnglish, number) : text);
}

template <typename Strings>
val TextArray(const Strings &strings)
{
    val array = val::array();
    for (const auto &s : strings)
        array.call<void>("push", std::string(s));
    return array;
}

val ByteArray(const mms::Bytes &bytes)
{
    return val::global("Uint8Array").new_(emscripten::typed_memory_view(bytes.size(), bytes.data()));
}

mms::Bytes BytesOf(const val &array)
{
    return emscripten::convertJSArrayToNumberVector<uint8_t>(array);
}

// { bytes } when composing succeeded, { error } with the reason when it did not.
val Composed(const std::optional<mms::Bytes> &bytes, const std::string &error)
{
    val result = val::object();
    if (bytes)
        result.set("bytes", ByteArray(*bytes));
    else
        result.set("error", error);
    return result;
}

template <typename Record>
val DecodedObject(const mms::Decoded<Record> &decoded)
{
    val result = val::object();
    result.set("record", val(decoded.record));
    result.set("problems", TextArray(decoded.problems));
    return result;
}

template <typename Params>
int OperatorIndex(const mms::OperatorCatalogue<Params> &catalogue, const std::string &country,
                  const std::string &operatorName)
{
    return catalogue.FindOperatorKey(mms::MakeOperatorKey(country, operatorName));
}

template <typename Params>
val OperatorNames(const mms::OperatorCatalogue<Params> &catalogue, const std::string &country)
{
    const uint8_t index = catalogue.FindCountry(country);
    if (index >= catalogue.CountryCount())
        return val::array();
    return TextArray(catalogue.OperatorNames(index));
}

// clang-format off
val MmsCountries() { return TextArray(mms::MmsCatalogue().CountryNames()); }
val EmailCountries() { return TextArray(mms::EmailCatalogue().CountryNames()); }
val MmsOperators(const std::string &country) { return OperatorNames(mms::MmsCatalogue(), country); }
val EmailOperators(const std::string &country) { return OperatorNames(mms::EmailCatalogue(), country); }

// What Generate writes in Auto mode for that operator, or null when the key misses.
val MmsOperatorParams(const std::string &country, const std::string &operatorName)
{
    const int op = OperatorIndex(mms::MmsCatalogue(), country, operatorName);
    // clang-format on
    if (op >= mms::MmsCatalogue().OperatorCount())
        return val::null();
    const mms::MmsOperatorParams &p = mms::MmsCatalogue().ParamsOf(op);
    val params = val::object();
    params.set("Url", std::string(p.url));
    params.set("Apn", std::string(p.apn));
    params.set("Gateway", std::string(p.gateway));
    params.set("Port", std::string(p.port));
    params.set("Account", std::string(p.account));
    params.set("Password", std::string(p.password));
    return params;
}

val GprsOperatorParams(const std::string &country, const std::string &operatorName)
{
    const int op = OperatorIndex(mms::EmailCatalogue(), country, operatorName);
    if (op >= mms::EmailCatalogue().OperatorCount())
        return val::null();
    const mms::EmailOperatorParams &p = mms::EmailCatalogue().ParamsOf(op);
    val params = val::object();
    params.set("Apn", std::string(p.apn));
    params.set("Account", std::string(p.account));
    params.set("Password", std::string(p.password));
    return params;
}

val SmtpPresetOf(const std::string &country, const std::string &operatorName)
{
    const std::optional<mms::SmtpPreset> preset = mms::FindSmtpPreset(mms::MakeOperatorKey(country, operatorName));
    if (!preset)
        return val::null();
    val result = val::object();
    result.set("server", std::string(preset->server));
    result.set("port", std::string(preset->port));
    return result;
}

val ComposeCamera(const mms::CameraSettings &settings)
{
    return Composed(mms::ComposeCameraSetupFile(settings), {});
}

val ComposeMms(const mms::MmsSettings &settings)
{
    std::string error;
    const std::optional<mms::Bytes> bytes = mms::ComposeMmsSetupFile(settings, &error);
    return Composed(bytes, error);
}

val ComposeEmail(const mms::EmailSettings &settings)
{
    std::string error;
    const std::optional<mms::Bytes> bytes = mms::ComposeEmailSetupFile(settings, &error);
    return Composed(bytes, error);
}

// [{ severity: "warning"|"notice", field, sentence, source }], the field named as
// the command line names it.
val AdviceArray(const std::vector<mms::Advice> &advice)
{
    val array = val::array();
    for (const mms::Advice &item : advice) {
        val object = val::object();
        object.set("severity", std::string(mms::SeverityName(item.severity)));
        object.set("field", item.field);
        object.set("sentence", item.sentence);
        object.set("source", item.source);
        array.call<void>("push", object);
    }
    return array;
}

// The browser's time zone decides summer time.
val AdviseCamera(const mms::CameraSettings &settings)
{
    return AdviceArray(mms::AdviseCamera(settings, mms::IsDaylightSavingLocal));
}
// clang-format off
val AdviseMms(const mms::MmsSettings &settings) { return AdviceArray(mms::AdviseMms(settings)); }
val AdviseEmail(const mms::EmailSettings &settings) { return AdviceArray(mms::AdviseEmail(settings)); }

val DecodeCamera(const val &file) { return DecodedObject(mms::DecodeCameraSetupFile(BytesOf(file))); }
val DecodeMms(const val &file) { return DecodedObject(mms::DecodeMmsSetupFile(BytesOf(file))); }
val DecodeEmail(const val &file) { return DecodedObject(mms::DecodeEmailSetupFile(BytesOf(file))); }

// What the MMS and e-mail records have alike, under the same names.
template <typename Record>
emscripten::value_object<Record> &SendingFields(emscripten::value_object<Record> &record)
{
    return record.field("Mode", &Record::Mode)
        .field("Header", &Record::Header)
        .field("Country", &Record::Country)
        .field("Operator", &Record::Operator);
    // clang-format on
}

void RegisterRecords()
{
    using namespace emscripten;
    enum_<mms::ConnectionMode>("ConnectionMode")
        .value("Auto", mms::ConnectionMode::Auto)
        .value("Manual", mms::ConnectionMode::Manual);

    value_object<mms::TimerPeriod>("TimerPeriod")
        .field("StartHour", &mms::TimerPeriod::StartHour)
        .field("StartMinute", &mms::TimerPeriod::StartMinute)
        .field("EndHour", &mms::TimerPeriod::EndHour)
        .field("EndMinute", &mms::TimerPeriod::EndMinute);
    value_array<std::array<uint8_t, 4>>("SerialChars")
        .element(emscripten::index<0>())
        .element(emscripten::index<1>())
        .element(emscripten::index<2>())
        .element(emscripten::index<3>());
    value_array<std::array<mms::TimerPeriod, 4>>("TimerPeriods")
        .element(emscripten::index<0>())
        .element(emscripten::index<1>())
        .element(emscripten::index<2>())
        .element(emscripten::index<3>());
    value_array<std::array<std::string, 4>>("FourTexts")
        .element(emscripten::index<0>())
        .element(emscripten::index<1>())
        .element(emscripten::index<2>())
        .element(emscripten::index<3>());

    using mms::CameraSettings;
    value_object<CameraSettings>("CameraSettings")
        .field("Mode", &CameraSettings::Mode)
        .field("PhotoSize", &CameraSettings::PhotoSize)
        .field("VideoSize", &CameraSettings::VideoSize)
        .field("ImageBurst", &CameraSettings::ImageBurst)
        .field("VideoLength", &CameraSettings::VideoLength)
        .field("Beep", &CameraSettings::Beep)
        .field("SenseLevel", &CameraSettings::SenseLevel)
        .field("TV", &CameraSettings::TV)
        .field("TimeStamp", &CameraSettings::TimeStamp)
        .field("CyclingSave", &CameraSettings::CyclingSave)
        .field("DateFormat", &CameraSettings::DateFormat)
        .field("Year", &CameraSettings::Year)
        .field("Month", &CameraSettings::Month)
        .field("Day", &CameraSettings::Day)
        .field("Hour", &CameraSettings::Hour)
        .field("Minute", &CameraSettings::Minute)
        .field("Second", &CameraSettings::Second)
        .field("IntervalOnOff", &CameraSettings::IntervalOnOff)
        .field("IntervalMinute", &CameraSettings::IntervalMinute)
        .field("IntervalSecond", &CameraSettings::IntervalSecond)
        .field("TimeLapseOnOff", &CameraSettings::TimeLapseOnOff)
        .field("TimeLapseHour", &CameraSettings::TimeLapseHour)
        .field("TimeLapseMinute", &CameraSettings::TimeLapseMinute)
        .field("SerialNoOnOff", &CameraSettings::SerialNoOnOff)
        .field("SerialNoChar", &CameraSettings::SerialNoChar)
        .field("TimerOnOff", &CameraSettings::TimerOnOff)
        .field("Timer", &CameraSettings::Timer);

    using mms::SendingHeader;
    value_object<SendingHeader>("SendingHeader")
        .field("Status", &SendingHeader::Status)
        .field("NumberPerDay", &SendingHeader::NumberPerDay)
        .field("DailyReportOnOff", &SendingHeader::DailyReportOnOff)
        .field("DailyReportHour", &SendingHeader::DailyReportHour);

    using mms::MmsSettings;
    value_object<MmsSettings> mmsSettings("MmsSettings");
    SendingFields(mmsSettings)
        .field("Url", &MmsSettings::Url)
        .field("Apn", &MmsSettings::Apn)
        .field("Gateway", &MmsSettings::Gateway)
        .field("Port", &MmsSettings::Port)
        .field("Account", &MmsSettings::Account)
        .field("Password", &MmsSettings::Password)
        .field("Mobile", &MmsSettings::Mobile)
        .field("Email", &MmsSettings::Email);

    using mms::EmailSettings;
    value_object<EmailSettings> emailSettings("EmailSettings");
    SendingFields(emailSettings)
        .field("Apn", &EmailSettings::Apn)
        .field("Account", &EmailSettings::Account)
        .field("Password", &EmailSettings::Password)
        .field("SmtpServer", &EmailSettings::SmtpServer)
        .field("SmtpPort", &EmailSettings::SmtpPort)
        .field("SenderEmail", &EmailSettings::SenderEmail)
        .field("SenderPassword", &EmailSettings::SenderPassword)
        .field("Email", &EmailSettings::Email);
}

std::string UnwritableText(const std::string &field, const std::string &text)
{
    return mms::UnwritableTextReason(field, text);
}

// The dialogs' defaults, so that the page starts from the record the core starts from.
// clang-format off
mms::CameraSettings DefaultCamera() { return {}; }
mms::MmsSettings DefaultMms() { return {}; }
mms::EmailSettings DefaultEmail() { return {}; }

} // namespace

EMSCRIPTEN_BINDINGS(mms_core)
{
    using emscripten::function;
    // clang-format on
    RegisterRecords();
    emscripten::constant("languageCount", mms::StringCatalogue::kLanguageCount);
    emscripten::constant("maxTextLength", int(mms::kMaxTextLength));
    emscripten::constant("cameraFileName", std::string(mms::kCameraSetupFileName));
    emscripten::constant("mmsFileName", std::string(mms::kMmsSetupFileName));
    emscripten::constant("emailFileName", std::string(mms::kEmailSetupFileName));
    function("catalogueString", &PageString);
    function("unwritableTextReason", &UnwritableText);
    function("mmsCountries", &MmsCountries);
    function("mmsOperators", &MmsOperators);
    function("mmsOperatorParams", &MmsOperatorParams);
    function("emailCountries", &EmailCountries);
    function("emailOperators", &EmailOperators);
    function("gprsOperatorParams", &GprsOperatorParams);
    function("smtpPreset", &SmtpPresetOf);
    function("defaultCamera", &DefaultCamera);
    function("defaultMms", &DefaultMms);
    function("defaultEmail", &DefaultEmail);
    function("composeCamera", &ComposeCamera);
    function("composeMms", &ComposeMms);
    function("composeEmail", &ComposeEmail);
    function("decodeCamera", &DecodeCamera);
    function("decodeMms", &DecodeMms);
    function("decodeEmail", &DecodeEmail);
    function("adviseCamera", &AdviseCamera);
    function("adviseMms", &AdviseMms);
    function("adviseEmail", &AdviseEmail);
}
