// Internet (GPRS) access settings of the operators offered in the e-mail
// dialog, and the SMTP servers preset for some of them.
//
// Values are the operators' published internet access settings (not their
// WAP/MMS access), as carried by the Android carrier APN list (AOSP/CyanogenMod
// apns-conf.xml) and the mobile-broadband-provider-info database. A trailing
// comment marks every row whose values are not the operator's own entry.
//
// Row: {country, operator, {APN, account, password}}
// Rows are grouped by country in country-list order; the country's operator
// list shows them in row order.

#include "catalogue/EmailCatalogue.h"

namespace mms {

// The tables keep their hand-made layout: one row per operator, with its comment.
// clang-format off
const char *const kEmailCountries[kEmailCountryCount] = {
    "China", "United States", "Deutschland", "United Kingdom", "Canada", "Sweden", "Slovenia",
    "Portugal", "Turkey", "Schweiz", "Spain", "Slovakia", "Russia", "Romania", "Poland",
    "Netherlands", "Italy", "Ireland", "Hungary", "Greece", "France", "Australia",
    "Oesterreich", "Brazil", "Bulgaria", "Croatia", "Czech Republic", "Denmark", "Finland",
    "New Zealand", "Norway", "South Africa", "Egypt", "Ukraine", "Lithuania", "India", "Latvia",
    "Namibia", "Estonia",
};

const OperatorRow<EmailOperatorParams> kEmailOperators[kEmailOperatorCount] = {
    {"China", "China Mobile", {"cmnet", "", ""}},
    {"China", "China Unicom", {"3gnet", "", ""}},
    {"United States", "T-Mobile", {"epc.tmobile.com", "", ""}},
    {"United States", "AT&T", {"wap.cingular", "WAP@CINGULARGPRS.COM", "CINGULAR1"}},
    {"Deutschland", "Bild-Vodafone", {"web.vodafone.de", "", ""}},
    {"Deutschland", "Vodafone", {"web.vodafone.de", "", ""}},
    {"Deutschland", "T-Mobile", {"internet.t-mobile", "t-mobile", "tm"}},
    {"Deutschland", "E-Plus", {"internet.eplus.de", "eplus", "gprs"}},
    {"Deutschland", "O2", {"internet", "", ""}},
    {"Deutschland", "otelo", {"data.otelo.de", "", ""}},
    {"Deutschland", "SIMPLE SIM", {"internet.eplus.de", "eplus", "gprs"}},  // reseller in no source: E-Plus's internet access stands in
    {"United Kingdom", "Vodafone", {"internet", "web", "web"}},
    {"United Kingdom", "O2", {"mobile.o2.co.uk", "o2web", "password"}},
    {"United Kingdom", "T-Mobile", {"general.t-mobile.uk", "t-mobile", "tm"}},
    {"United Kingdom", "Orange", {"orangeinternet", "", ""}},
    {"United Kingdom", "3", {"three.co.uk", "", ""}},
    {"United Kingdom", "Virgin", {"goto.virginmobile.uk", "user", ""}},
    {"United Kingdom", "Tesco Mobile", {"prepay.tesco-mobile.com", "tescowap", "password"}},
    {"United Kingdom", "ASDA Mobile", {"asdamobiles.co.uk", "web", "web"}},
    {"Canada", "Fido", {"internet.fido.ca", "", ""}},
    {"Canada", "Rogers", {"internet.com", "wapuser1", "wap"}},
    {"Sweden", "Telenor", {"internet.telenor.se", "", ""}},
    {"Sweden", "Telia", {"online.telia.se", "", ""}},
    {"Sweden", "Tele2", {"internet.tele2.se", "", ""}},
    {"Slovenia", "Mobitel", {"internet", "mobitel", "internet"}},
    {"Portugal", "Optimus", {"umts", "", ""}},
    {"Portugal", "Vodafone", {"net2.vodafone.pt", "", ""}},
    {"Turkey", "Avea", {"internet", "wap", "wap"}},
    {"Schweiz", "Orange", {"internet", "", ""}},
    {"Schweiz", "Sunrise", {"internet", "", ""}},
    {"Schweiz", "Swisscom", {"gprs.swisscom.ch", "", ""}},
    {"Spain", "Amena", {"orangeworld", "orange", "orange"}},
    {"Spain", "Vodafone", {"ac.vodafone.es", "vodafone", "vodafone"}},
    {"Spain", "Telefonica", {"movistar.es", "MOVISTAR", "MOVISTAR"}},  // Movistar's APN; the older telefonica.es has a 10-character password
    {"Slovakia", "T-Mobile", {"internet", "", ""}},
    {"Slovakia", "Orange", {"internet", "", ""}},
    {"Slovakia", "O2", {"o2internet", "", ""}},
    {"Russia", "MTS", {"internet.mts.ru", "mts", "mts"}},
    {"Russia", "Beeline", {"internet.beeline.ru", "beeline", "beeline"}},
    {"Romania", "Orange", {"net", "", ""}},
    {"Poland", "ERA", {"erainternet", "erainternet", "erainternet"}},
    {"Poland", "Orange", {"internet", "internet", "internet"}},
    {"Netherlands", "T-Mobile", {"internet", "", ""}},
    {"Netherlands", "Vodafone", {"live.vodafone.com", "vodafone", "vodafone"}},
    {"Italy", "TIM", {"ibox.tim.it", "", ""}},
    {"Italy", "Vodafone", {"mobile.vodafone.it", "", ""}},
    {"Ireland", "Meteor", {"data.mymeteor.ie", "", ""}},
    {"Ireland", "Vodafone", {"isp.vodafone.ie", "vodafone", "vodafone"}},
    {"Hungary", "Pannon(contract)", {"net", "", ""}},
    {"Hungary", "Vodafone", {"internet.vodafone.net", "", ""}},
    {"Greece", "T-Cosmote", {"internet", "", ""}},
    {"Greece", "Vodafone", {"internet.vodafone.gr", "user", "pass"}},
    {"France", "Bouygues", {"mmsbouygtel.com", "", ""}},
    {"France", "Orange", {"orange", "orange", "orange"}},
    {"Australia", "Optus", {"internet", "", ""}},
    {"Australia", "Telstra", {"Telstra.wap", "", ""}},
    {"Australia", "Vodafone", {"live.vodafone.com", "", ""}},
    {"Australia", "Three", {"3netaccess", "", ""}},
    {"Australia", "Virgin", {"VirginInternet", "guest", "guest"}},
    {"Oesterreich", "A1", {"a1.net", "ppp@A1plus.at", "ppp"}},
    {"Oesterreich", "T-Mobile", {"gprsinternet", "t-mobile", "tm"}},
    {"Brazil", "Brazil Telecom", {"brt.br", "brt", "brt"}},
    {"Brazil", "Claro", {"claro.com.br", "claro", "claro"}},
    {"Bulgaria", "Globul", {"internet.globul.bg", "globul", ""}},
    {"Bulgaria", "Mtel", {"inet-gprs.mtel.bg", "", ""}},
    {"Bulgaria", "Vivacom", {"internet.vivacom.bg", "VIVACOM", "VIVACOM"}},
    {"Croatia", "VIPNet", {"data.vip.hr", "38591", "38591"}},
    {"Czech Republic", "Eurotel", {"internet", "", ""}},  // Eurotel became O2 CZ in 2006: O2's settings
    {"Czech Republic", "O2", {"internet", "", ""}},
    {"Czech Republic", "T-Mobile", {"internet.t-mobile.cz", "wap", "wap"}},
    {"Czech Republic", "Vodafone", {"internet", "", ""}},
    {"Denmark", "TDC", {"internet", "", ""}},
    {"Finland", "Radiolinja", {"internet", "", ""}},  // Radiolinja became Elisa: Elisa's settings
    {"Finland", "DNA", {"internet", "", ""}},
    {"Finland", "Sonera", {"internet", "", ""}},
    {"Finland", "Elisa", {"internet", "", ""}},
    {"New Zealand", "Vodafone", {"www.vodafone.net.nz", "", ""}},
    {"Norway", "Netcom", {"internet.netcom.no", "netcom", "netcom"}},
    {"Norway", "Telenor", {"telenor", "", ""}},
    {"South Africa", "Cell C", {"Internet", "", ""}},
    {"South Africa", "Vodacom", {"internet", "", ""}},
    {"South Africa", "MTN", {"internet", "", ""}},
    {"Egypt", "MobiNil", {"mobinilweb", "", ""}},
    {"Egypt", "Vodafone", {"internet.vodafone.net", "internet", "internet"}},
    {"Ukraine", "KiyvStar", {"www.kyivstar.net", "", ""}},
    {"Ukraine", "MTS", {"internet", "", ""}},
    {"Ukraine", "LIFE", {"internet", "", ""}},
    {"Ukraine", "Beeline UA", {"internet.beeline.ua", "", ""}},
    {"Lithuania", "Omnitel", {"omnitel", "omni", "omni"}},
    {"India", "Idea", {"internet", "", ""}},
    {"India", "BPL", {"www", "MSISDN", "bplmmsc"}},  // user MSISDN stands for the subscriber's own number
    {"India", "Airtel", {"airtelgprs.com", "", ""}},
    {"India", "VodaFone", {"www", "", ""}},
    {"Latvia", "LMT", {"internet.lmt.lv", "", ""}},
    {"Namibia", "MTC", {"internet", "", ""}},
    {"Estonia", "EMT", {"internet.emt.ee", "", ""}},
    {"Estonia", "ELISA", {"internet", "", ""}},
    {"Estonia", "TELE2", {"internet.tele2.ee", "", ""}},
};

// SMTP server preset for an operator key, tested in row order; the camera sends
// on port 25. Servers are the operators' own outgoing mail servers where they
// run one; the row comments name the exceptions.
const SmtpPresetRow kSmtpPresets[kSmtpPresetCount] = {
    {"Slovakia--T-Mobile", {"smtp.t-com.sk", "25"}},  // Slovak Telekom, into which T-Mobile Slovensko merged in 2010
    {"Slovakia--Orange", {"213.151.200.4", "25"}},  // mail.orange.sk, the relay that sends orangemail.sk customers' mail
    {"Slovakia--O2", {"smtp.azet.sk", "25"}},  // O2 SK runs no mail service of its own: Azet, the largest Slovak one
    // Vodafone Germany's server for all German operators, Swisscom (a Vodafone partner network) and Vodafone Italy
    {"Deutschland--O2", {"smtp.vodafone.de", "25"}},
    {"Deutschland--Bild-Vodafone", {"smtp.vodafone.de", "25"}},
    {"Deutschland--Vodafone", {"smtp.vodafone.de", "25"}},
    {"Deutschland--E-Plus", {"smtp.vodafone.de", "25"}},
    {"Deutschland--otelo", {"smtp.vodafone.de", "25"}},
    {"Deutschland--T-Mobile", {"smtp.vodafone.de", "25"}},
    {"Deutschland--SIMPLE SIM", {"smtp.vodafone.de", "25"}},
    {"Schweiz--Swisscom", {"smtp.vodafone.de", "25"}},
    {"Italy--Vodafone", {"smtp.vodafone.de", "25"}},
    {"Norway--Telenor", {"smtp.online.no", "25"}},  // Telenor's online.no mail service
    {"Norway--Netcom", {"smtp.telia.no", "25"}},  // Telia Norge, NetCom's name since 2016
    {"Sweden--Telia", {"mailout.telia.com", "25"}},  // Telia Sweden
};

// clang-format on

} // namespace mms
