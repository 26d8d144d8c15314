// MMS connection settings of the operators offered in the MMS dialog.
//
// Values are the operators' published handset MMS settings, as carried by the
// Android carrier APN list (AOSP/CyanogenMod apns-conf.xml) and the
// mobile-broadband-provider-info database. They are copied as published,
// zero-padded proxy addresses included. A trailing comment marks every row
// whose values are not the operator's own entry, or that were cleaned up.
//
// Row: {country, operator, {MMSC url, APN, MMS proxy (gateway), proxy port,
//                           account, password}}
// Rows are grouped by country in country-list order; the country's operator
// list shows them in row order.

#include "catalogue/MmsCatalogue.h"

namespace mms {

// The tables keep their hand-made layout: one row per operator, with its comment.
// clang-format off
const char *const kMmsCountries[kMmsCountryCount] = {
    "China", "United States", "Deutschland", "United Kingdom", "Canada", "Sweden", "Slovenia",
    "Portugal", "Turkey", "Schweiz", "Spain", "Slovakia", "Russia", "Romania", "Poland",
    "Netherlands", "Italy", "Ireland", "Hungary", "Greece", "France", "Australia",
    "Oesterreich", "Brazil", "Bulgaria", "Croatia", "Czech Republic", "Denmark", "Finland",
    "New Zealand", "Norway", "South Africa", "Egypt", "Ukraine", "Lithuania", "India", "Latvia",
    "Namibia", "Estonia",
};

const OperatorRow<MmsOperatorParams> kMmsOperators[kMmsOperatorCount] = {
    {"China", "China Mobile", {"http://mmsc.monternet.com", "cmwap", "10.0.0.172", "80", "", ""}},
    {"China", "China Unicom", {"http://mmsc.myuni.com.cn", "uniwap", "10.0.0.172", "80", "", ""}},
    {"United States", "T-Mobile", {"http://mms.msg.eng.t-mobile.com/mms/wapenc", "fast.t-mobile.com", "216.155.165.50", "8080", "", ""}},  // own entry has no MMS proxy: the one T-Mobile-network MVNOs use; 'none' credentials dropped
    {"United States", "AT&T", {"http://mmsc.cingular.com", "wap.cingular", "66.209.11.32", "8080", "WAP@CINGULARGPRS.COM", "CINGULAR1"}},
    {"Deutschland", "Bild-Vodafone", {"http://139.7.24.1/servlets/mms", "event.vodafone.de", "139.7.29.17", "80", "", ""}},
    {"Deutschland", "Vodafone", {"http://139.7.24.1/servlets/mms", "event.vodafone.de", "139.7.29.17", "80", "", ""}},
    {"Deutschland", "T-Mobile", {"http://mms.t-mobile.de/servlets/mms", "internet.t-mobile", "172.28.23.131", "8008", "t-mobile", "tm"}},
    {"Deutschland", "E-Plus", {"http://mms/eplus/", "mms.eplus.de", "212.23.97.153", "5080", "mms", "eplus"}},
    {"Deutschland", "O2", {"http://10.81.0.7:8002", "internet", "82.113.100.5", "8080", "", ""}},
    {"Deutschland", "otelo", {"http://139.7.24.1/servlets/mms", "event.otelo.de", "139.7.29.17", "80", "", ""}},
    {"United Kingdom", "Vodafone", {"http://mms.vodafone.co.uk/servlets/mms", "wap.vodafone.co.uk", "212.183.137.012", "8799", "wap", "wap"}},
    {"United Kingdom", "O2", {"http://mmsc.mms.o2.co.uk:8002", "wap.o2.co.uk", "193.113.200.195", "8080", "o2wap", "password"}},
    {"United Kingdom", "O2 Payandgo", {"http://mmsc.mms.o2.co.uk:8002", "payandgo.o2.co.uk", "193.113.200.195", "8080", "payandgo", "password"}},
    {"United Kingdom", "Orange", {"http://mms.orange.co.uk/", "orangemms", "192.168.224.10", "8080", "Orange", "Multimedia"}},
    {"United Kingdom", "3", {"http://mms.um.three.co.uk:10021/mmsc", "three.co.uk", "217.171.129.2", "8799", "", ""}},
    {"United Kingdom", "Virgin", {"http://mms.virginmobile.co.uk:8002", "goto.virginmobile.uk", "193.30.166.2", "8080", "", ""}},
    {"United Kingdom", "Vodafone Prepay", {"http://mms.vodafone.co.uk/servlets/mms", "pp.vodafone.co.uk", "212.183.137.12", "8799", "wap", "wap"}},
    {"United Kingdom", "BT Mobile", {"http://mms.bt.com/servlets/mms", "btmobile.bt.com", "212.183.137.12", "8799", "bt", "bt"}},
    {"United Kingdom", "ASDA Mobile", {"http://mms.asdamobiles.co.uk/servlets/mms", "asdamobiles.co.uk", "212.183.137.12", "8799", "wap", "wap"}},
    {"Canada", "Fido", {"http://mms.fido.ca", "fido-core-appl1.apn", "205.151.11.13", "80", "", ""}},
    {"Canada", "Rogers", {"http://mms.gprs.rogers.com", "rogers-core-appl1.apn", "10.128.1.69", "80", "", ""}},
    {"Sweden", "Telenor", {"http://mms", "services.telenor.se", "172.30.253.241", "8799", "", ""}},
    {"Sweden", "Telia", {"http://mmss/", "mms.telia.se", "193.209.134.132", "80", "mms", "telia"}},
    {"Slovenia", "Mobitel", {"http://mms.mobitel.si/servlets/mms", "internet", "213.229.249.40", "8080", "mobitel", "internet"}},
    {"Slovenia", "lzi Mobil", {"http://mms.mobitel.si/servlets/mms", "internet", "213.229.249.40", "8080", "mobitel", "internet"}},  // Izi mobil is Mobitel's prepaid brand: Mobitel's settings
    {"Slovenia", "Si Mobil", {"http://mmc", "mms.simobil.si", "80.95.224.46", "9201", "simobil", "internet"}},
    {"Portugal", "Optimus", {"http://mmsc:10021/mmsc", "umts", "62.169.66.5", "8799", "", ""}},
    {"Portugal", "Vodafone", {"http://mms/servlets/mms", "vas.vodafone.pt", "213.30.27.63", "8799", "vas", "vas"}},
    {"Turkey", "Avea", {"http://mms.avea.com.tr/servlets/mms", "mms", "213.161.151.201", "8080", "mms", "mms"}},
    {"Schweiz", "Orange", {"http://192.168.151.3:8002", "mms", "192.168.151.2", "8080", "", ""}},
    {"Schweiz", "Sunrise", {"http://mmsc.sunrise.ch", "mms.sunrise.ch", "212.35.34.75", "8080", "mms", "mms"}},
    {"Schweiz", "Swisscom", {"http://mms.natel.ch:8079", "event.swisscom.ch", "192.168.210.2", "8080", "", ""}},
    {"Spain", "Orange", {"http://mms.orange.es", "orangemms", "172.22.188.25", "8080", "orange", "orange"}},
    {"Spain", "Vodafone", {"http://mmsc.vodafone.es/servlets/mms", "mms.vodafone.net", "212.73.32.10", "80", "wap@wap", "wap125"}},
    {"Spain", "Telstra", {"http://mms.movistar.com", "telefonica.es", "10.138.255.5", "8080", "telefonica", "telefonica"}},  // Telstra runs no Spanish network: Telefonica Movistar's settings stand in
    {"Slovakia", "T-Mobile", {"http://mms", "mms", "192.168.001.001", "8080", "mms", "mms"}},
    {"Slovakia", "Orange", {"http://imms.orange.sk", "mms", "213.151.208.145", "8799", "wap", "wap"}},
    {"Slovakia", "O2", {"http://mms.o2world.sk:8002", "o2mms", "10.97.1.11", "8080", "", ""}},
    {"Russia", "A Mobile", {"http://mmsc:8002", "mms", "10.10.10.10", "8080", "mms", "mms"}},  // A-Mobile (Abkhazia, Russian numbering) publishes none: MegaFon's settings stand in
    {"Russia", "Beeline", {"http://mms/", "mms.beeline.ru", "192.168.094.023", "8080", "beeline", "beeline"}},
    {"Russia", "MEGAPHONE", {"http://mmsc:8002", "mms", "10.10.10.10", "8080", "mms", "mms"}},
    {"Russia", "MTC(MTS)", {"http://mmsc", "mms.mts.ru", "192.168.192.192", "8080", "mts", "mts"}},
    {"Romania", "Orange", {"http://wap.mms.orange.ro:8002", "mms", "62.217.247.252", "9201", "", ""}},
    {"Poland", "ERA", {"http://mms.era.pl/servlets/mms", "eramms", "213.158.194.226", "8080", "eramms", "eramms"}},
    {"Poland", "Orange", {"http://mms.orange.pl", "mms", "192.168.6.104", "8080", "mms", "mms"}},
    {"Netherlands", "T-Mobile", {"http://t-mobilemms", "mms", "010.010.010.011", "8080", "tmobilemms", "tmobilemms"}},
    {"Netherlands", "Vodafone", {"http://mmsc.mms.vodafone.nl", "live.vodafone.com", "192.168.251.150", "8799", "vodafone", "vodafone"}},
    {"Italy", "TIM", {"http://mms.tim.it/servlets/mms", "mms.tim.it", "213.230.130.89", "80", "", ""}},
    {"Italy", "Vodafone", {"http://mms.vodafone.it/servlets/mms", "mms.vodafone.it", "10.128.224.10", "80", "", ""}},
    {"Ireland", "Meteor", {"http://mms.mymeteor.ie", "mms.mymeteor.ie", "010.085.085.085", "8799", "my", "wap"}},
    {"Ireland", "Vodafone", {"http://www.vodafone.ie/mms", "mms.vodafone.net", "10.24.59.200", "80", "", ""}},
    {"Hungary", "T-Mobile", {"http://mms.t-mobile.hu/servlets/mms", "mms", "212.051.126.010", "8080", "mms", "mms"}},
    {"Hungary", "Vodafone", {"http://mms.vodafone.hu/servlets/mms", "mms.vodafone.net", "80.244.97.2", "8080", "", ""}},
    {"Greece", "T-Cosmote", {"http://195.167.65.220:8002", "mms", "10.10.10.20", "8080", "", ""}},
    {"Greece", "Vodafone", {"http://mms.vodafone.gr", "mms.vodafone.net", "213.249.19.49", "5080", "user", "pass"}},
    {"France", "Bouygues", {"http://mms.bouyguestelecom.fr/mms/wapenc", "mmsbouygtel.com", "62.201.129.226", "8080", "", ""}},
    {"France", "Orange", {"http://mms.orange.fr/", "orange.acte", "192.168.10.200", "8080", "orange", "orange"}},
    {"Australia", "Optus", {"http://mmsc.optus.com.au:8002/", "mms", "61.88.190.10", "8070", "", ""}},
    {"Australia", "Telstra", {"http://mmsc.telstra.com:8002", "Telstra.mms", "10.1.1.180", "80", "", ""}},
    {"Australia", "Mic1", {"http://mmsc.optus.com.au:8002/", "mms", "61.88.190.10", "8070", "", ""}},  // no published settings under this name: Optus's settings stand in
    {"Australia", "Vodafone", {"http://pxt.vodafone.net.au/pxtsend", "live.vodafone.com", "10.202.2.60", "8080", "", ""}},
    {"Australia", "Three", {"http://mmsc.three.net.au:10021/mmsc", "3services", "10.176.57.25", "8799", "", ""}},
    {"Australia", "Virgin", {"http://mms.virginvibe.com.au:8002/", "virginmms", "202.139.083.152", "8070", "", ""}},  // wildcard '*' credentials dropped
    {"Oesterreich", "A1", {"http://mmsc.a1.net", "free.a1.net", "194.48.124.71", "8001", "ppp@a1plus.at", "ppp"}},
    {"Oesterreich", "T-Mobile", {"http://mmsc.t-mobile.at/servlets/mms", "gprsmms", "010.012.000.020", "80", "t-mobile", "tm"}},
    {"Brazil", "Brazil Telecom", {"http://mms.brasiltelecom.com.br/", "mms.brt.br", "200.96.8.29", "8080", "brt", "brt"}},
    {"Brazil", "Claro", {"http://mms.claro.com.br", "mms.claro.com.br", "200.169.126.10", "8799", "claro", "claro"}},
    {"Bulgaria", "Globul", {"http://mmsc1.mms.globul.bg:8002", "mms.globul.bg", "192.168.87.11", "8004", "mms", ""}},
    {"Bulgaria", "Mtel", {"http://mmsc/", "mms-gprs.mtel.bg", "10.150.0.33", "8080", "mtel", "mtel"}},
    {"Bulgaria", "Vivacom", {"http://mmsc.vivacom.bg", "mms.vivacom.bg", "192.168.123.123", "8080", "mms", "mms"}},
    {"Croatia", "VIPNet", {"http://mms.vipnet.hr/servlets/mms", "mms.vipnet.hr", "212.91.99.91", "8080", "", ""}},
    {"Croatia", "T-mobile HR", {"http://mms.t-mobile.hr/servlets/mms", "mms.htgprs", "10.12.0.4", "8080", "", ""}},
    {"Czech Republic", "Eurotel", {"http://mms.o2active.cz:8002", "mms", "160.218.160.218", "8080", "", ""}},  // Eurotel became O2 CZ in 2006: O2's settings
    {"Czech Republic", "O2", {"http://mms.o2active.cz:8002", "mms", "160.218.160.218", "8080", "", ""}},
    {"Czech Republic", "T-Mobile", {"http://mms", "mms.t-mobile.cz", "010.000.000.010", "80", "mms", "mms"}},
    {"Czech Republic", "Vodafone", {"http://mms", "mms", "10.11.10.111", "80", "mms", "mms"}},
    {"Denmark", "Sonofon", {"http://mms.telenor.dk", "telenor", "212.88.64.8", "8080", "", ""}},  // Sonofon became Telenor DK in 2009: Telenor's settings
    {"Denmark", "TDC", {"http://mmsc.tdc.dk:8002", "mms", "194.182.251.15", "8080", "", ""}},
    {"Finland", "Alands", {"http://mms.amt.aland.fi", "mms", "194.110.177.70", "8080", "", ""}},
    {"Finland", "DNA", {"http://mmsc.dnafinland.fi", "mms", "10.1.1.2", "8080", "dna", "mms"}},
    {"Finland", "Sonera", {"http://mms.sonera.fi:8002", "mms", "195.156.25.33", "8080", "", ""}},
    {"Finland", "Elisa", {"http://mms.elisa.fi", "mms", "213.161.41.57", "80", "", ""}},
    {"New Zealand", "Vodafone", {"http://pxt.vodafone.net.nz/pxtsend", "live.vodafone.com", "172.030.038.003", "8080", "", ""}},
    {"Norway", "Netcom", {"http://mms/", "mms.netcom.no", "212.169.66.4", "8080", "mms", "netcom"}},
    {"Norway", "Telenor", {"http://mmsc/", "telenor", "10.10.10.11", "8080", "", ""}},
    {"Norway", "Onecall", {"http://mms.nwn.no", "mms", "188.149.250.10", "80", "", ""}},  // OneCall runs on Network Norway: its settings
    {"Norway", "Chess", {"http://mms/", "mms.netcom.no", "193.209.134.133", "8080", "chess", "chess"}},
    {"Norway", "Tele2", {"http://mmsc.tele2.no", "internet.tele2.no", "193.012.040.014", "8080", "", ""}},
    {"Norway", "Talkmore", {"http://mmsc/", "telenor", "10.10.10.11", "8080", "", ""}},  // Telenor brand: Telenor's settings
    {"South Africa", "Cell C", {"http://mms.cmobile.co.za", "mms", "196.031.116.250", "8080", "", ""}},
    {"South Africa", "Virgin", {"http://mms.virginmobile.co.za", "vmms", "196.31.116.242", "8080", "", ""}},
    {"South Africa", "MTN", {"http://mms.mtn.co.za/mms/wapenc", "myMTN", "196.11.240.241", "8080", "mtnmms", "mtnmms"}},
    {"Egypt", "MobiNil", {"http://10.7.13.24:8002", "mobinilmms", "62.241.155.45", "8080", "", ""}},
    {"Egypt", "Vodafone", {"http://mms.vodafone.com.eg/servlets/mms", "mms.vodafone.com.eg", "163.121.178.002", "8080", "mms", "mms"}},
    {"Ukraine", "KiyvStar", {"http://mms.kyivstar.net", "mms.kyivstar.net", "10.10.10.10", "8080", "mms", "mms"}},
    {"Ukraine", "MTS", {"http://mmsc:8002/", "mms.umc.ua", "192.168.010.010", "8080", "", ""}},
    {"Ukraine", "LIFE", {"http://mms.life.com.ua/cmms/post", "mms", "212.58.162.230", "8080", "", ""}},
    {"Ukraine", "Beeline UA", {"http://mms/", "mms.beeline.ua", "172.29.18.192", "8080", "", ""}},
    {"Lithuania", "Omnitel", {"http://mms.omnitel.net:8002/", "gprs.mms.lt", "194.176.32.149", "8080", "mms", "mms"}},
    {"Lithuania", "Omnitel Ezio", {"http://mms.omnitel.net:8002/", "gprs.mms.lt", "194.176.32.149", "8080", "mms", "mms"}},  // Omnitel's prepaid brand: Omnitel's settings
    {"Lithuania", "Tele2 Pildyk", {"http://mmsc.tele2.lt", "mms.tele2.lt", "193.12.40.29", "8080", "wap", "wap"}},  // Tele2 LT's prepaid brand: Tele2's settings
    {"India", "Idea", {"http://10.4.42.21:8002/", "mmsc", "10.4.42.15", "8080", "", ""}},
    {"India", "CellOne", {"http://10.7.236.11:8514", "mmssouth.cellone.in", "10.7.236.11", "8080", "MSISDN", "mmsc"}},  // user MSISDN stands for the subscriber's own number
    {"India", "BPL", {"http://mms.bplmobile.com:8080", "mizone", "10.0.0.10", "8080", "MSISDN", "bplmmsc"}},  // user MSISDN stands for the subscriber's own number
    {"India", "Airtel", {"http://100.1.201.171:10021/mmsc", "airtelmms.com", "100.1.201.172", "8799", "", ""}},
    {"India", "VodaFone", {"http://mms1.live.vodafone.in/mms/", "portalnmms", "10.10.1.100", "9401", "", ""}},
    {"Latvia", "Okarte", {"http://mmsc.lmt.lv/mmsc", "internet.lmt.lv", "212.93.97.201", "8080", "", ""}},  // O!Karte is LMT's prepaid brand: LMT's settings
    {"Namibia", "MTC", {"http://mms.cellone.com.na", "mms", "41.223.80.10", "8080", "cellone", "cellone"}},  // MTC publishes none: Namibia's other network (Cell One) stands in, scheme added
    {"Estonia", "EMT", {"http://mms.emt.ee/servlets/mms", "mms.emt.ee", "217.71.32.82", "8080", "", ""}},
    {"Estonia", "ELISA", {"http://194.204.2.10", "mms", "194.204.2.6", "8000", "", ""}},
    {"Estonia", "TELE2", {"http://mmsc.tele2.ee", "mms.tele2.ee", "193.12.40.6", "8080", "", ""}},
};

// clang-format on

} // namespace mms
