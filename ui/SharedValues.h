#pragma once

#include <QString>

// What the windows pass each other, through FormSet's connections.

// The settings dialog whose Select opened the save-location dialog, and whose save
// folder that dialog's OK fills.
enum class SaveLocationTarget : int {
    Camera = 0,
    Mms = 1,
    Email = 2,
};

// The outcome of the latest Generate, which the result dialog shows; None before the
// first.
enum class GenerationResult : int {
    None = 0,
    CameraFailed = 1,
    CameraGenerated = 2,
    MmsFailed = 11,
    MmsGenerated = 12,
    EmailFailed = 21,
    EmailGenerated = 22,
};

// The block of the string catalogue every window shows. The main window sets it when
// it is created, and its language selector stays disabled, so it stays 0 (English).
inline int g_languageIndex = 0;

// The folder the settings dialogs start with: the root of drive C: on Windows, the
// user's home folder elsewhere.
QString InitialSaveFolder();
// The folder and the file name joined by the platform's separator; a folder that
// already ends in one (a drive's root, such as "C:\" or "/") gets no second.
QString SaveFilePath(const QString &folder, const QString &fileName);
