#include "advice/Advice.h"

#include "advice/AdviceRules.h"
#include "catalogue/EmailCatalogue.h"
#include "catalogue/MmsCatalogue.h"

namespace mms {
namespace {

using rules::OperatorChoice;

// Manual mode: the first catalogue row whose connection texts are the record's.
template <typename Params, typename Same>
OperatorChoice MatchingOperator(const OperatorCatalogue<Params> &catalogue, Same same)
{
    for (int op = 0; op < catalogue.OperatorCount(); ++op) {
        if (same(catalogue.ParamsOf(op)))
            return {catalogue.OperatorKey(op), std::string(catalogue.OperatorCountry(op)),
                    std::string(catalogue.OperatorName(op)), "apn"};
    }
    return {};
}

template <typename Record>
OperatorChoice AutoChoice(const Record &s)
{
    return {MakeOperatorKey(s.Country, s.Operator), s.Country, s.Operator, "operator"};
}

OperatorChoice ChoiceOf(const MmsSettings &s)
{
    if (s.Mode == ConnectionMode::Auto)
        return AutoChoice(s);
    return MatchingOperator(MmsCatalogue(), [&](const MmsOperatorParams &p) {
        return s.Url == p.url && s.Apn == p.apn && s.Gateway == p.gateway && s.Port == p.port && s.Account == p.account
            && s.Password == p.password;
    });
}

OperatorChoice ChoiceOf(const EmailSettings &s)
{
    if (s.Mode == ConnectionMode::Auto)
        return AutoChoice(s);
    return MatchingOperator(EmailCatalogue(), [&](const EmailOperatorParams &p) {
        return s.Apn == p.apn && s.Account == p.account && s.Password == p.password;
    });
}

} // namespace

std::string_view SeverityName(AdviceSeverity severity)
{
    return severity == AdviceSeverity::Warning ? "warning" : "notice";
}

std::vector<Advice> AdviseCamera(const CameraSettings &settings, const DaylightSavingTest &daylightSaving)
{
    std::vector<Advice> advice;
    rules::ClockInSummerTime(settings, daylightSaving, advice);
    return advice;
}

std::vector<Advice> AdviseMms(const MmsSettings &settings)
{
    std::vector<Advice> advice;
    const OperatorChoice choice = ChoiceOf(settings);
    if (!choice.key.empty()) {
        rules::Network2g(choice, advice);
        rules::MmsService(choice, advice);
    }
    rules::MobileNumbers(settings.Mobile, advice);
    rules::RecipientAddresses(settings.Email, advice);
    rules::TextGateways(settings.Email, advice);
    return advice;
}

std::vector<Advice> AdviseEmail(const EmailSettings &settings)
{
    std::vector<Advice> advice;
    const OperatorChoice choice = ChoiceOf(settings);
    if (!choice.key.empty())
        rules::Network2g(choice, advice);
    rules::SendingAccount(settings, advice);
    rules::RecipientAddresses(settings.Email, advice);
    rules::TextGateways(settings.Email, advice);
    return advice;
}

} // namespace mms
