#pragma once

#include "LineFile.h"

#include <array>

// What the MMS dialog writes. In Auto mode the six connection texts come from the
// MMS catalogue entry of Country and Operator; in Manual mode from the record.
struct MmsSettings {
    ConnectionMode Mode = ConnectionMode::Auto;
    SendingHeader Header;
    QString Country = QStringLiteral("China");
    QString Operator = QStringLiteral("China Mobile");
    QString Url;
    QString Apn;
    QString Gateway;
    QString Port;
    QString Account;
    QString Password;
    std::array<QString, 4> Mobile;
    std::array<QString, 4> Email;
};

inline constexpr int kMmsSetupFileSize = 960;
inline constexpr const char *kMmsSetupFileName = "MMSSETUP.dat";

// The 960 bytes of MMSSETUP.dat, or none with the reason: an Auto-mode operator that
// is not in the catalogue, or a text the camera cannot read.
std::optional<QByteArray> ComposeMmsSetupFile(const MmsSettings &settings, QString *error = nullptr);

// Replaces the file at path; fails before touching the disk when composing fails.
bool WriteMmsSetupFile(const QString &path, const MmsSettings &settings, QString *error = nullptr);
