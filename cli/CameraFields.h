#pragma once

#include "CameraSettings.h"

#include <QList>
#include <QStringList>

// The camera file's list fields as the command line names them. `names` are in list
// order, so a name's position is the byte the file stores; they double as the words
// that inspect prints.
struct CameraChoiceField {
    QString option;
    uint8_t CameraSettings::*member;
    QStringList names;
};

// A switch and the values it governs: the camera dialog writes every value of a
// switched-off group as 0.
struct CameraNumberField {
    QString option;
    uint8_t CameraSettings::*member;
    int max;
};

struct CameraGroup {
    QString option;
    uint8_t CameraSettings::*onOff; // 0 On, 1 Off
    QList<CameraNumberField> numbers;
};

const QList<CameraChoiceField> &CameraChoiceFields();
const QList<CameraGroup> &CameraNumberGroups();

inline constexpr int kImageBurstMax = 5;
inline constexpr int kSerialCharCount = 36; // "0".."9", "A".."Z"

QChar SerialCharAt(uint8_t position);
QString TimerPeriodText(const TimerPeriod &period);
