#pragma once

#include <QByteArrayView>
#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QString>
#include <QStringList>

struct InspectedField {
    QString name;
    QJsonValue value;
};

// What a settings file holds, as far as it can be decoded. Safe on any input.
struct InspectReport {
    QString kind; // "camera", "mms", "email", or "unknown"
    bool signatureOk = false;
    bool checksumOk = false;
    QList<InspectedField> fields;
    QStringList problems; // values outside their lists and the like

    bool Valid() const { return signatureOk && checksumOk && problems.isEmpty(); }
    QJsonObject ToJson() const;
    QString ToText() const;
};

InspectReport InspectSettingsFile(QByteArrayView data);
