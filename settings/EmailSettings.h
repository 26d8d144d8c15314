#pragma once

#include "LineFile.h"

#include <array>

// What the e-mail dialog writes. In Auto mode the three GPRS texts come from the
// e-mail catalogue entry of Country and Operator; in Manual mode from the record.
// Server and port are written as the record holds them in both modes.
struct EmailSettings {
    ConnectionMode Mode = ConnectionMode::Auto;
    SendingHeader Header;
    QString Country = QStringLiteral("China");
    QString Operator = QStringLiteral("China Mobile");
    QString Apn;
    QString Account;
    QString Password;
    QString SmtpServer;
    QString SmtpPort;
    QString SenderEmail;
    QString SenderPassword;
    std::array<QString, 4> Email;
};

inline constexpr int kEmailSetupFileSize = 840;
inline constexpr const char *kEmailSetupFileName = "SMTPSETUP.dat";

// The sender name line: the address up to its first "@", with the length byte of the
// whole address.
QByteArray ComposeSenderNameLine(QByteArrayView senderEmail);

// The 840 bytes of SMTPSETUP.dat, or none with the reason: an Auto-mode operator that
// is not in the catalogue, or a text the camera cannot read.
std::optional<QByteArray> ComposeEmailSetupFile(const EmailSettings &settings, QString *error = nullptr);

// Replaces the file at path; fails before touching the disk when composing fails.
bool WriteEmailSetupFile(const QString &path, const EmailSettings &settings, QString *error = nullptr);
